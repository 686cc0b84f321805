#include "coder/ReplyLimits.h"

#include "comm/XLMessage.h"

namespace ReplyLimits {

namespace {
constexpr qsizetype Text = MaxTextLength + 1; // a string with its closing 0x00
// A status report that carries no names: a number or two, or the parameter record.
constexpr qsizetype SmallReport = 1024;
// Per row of an item report: its mark, number, type and the fields of its type.
constexpr qsizetype ItemRowSize = 8 * Text;
// The bytes of the widest number that sits next to a text in a report.
constexpr qsizetype NumberBytes = 4;

// The reports that carry names or texts.
bool CarriesTexts(const TXLMessage& message)
{
    using namespace XLReceive;
    if (message.Id == ConnectionId || message.Id == OperatorRequestId)
        return true;
    if (message.Id != StatusId)
        return false;
    switch (message.Sub) {
    case ImageList:
    case ImageItems:
    case MemoryInfo:
    case PrintStarted:
    case Identity:
    case VersionInfo:
        return true;
    default:
        return false;
    }
}

struct TStrings
{
    qsizetype Count = 0;   // strings closed by 0x00, empty ones not counted
    qsizetype Longest = 0; // the longest run of bytes other than 0x00
};

TStrings Strings(const QByteArray& body)
{
    TStrings strings;
    qsizetype length = 0;
    for (const char byte : body) {
        if (byte != '\0') {
            strings.Longest = qMax(strings.Longest, ++length);
        } else if (length > 0) {
            ++strings.Count;
            length = 0;
        }
    }
    return strings;
}
} // namespace

qsizetype MaxBodySize(const TXLMessage& message)
{
    using namespace XLReceive;
    switch (message.Id) {
    case ConnectionId:
        return 2 + 3 * Text; // status word, two current images, the printer's name
    case OperatorRequestId:
        return 2 * Text + 13; // prompt and text with their length, or the numeric request's numbers
    case StatusId:
        break;
    default:
        return SmallReport;
    }
    switch (message.Sub) {
    case ImageList:
        return MaxImages * Text;
    case ImageItems:
        return 2 * Text + MaxItemRows * ItemRowSize;
    case MemoryInfo:
    case PrintStarted:
        return 4 + 2 * Text;
    case Identity:
        return 2 + 2 * Text;
    case VersionInfo:
        return Text;
    default:
        return SmallReport;
    }
}

// A text runs from one 0x00 to the next; a number beside it may join its run (an image list has
// nothing but names).
bool Fits(const TXLMessage& message)
{
    if (message.Size() > MaxBodySize(message))
        return false;
    if (!CarriesTexts(message))
        return true;
    const bool isImageList = message.Id == XLReceive::StatusId && message.Sub == XLReceive::ImageList;
    const TStrings strings = Strings(message.Body());
    if (strings.Longest > MaxTextLength + (isImageList ? 0 : NumberBytes))
        return false;
    return !isImageList || strings.Count <= MaxImages;
}

} // namespace ReplyLimits
