#pragma once

#include <QWidget>

// A two-state indicator drawn as a small disc: green when lit, red when not. Its accessible name
// says what it shows and whether it is lit ("Printing: on").
class TLamp : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Lit READ IsLit WRITE SetLit)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    static inline const QColor LitColor{0x20, 0xB0, 0x30};
    static inline const QColor UnlitColor{0xD0, 0x20, 0x20};

    explicit TLamp(QWidget* parent = nullptr);

    bool IsLit() const { return m_lit; }
    void SetLit(bool lit);
    void Toggle() { SetLit(!m_lit); }
    // What the lamp shows, for its accessible name.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateAccessibleName();

    bool m_lit = false;
    QString m_caption;
};
