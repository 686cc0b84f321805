#include "images/ImageError.h"

#include <QCoreApplication>

namespace {
QString Translated(const char* text)
{
    return QCoreApplication::translate(ImageErrorTexts::Context, text);
}
} // namespace

QString ImageErrorText(const TImageError& error, const QString& fileName, const QString& imageName)
{
    switch (error.Kind) {
    case TImageErrorKind::FileUnreadable:
        return Translated(ImageErrorTexts::FileUnreadable).arg(fileName, error.Detail);
    case TImageErrorKind::InvalidFileVersion:
        return Translated(ImageErrorTexts::InvalidFileType);
    case TImageErrorKind::InvalidItemType:
        return Translated(ImageErrorTexts::InvalidItemType).arg(imageName);
    case TImageErrorKind::DamagedFile:
        return Translated(ImageErrorTexts::DamagedFile).arg(fileName);
    case TImageErrorKind::NumberNotConvertible:
        return Translated(ImageErrorTexts::NumberNotConvertible)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Value);
    case TImageErrorKind::BarcodeNotEncodable:
        return Translated(ImageErrorTexts::BarcodeNotEncodable)
            .arg(imageName, QString::number(error.ItemNumber), error.TypeName, error.Detail);
    }
    return {};
}
