#pragma once

#include <QIcon>

#include <functional>

class QPainter;
class QRectF;

// An icon the program draws itself, at whatever size and pixel ratio it is asked for, when it is
// asked for: crisp on every screen. A disabled icon is drawn faded.
namespace DrawnIcon {

using TPaint = std::function<void(QPainter& painter, const QRectF& area)>;

QIcon Make(TPaint paint);

} // namespace DrawnIcon
