#include "widgets/ProgramIcon.h"

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

QPixmap ProgramIcon::Pixmap(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x4E, 0x8C));
    painter.drawRoundedRect(QRectF(0, 0, side, side), side * 0.18, side * 0.18);

    const qreal pitch = side / 6.5;
    const qreal dot = pitch * 0.82;
    const qreal origin = (side - pitch * 5) / 2;
    painter.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 5; ++column)
            if (Glyph[row][column] == 'X')
                painter.drawEllipse(QRectF(origin + column * pitch + (pitch - dot) / 2,
                                           origin + row * pitch + (pitch - dot) / 2, dot, dot));
    return pixmap;
}

QIcon ProgramIcon::Icon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(Pixmap(side));
    return icon;
}
