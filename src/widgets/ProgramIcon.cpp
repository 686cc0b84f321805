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
} // namespace

ProgramIcon::TShapes ProgramIcon::ShapesIn(const QRectF& area)
{
    const qreal side = qMin(area.width(), area.height());
    TShapes shapes;
    shapes.Tile = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    shapes.CornerRadius = side * 0.18;
    shapes.TileColor = QColor(0x1F, 0x4E, 0x8C);
    shapes.DotColor = Qt::white;

    const qreal pitch = side / 6.5;
    const qreal dot = pitch * 0.82;
    const QPointF origin = shapes.Tile.topLeft() + QPointF((side - pitch * 5) / 2, (side - pitch * 5) / 2);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 5; ++column)
            if (Glyph[row][column] == 'X')
                shapes.Dots.append(QRectF(origin.x() + column * pitch + (pitch - dot) / 2,
                                          origin.y() + row * pitch + (pitch - dot) / 2, dot, dot));
    return shapes;
}

void ProgramIcon::Paint(QPainter& painter, const QRectF& area)
{
    const TShapes shapes = ShapesIn(area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shapes.TileColor);
    painter.drawRoundedRect(shapes.Tile, shapes.CornerRadius, shapes.CornerRadius);
    painter.setBrush(shapes.DotColor);
    for (const QRectF& dot : shapes.Dots)
        painter.drawEllipse(dot);
    painter.restore();
}

QPixmap ProgramIcon::Pixmap(int side)
{
    return Icon().pixmap(side, side);
}

QIcon ProgramIcon::Icon()
{
    return DrawnIcon::Make(&ProgramIcon::Paint);
}
