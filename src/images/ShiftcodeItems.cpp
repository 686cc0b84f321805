#include "images/ShiftcodeItems.h"

ShiftcodeItem::ShiftcodeItem() : TCoderImageItem(ItemTypeCode::Shiftcode, QStringLiteral("Shift")) {}
