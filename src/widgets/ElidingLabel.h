#pragma once

#include <QLabel>

// A one-line label for a value of any length (a printer's or an image's name): it takes what room
// its layout gives it, shows as much of the text as fits ending in "…", and the whole text as its
// tool tip when it does not fit. text() is always the whole text.
//
// To screen readers and automation the value says what it is: its accessible name is its caption
// and its value ("Printer: LINE1"), its accessible value the value alone.
class TElidingLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TElidingLabel(QWidget* parent = nullptr);
    explicit TElidingLabel(const QString& text, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    bool IsElided() const;

    // What the value is, for its accessible name: the caption of its row.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // The caption and the value, as screen readers read them.
    QString AccessibleName() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString ShownText() const;

    QString m_caption;
};
