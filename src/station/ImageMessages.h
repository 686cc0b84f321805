#pragma once

#include "comm/XLMessage.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The messages that act on the images stored in a printer, and the order in which the station lists
// image names.
namespace ImageMessages {

// Deletes the named image.
std::unique_ptr<TXLMessage> DeleteImage(const QString& imageName);
// Asks the printer to describe the items of the named image; it answers with an ImageItems report.
std::unique_ptr<TXLMessage> RequestImageItems(const QString& imageName);
// Gives an item of a stored image a new value: the image, the item's number as the printer numbered
// it in its report, and the value. The printer decides whether it takes the value.
std::unique_ptr<TXLMessage> ModifyItem(const QString& imageName, const QString& itemNumber,
                                       const QString& value);

// Image names in the order the lists show them: alphabetical regardless of letter case, names that
// differ only in case in a fixed order.
bool ImageNameLess(const QString& a, const QString& b);
void SortImageNames(QStringList& names);

} // namespace ImageMessages
