#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QRectF>

class QPainter;

// The station's icon: a dot-matrix "V" as an ink-jet printer marks it, drawn at any size.
namespace ProgramIcon {

// The drawing: a rounded tile and the dots of the "V" on it. The window icon, the About box and
// the icon files of an installation are all made from it.
struct TShapes
{
    QRectF Tile;
    qreal CornerRadius = 0;
    QColor TileColor;
    QList<QRectF> Dots; // each the square an ellipse fills
    QColor DotColor;
};
// The drawing centred in the area, as large as fits.
TShapes ShapesIn(const QRectF& area);
void Paint(QPainter& painter, const QRectF& area);

QPixmap Pixmap(int side);
QIcon Icon();

} // namespace ProgramIcon
