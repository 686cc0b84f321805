// vex-icons: writes the station's icon for a desktop installation, from the drawing the program
// shows itself: a scalable SVG and PNGs of the usual sizes, in the layout of the hicolor icon theme.
//     vex-icons OUTDIR NAME SIDE...  ->  OUTDIR/hicolor/scalable/apps/NAME.svg,
//                                        OUTDIR/hicolor/SIDExSIDE/apps/NAME.png for each SIDE

#include "widgets/ProgramIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <cstdio>

namespace {

constexpr int SvgSide = 64;

QString Number(qreal value)
{
    return QString::number(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QByteArray Svg()
{
    const ProgramIcon::TShapes shapes = ProgramIcon::ShapesIn(QRectF(0, 0, SvgSide, SvgSide));
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(SvgSide);
    const QRectF& tile = shapes.Tile;
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
               .arg(Number(tile.x()), Number(tile.y()), Number(tile.width()), Number(tile.height()),
                    Number(shapes.CornerRadius), shapes.TileColor.name());
    for (const QRectF& dot : shapes.Dots)
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(Number(dot.center().x()), Number(dot.center().y()), Number(dot.width() / 2),
                        shapes.DotColor.name());
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QImage Png(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ProgramIcon::Paint(painter, QRectF(0, 0, side, side));
    return image;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    // Painting into an image needs no window system: the build runs this on machines without one.
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: vex-icons OUTDIR NAME SIDE...\n");
        return 2;
    }
    const QString theme = arguments[1] + QStringLiteral("/hicolor/");
    const QString name = arguments[2];
    bool written = Write(theme + QStringLiteral("scalable/apps/%1.svg").arg(name), Svg());
    for (const QString& sideText : arguments.mid(3)) {
        const int side = sideText.toInt();
        const QString path = theme + QStringLiteral("%1x%1/apps/%2.png").arg(side).arg(name);
        written = side > 0 && QDir().mkpath(QFileInfo(path).path()) && Png(side).save(path) && written;
    }
    if (!written) {
        std::fprintf(stderr, "vex-icons: cannot write the icons into %s\n", qPrintable(theme));
        return 1;
    }
    return 0;
}
