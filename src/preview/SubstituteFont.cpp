#include "preview/SubstituteFont.h"

#include <QFontMetrics>
#include <QGuiApplication>

bool SubstituteFont::Available()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont SubstituteFont::Of(int lineHeight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(std::max(1, lineHeight));
    // A font's lines are higher than its pixel size: shrink it until they fit.
    const int height = QFontMetrics(font).height();
    if (height > lineHeight)
        font.setPixelSize(std::max(1, int(qint64(lineHeight) * lineHeight / height)));
    return font;
}
