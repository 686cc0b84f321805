#pragma once

#include <QLabel>

// A one-line label for a value of any length (a printer's or an image's name): it takes what room
// its layout gives it, shows as much of the text as fits ending in "…", and the whole text as its
// tool tip when it does not fit. text() is always the whole text.
class TElidingLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;
    bool IsElided() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString ShownText() const;
};
