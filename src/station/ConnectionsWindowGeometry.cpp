#include "station/ConnectionsWindowGeometry.h"

#include <algorithm>

QRect ConnectionsWindowGeometry::Of(const QRect& screen, int mainWindowWidth)
{
    const int width = (screen.width() - mainWindowWidth) / 2 - screen.width() / 20;
    const int height = screen.height() / 3;
    return {screen.x() + screen.width() / 40, screen.y() + screen.height() / 3, std::max(width, 0), height};
}
