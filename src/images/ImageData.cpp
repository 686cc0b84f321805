#include "images/ImageData.h"

#include "comm/XLMessage.h"
#include "images/ItemPayload.h"

#include <cmath>

namespace {
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
} // namespace

ImageData::THourMinute ImageData::HourMinuteOf(double dateTime)
{
    if (!std::isfinite(dateTime))
        return {};
    // The time of day is the fraction's size whatever the sign of the date.
    const double fraction = std::fabs(dateTime - std::trunc(dateTime));
    const qint64 ms = std::llround(fraction * double(MsPerDay)) % MsPerDay;
    return {int(ms / 3600000), int(ms / 60000 % 60)};
}

void ImageData::WriteImageHeader(TXLMessage& message, const TImageDesignFile& image)
{
    message.WriteString(image.ImageName);
    message.WriteString(image.ImageText);
    message.WriteU8(ItemPayload::LowByte(image.Items.Count()));
    message.WriteString(image.MonthNames);
    WriteShifts(message, image);
}

void ImageData::WriteShifts(TXLMessage& message, const TImageDesignFile& image)
{
    if (!image.Items.HasTypeName(QLatin1String(ItemTypeName::Shiftcode))) {
        message.WriteU8(0);
        return;
    }
    const auto end = std::find_if(image.Shifts.begin(), image.Shifts.end(), [](const TShiftEntry& shift) {
        return shift.Code == TImageDesignFile::ShiftTableEnd;
    });
    message.WriteU8(quint8(end - image.Shifts.begin()));
    for (auto shift = image.Shifts.begin(); shift != end; ++shift) {
        const THourMinute start = HourMinuteOf(shift->StartTime);
        message.WriteU8(shift->Code);
        message.WriteU8(quint8(start.Hour));
        message.WriteU8(quint8(start.Minute));
        message.WriteU8(shift->Name.isEmpty() ? quint8(EmptyShiftLetter)
                                              : quint8(shift->Name.at(0).toLatin1()));
    }
}

std::optional<TImageError> ImageData::WriteBody(TXLMessage& message, TImageDesignFile& image,
                                                const TFontMap& fonts)
{
    if (image.Items.Count() > MaxItems) {
        TImageError error;
        error.Kind = TImageErrorKind::TooManyItems;
        error.Value = QString::number(image.Items.Count());
        return error;
    }
    if (auto error = ItemPayload::RefuseZeroBytes({{QStringLiteral("ImageName"), image.ImageName},
                                                   {QStringLiteral("ImageText"), image.ImageText},
                                                   {QStringLiteral("MonthNames"), image.MonthNames}}))
        return error;
    WriteImageHeader(message, image);
    return image.Items.WriteToMessage(message, fonts);
}

std::optional<TImageError> TImageDownload::Begin(const QString& fileName)
{
    QString reason;
    m_stream = TBinaryFileStream::Open(fileName, &reason);
    if (!m_stream) {
        TImageError error;
        error.Kind = TImageErrorKind::FileUnreadable;
        error.Detail = reason;
        return error;
    }
    if (auto error = m_image.ReadVersion(*m_stream))
        return error;
    return m_image.ReadNames(*m_stream);
}

std::variant<std::unique_ptr<TXLMessage>, TImageError> TImageDownload::Finish(const TFontMap& fonts)
{
    for (auto stage :
         {&TImageDesignFile::ReadMonthNames, &TImageDesignFile::ReadShifts, &TImageDesignFile::ReadItems}) {
        if (std::optional<TImageError> error = (m_image.*stage)(*m_stream))
            return *error;
    }
    auto message = std::make_unique<TXLMessage>(XLSend::ImageData);
    if (std::optional<TImageError> error = ImageData::WriteBody(*message, m_image, fonts))
        return *error;
    return message;
}

std::variant<std::unique_ptr<TXLMessage>, TImageError> TImageDownload::Build(const QString& fileName,
                                                                             const TFontMap& fonts)
{
    TImageDownload download;
    if (std::optional<TImageError> error = download.Begin(fileName))
        return *error;
    return download.Finish(fonts);
}
