#include "images/ImageError.h"

#include <QCoreApplication>

QString TranslatedImageText(const char* text)
{
    return QCoreApplication::translate(ImageErrorTexts::Context, text);
}

QString ImageErrorText(const TImageError& error, const QString& fileName, const QString& imageName)
{
    switch (error.Kind) {
    case TImageErrorKind::FileUnreadable:
        return TranslatedImageText(ImageErrorTexts::FileUnreadable).arg(fileName, error.Detail);
    case TImageErrorKind::InvalidFileVersion:
        return TranslatedImageText(ImageErrorTexts::InvalidFileType);
    case TImageErrorKind::InvalidItemType:
        return TranslatedImageText(ImageErrorTexts::InvalidItemType).arg(imageName);
    case TImageErrorKind::DamagedFile:
        return TranslatedImageText(ImageErrorTexts::DamagedFile).arg(fileName);
    case TImageErrorKind::NumberNotConvertible:
        return TranslatedImageText(ImageErrorTexts::NumberNotConvertible)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Value);
    case TImageErrorKind::BarcodeNotEncodable:
        return TranslatedImageText(ImageErrorTexts::BarcodeNotEncodable)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Detail);
    case TImageErrorKind::PictureTooLarge:
        return TranslatedImageText(ImageErrorTexts::PictureTooLarge)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Value);
    case TImageErrorKind::TooManyItems:
        return TranslatedImageText(ImageErrorTexts::TooManyItems).arg(imageName, error.Value);
    case TImageErrorKind::DataTooLong:
        return TranslatedImageText(ImageErrorTexts::DataTooLong)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Value);
    case TImageErrorKind::TooManyElements:
        return TranslatedImageText(ImageErrorTexts::TooManyElements)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Value);
    case TImageErrorKind::TextHoldsZeroByte:
        if (error.ItemNumber == 0)
            return TranslatedImageText(ImageErrorTexts::ImageTextHoldsZeroByte).arg(imageName, error.Field);
        return TranslatedImageText(ImageErrorTexts::ItemTextHoldsZeroByte)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Field);
    }
    return {};
}
