#include "widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

void WindowPlacement::CentreOnScreen(QWidget& window)
{
    const QScreen* shownOn = window.screen();
    if (!shownOn)
        return;
    const QRect area = shownOn->geometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}
