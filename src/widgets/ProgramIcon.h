#pragma once

#include <QIcon>
#include <QPixmap>

// The station's icon: a dot-matrix "V" as an ink-jet printer marks it, drawn at any size.
namespace ProgramIcon {
QPixmap Pixmap(int side);
QIcon Icon();
} // namespace ProgramIcon
