#include "widgets/Lamp.h"

#include <QEvent>
#include <QPainter>

TLamp::TLamp(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    UpdateAccessibleName();
}

void TLamp::SetLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    UpdateAccessibleName();
    update();
}

void TLamp::SetCaption(const QString& caption)
{
    m_caption = caption;
    UpdateAccessibleName();
}

void TLamp::UpdateAccessibleName()
{
    const QString state = m_lit ? tr("on") : tr("off");
    setAccessibleName(m_caption.isEmpty() ? state : tr("%1: %2", "lamp caption, state").arg(m_caption, state));
}

// About the height of a capital letter, so that it sits on a text line.
QSize TLamp::sizeHint() const
{
    const int side = fontMetrics().height();
    return {side, side};
}

void TLamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height()) * 0.8;
    const QRectF disc((width() - side) / 2, (height() - side) / 2, side, side);
    const QColor color = m_lit ? LitColor : UnlitColor;
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(color);
    painter.drawEllipse(disc);
}

void TLamp::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        UpdateAccessibleName();
    QWidget::changeEvent(event);
}
