#include "widgets/WindowPlacement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

void WindowPlacement::CentreOn(QWidget& window, const QRect& area)
{
    if (QLayout* layout = window.layout())
        layout->activate();
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void WindowPlacement::CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        CentreOn(window, screen->geometry());
}

void WindowPlacement::CentreOnWindow(QWidget& window, const QWidget& other)
{
    CentreOn(window, other.window()->frameGeometry());
}
