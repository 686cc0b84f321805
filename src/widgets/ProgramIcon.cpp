#include "widgets/ProgramIcon.h"

#include "widgets/DrawnIcon.h"

#include <QPainter>

namespace {
// The "V", five dots wide and high, as an ink-jet printer's dot matrix.
constexpr const char* Glyph[] = {
    "X...X",
    "X...X",
    ".X.X.",
    ".X.X.",
    "..X..",
};

void Paint(QPainter& painter, const QRectF& area)
{
    const qreal side = qMin(area.width(), area.height());
    const QRectF square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x4E, 0x8C));
    painter.drawRoundedRect(square, side * 0.18, side * 0.18);

    const qreal pitch = side / 6.5;
    const qreal dot = pitch * 0.82;
    const QPointF origin = square.topLeft() + QPointF((side - pitch * 5) / 2, (side - pitch * 5) / 2);
    painter.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 5; ++column)
            if (Glyph[row][column] == 'X')
                painter.drawEllipse(QRectF(origin.x() + column * pitch + (pitch - dot) / 2,
                                           origin.y() + row * pitch + (pitch - dot) / 2, dot, dot));
    painter.restore();
}
} // namespace

QPixmap ProgramIcon::Pixmap(int side)
{
    return Icon().pixmap(side, side);
}

QIcon ProgramIcon::Icon()
{
    return DrawnIcon::Make(&Paint);
}
