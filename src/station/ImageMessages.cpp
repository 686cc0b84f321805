#include "station/ImageMessages.h"

#include <algorithm>

namespace ImageMessages {

namespace {

std::unique_ptr<TXLMessage> Naming(TXLMessageKind kind, const QString& imageName)
{
    auto message = std::make_unique<TXLMessage>(kind);
    message->WriteString(imageName);
    return message;
}

} // namespace

std::unique_ptr<TXLMessage> DeleteImage(const QString& imageName)
{
    return Naming(XLSend::DeleteImage, imageName);
}

std::unique_ptr<TXLMessage> RequestImageItems(const QString& imageName)
{
    return Naming(XLSend::RequestImageItems, imageName);
}

std::unique_ptr<TXLMessage> ModifyItem(const QString& imageName, const QString& itemNumber,
                                       const QString& value)
{
    auto message = Naming(XLSend::ModifyItem, imageName);
    message->WriteString(itemNumber);
    message->WriteString(value);
    return message;
}

bool ImageNameLess(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

void SortImageNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), ImageNameLess);
}

} // namespace ImageMessages
