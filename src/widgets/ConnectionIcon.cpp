#include "widgets/ConnectionIcon.h"

#include "widgets/DrawnIcon.h"
#include "widgets/Lamp.h"

#include <QPainter>
#include <QPolygonF>

namespace {
enum class TLampState
{
    Lit,
    Unlit,
    Off,
};

const QColor Outline(0x4A, 0x50, 0x58);

void DrawLamp(QPainter& painter, const QPointF& centre, TLampState state)
{
    const QColor fill = state == TLampState::Lit     ? TLamp::LitColor
                        : state == TLampState::Unlit ? TLamp::UnlitColor
                                                     : QColor(Qt::white);
    painter.setPen(QPen(state == TLampState::Off ? Outline : fill.darker(160), 1));
    painter.setBrush(fill);
    painter.drawEllipse(centre, 3.6, 3.6);
}

// A round arrow going clockwise, white on a badge.
void DrawReconnectingBadge(QPainter& painter)
{
    const QPointF centre = ConnectionIcon::BadgeCentre;
    painter.setPen(QPen(QColor(ConnectionIcon::BadgeColor).darker(150), 1));
    painter.setBrush(QColor(ConnectionIcon::BadgeColor));
    painter.drawEllipse(centre, 6, 6);
    const qreal radius = 3.4;
    painter.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    // From the top, clockwise round to the left: Qt's angles go counter-clockwise, in 16ths of a degree.
    painter.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90 * 16, -270 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QPointF tip(centre.x() - radius, centre.y() + 0.2);
    painter.drawPolygon(QPolygonF{tip + QPointF(-2, -0.4), tip + QPointF(2, -0.4), tip + QPointF(0, 2.2)});
}

// A sheet going into the printer at the top, the body with its two lamps, the tray at the bottom.
void Paint(QPainter& painter, const QRectF& area, TLampState print, TLampState ink, bool reconnecting)
{
    const qreal side = qMin(area.width(), area.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.scale(side / ConnectionIcon::Grid, side / ConnectionIcon::Grid);

    painter.setPen(QPen(Outline, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9.5, 2.5, 13, 10));
    painter.drawLine(QPointF(12, 5.5), QPointF(20, 5.5));
    painter.drawLine(QPointF(12, 8), QPointF(18, 8));

    painter.setBrush(QColor(0xB8, 0xC0, 0xCA));
    painter.drawRoundedRect(QRectF(2.5, 10.5, 27, 15), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3A, 0x40, 0x48));
    painter.drawRect(QRectF(8, 12, 16, 1.5)); // the slot the sheet goes into

    DrawLamp(painter, ConnectionIcon::PrintLampCentre, print);
    DrawLamp(painter, ConnectionIcon::InkLampCentre, ink);

    painter.setPen(QPen(Outline, 1));
    painter.setBrush(QColor(0x8A, 0x93, 0x9E));
    painter.drawRect(QRectF(5.5, 25.5, 21, 4));
    if (reconnecting)
        DrawReconnectingBadge(painter);
    painter.restore();
}
} // namespace

QIcon ConnectionIcon::Icon(int index)
{
    TLampState print = TLampState::Off;
    TLampState ink = TLampState::Off;
    if (index >= 0 && index < NotConnected) {
        print = index & 2 ? TLampState::Lit : TLampState::Unlit;
        ink = index & 1 ? TLampState::Lit : TLampState::Unlit;
    }
    const bool reconnecting = index == Reconnecting;
    return DrawnIcon::Make([print, ink, reconnecting](QPainter& painter, const QRectF& area) {
        Paint(painter, area, print, ink, reconnecting);
    });
}
