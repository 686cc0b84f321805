#pragma once

#include <QString>
#include <QtGlobal>

// Why an image could not be read from its design file or turned into the printer's representation.
// Items and the image reader return it as a value; the transfer window and the command-line tool
// turn it into the station's message with ImageErrorText.
enum class TImageErrorKind
{
    FileUnreadable,       // the file cannot be opened; Detail holds the system's reason
    InvalidFileVersion,   // the version text is none of the accepted ones
    InvalidItemType,      // unknown item type or barcode kind, or an image without items
    DamagedFile,          // the file ends early or announces more than it holds
    NumberNotConvertible, // an item value is not a number the item can send
    BarcodeNotEncodable,  // a barcode item cannot be encoded; Detail says which rule refused
    PictureTooLarge,      // a graphic's size does not fit the printer's 16-bit sizes; Value is the size
    TooManyItems,         // more items than the image message's one-byte count can say; Value is the count
    TextHoldsZeroByte,    // a text the printer reads up to a 0 byte holds one; Field names the text
    DataTooLong,          // barcode data longer than its one-byte length can say; Value is the length
    TooManyElements,      // more EAN-128 elements than their one-byte count can say; Value is the count
};

struct TImageError
{
    TImageErrorKind Kind = TImageErrorKind::InvalidItemType;
    int ItemNumber = 0; // position of the item in the image, from 1; 0 when no single item is at fault
    QString TypeName;   // the item's type name as the file holds it
    QString Field;      // the item field (or, with no item, the image field) whose value was refused
    QString Value;      // that value
    QString Detail;     // FileUnreadable, BarcodeNotEncodable: the reason, in the current language
};

// The station's texts for these failures, translated in the context of the image transfer window.
namespace ImageErrorTexts {
inline constexpr char Context[] = "TImageDownloadForm";
inline constexpr const char* InvalidFileType =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* InvalidItemType =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "IMAGE %1 CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* DamagedFile =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "FILE %1 IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* FileUnreadable =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "FILE %1 CANNOT BE OPENED (%2), TRANSFER OF IMAGE ABORTED");
inline constexpr const char* NumberNotConvertible = QT_TRANSLATE_NOOP(
    "TImageDownloadForm", "IMAGE %1, ITEM %2 (%3): '%4' IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* BarcodeNotEncodable = QT_TRANSLATE_NOOP(
    "TImageDownloadForm", "IMAGE %1, ITEM %2 (%3): BARCODE CANNOT BE ENCODED, %4, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* PictureTooLarge = QT_TRANSLATE_NOOP(
    "TImageDownloadForm",
    "IMAGE %1, ITEM %2 (%3): GRAPHIC OF %4 PIXELS IS LARGER THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* TooManyItems = QT_TRANSLATE_NOOP(
    "TImageDownloadForm", "IMAGE %1 HAS %2 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* ItemTextHoldsZeroByte = QT_TRANSLATE_NOOP(
    "TImageDownloadForm", "IMAGE %1, ITEM %2 (%3): %4 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* ImageTextHoldsZeroByte =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "IMAGE %1: %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* DataTooLong = QT_TRANSLATE_NOOP(
    "TImageDownloadForm",
    "IMAGE %1, ITEM %2 (%3): DATA HAS %4 CHARACTERS, MORE THAN 255, TRANSFER OF IMAGE ABORTED");
inline constexpr const char* TooManyElements = QT_TRANSLATE_NOOP(
    "TImageDownloadForm",
    "IMAGE %1, ITEM %2 (%3): BARCODE HAS %4 ELEMENTS, MORE THAN 255, TRANSFER OF IMAGE ABORTED");

// The field of an EAN-128 element that holds a zero byte: %1 the number of the text, %2 the element's.
inline constexpr const char* ElementTextField =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "ElementText%1 of element %2");

// The reasons of BarcodeNotEncodable: %1 is the symbology, %2 the refused value.
inline constexpr const char* ModuleWidthOutOfRange =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "%1 MODULE WIDTH %2 IS NOT 2 TO 6");
inline constexpr const char* DataNotDigits =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "%1 DATA '%2' HOLDS A CHARACTER OTHER THAN 0 TO 9");
inline constexpr const char* DataTooShort =
    QT_TRANSLATE_NOOP("TImageDownloadForm", "%1 DATA '%2' HAS FEWER THAN %3 DIGITS");
} // namespace ImageErrorTexts

// One of the texts above in the current language.
QString TranslatedImageText(const char* text);

// The message the operator sees, in the current language. fileName is shown as given.
QString ImageErrorText(const TImageError& error, const QString& fileName, const QString& imageName);
