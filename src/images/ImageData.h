#pragma once

#include "images/BinaryFileStream.h"
#include "images/ImageDesignFile.h"

#include <QString>

#include <memory>
#include <optional>
#include <variant>

class TFontMap;
class TXLMessage;

// The ImageData message body of an image design file: the image's name and text, the item count,
// the month names, the shift table, then every item in file order.
namespace ImageData {

// What the printer prints for a shift whose name is empty: a blank, so the label shows nothing
// there rather than a control character.
inline constexpr char EmptyShiftLetter = ' ';

// Name, text, item count (low byte) and month names, each text closed by a 0 byte.
void WriteImageHeader(TXLMessage& message, const TImageDesignFile& image);
// One 0 byte for an image without shift items. Otherwise the number of entries before the first
// one coded 7 (at most 25), then each as code, hour, minute and first letter of its name.
void WriteShifts(TXLMessage& message, const TImageDesignFile& image);
// The most items the body's one-byte item count can say.
inline constexpr qsizetype MaxItems = 255;

// The whole body. A refusal names the item that refused; the message is then incomplete. An image
// of more than MaxItems items is refused whole: the printer would read a count that is not the
// number of items that follow.
std::optional<TImageError> WriteBody(TXLMessage& message, TImageDesignFile& image, const TFontMap& fonts);

// Hour and minute of a time of day given as a fraction of a day, rounded to the nearest millisecond
// first: 08:00 is stored a hair below 8/24 and must give 8 and 0.
struct THourMinute
{
    int Hour = 0;
    int Minute = 0;
};
THourMinute HourMinuteOf(double dateTime);

} // namespace ImageData

// One image design file on its way to the printer, read in the order the transfer needs: first the
// version and the image's name (so the operator can be asked about overwriting an image of that
// name), then the rest, from which the ImageData message is built.
class TImageDownload
{
public:
    // Opens the file and reads up to the image name.
    std::optional<TImageError> Begin(const QString& fileName);
    const QString& ImageName() const { return m_image.ImageName; }
    // The file as read so far: all of it, items included, once Finish has succeeded.
    const TImageDesignFile& Image() const { return m_image; }
    // Reads the rest of the file and builds the message.
    std::variant<std::unique_ptr<TXLMessage>, TImageError> Finish(const TFontMap& fonts);

    // Both steps at once.
    static std::variant<std::unique_ptr<TXLMessage>, TImageError> Build(const QString& fileName,
                                                                        const TFontMap& fonts);

private:
    std::optional<TBinaryFileStream> m_stream;
    TImageDesignFile m_image;
};
