#include "SimPrinterState.h"

#include "comm/XLMessage.h"
#include "images/EAN128Items.h"
#include "images/EANUPCItems.h"
#include "images/FontUnit.h"
#include "images/ImageData.h"
#include "images/ImageError.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/TextItems.h"
#include "platform/StationClock.h"

#include <algorithm>

namespace {

TImageDesignFile FactoryDesign(const QString& name)
{
    TImageDesignFile image;
    image.ImageName = name;
    image.ImageText = QStringLiteral("Factory image");
    return image;
}

template <class Item> Item& Add(TImageDesignFile& image, const char* typeName, qint32 x, qint32 y)
{
    auto item = std::make_unique<Item>();
    Item& added = *item;
    added.X = x;
    added.Y = y;
    image.Items.Append(QLatin1String(typeName), std::move(item));
    return added;
}

QByteArray Body(TImageDesignFile& image)
{
    TXLMessage body;
    ImageData::WriteBody(body, image, TFontMap());
    return body.Body();
}

// The protected image: the printer's name on the label.
QByteArray FirstFactoryImage(const QString& name)
{
    TImageDesignFile image = FactoryDesign(name);
    Add<TextItem>(image, ItemTypeName::Text, 10, 10).Text = name;
    return Body(image);
}

// A label with an item of each kind the operator can look at: a text, a counter, a barcode, a
// multi-line text and an EAN-128 barcode with two elements.
QByteArray DemoImage(const QString& name)
{
    TImageDesignFile image = FactoryDesign(name);
    Add<TextItem>(image, ItemTypeName::Text, 10, 10).Text = QStringLiteral("TELVOS VEX");
    auto& counter = Add<NumberItem>(image, ItemTypeName::Number, 10, 60);
    counter.StartValue = QStringLiteral("1");
    counter.CurrentValue = QStringLiteral("1042");
    counter.EndValue = QStringLiteral("99999");
    auto& barcode = Add<EAN13_Item>(image, ItemTypeName::Barcode, 200, 10);
    barcode.Data = QStringLiteral("400638133393");
    barcode.BarHeight = 80;
    Add<MemoItem>(image, ItemTypeName::Memo, 10, 110).Text =
        QStringLiteral("BEST BEFORE\r\nKEEP DRY\r\nMADE IN EU");
    auto& gs1 = Add<EAN128_Item>(image, ItemTypeName::Barcode, 200, 120);
    gs1.Elements = {{0, QStringLiteral("01"), {}, {}, QStringLiteral("09501101530003")},
                    {0, QStringLiteral("10"), {}, {}, QStringLiteral("LOT42")}};
    return Body(image);
}

} // namespace

TSimPrinterState::TSimPrinterState(const TSimPrinterConfig& config)
    : Model(config.Model), Name(config.Name), Version(config.Version), m_memoryBytes(config.MemoryBytes)
{
    // The first image is the protected one the station never offers for deletion.
    const QString first = QStringLiteral("Telvos");
    const QString demo = QStringLiteral("DEMO");
    for (const auto& [name, body] :
         {std::pair{first, FirstFactoryImage(first)}, std::pair{demo, DemoImage(demo)}})
        m_images.push_back({name, body, SimImageItems::Read(body)});
    CurrentImageA = demo;
}

QStringList TSimPrinterState::ImageNames() const
{
    QStringList names;
    for (const TSimImage& image : m_images)
        names.append(image.Name);
    return names;
}

const TSimImage* TSimPrinterState::FindImage(const QString& name) const
{
    const auto found = std::find_if(m_images.begin(), m_images.end(),
                                    [&](const TSimImage& image) { return image.Name == name; });
    return found == m_images.end() ? nullptr : &*found;
}

qint64 TSimPrinterState::UsedMemory() const
{
    qint64 used = 0;
    for (const TSimImage& image : m_images)
        used += image.Body.size();
    return used;
}

quint32 TSimPrinterState::FreeMemory() const
{
    return quint32(qBound<qint64>(0, m_memoryBytes - UsedMemory(), 0xFFFFFFFF));
}

bool TSimPrinterState::StoreImage(const QString& name, const QByteArray& body)
{
    const auto existing = std::find_if(m_images.begin(), m_images.end(),
                                       [&](const TSimImage& image) { return image.Name == name; });
    const qint64 freed = existing == m_images.end() ? 0 : existing->Body.size();
    if (UsedMemory() - freed + body.size() > m_memoryBytes)
        return false;
    if (existing == m_images.end())
        m_images.push_back({name, body, SimImageItems::Read(body)});
    else
        *existing = {name, body, SimImageItems::Read(body)};
    return true;
}

QString TSimPrinterState::StoreDesignFile(const QString& fileName)
{
    TImageDownload download;
    if (const std::optional<TImageError> error = download.Begin(fileName))
        return ImageErrorText(*error, fileName, download.ImageName());
    auto built = download.Finish(TFontMap());
    if (const auto* error = std::get_if<TImageError>(&built))
        return ImageErrorText(*error, fileName, download.ImageName());
    const QByteArray body = std::get<std::unique_ptr<TXLMessage>>(built)->Body();
    if (!StoreImage(download.ImageName(), body))
        return QStringLiteral("image %1 of %2 bytes does not fit into the free memory of %3 bytes")
            .arg(download.ImageName())
            .arg(body.size())
            .arg(FreeMemory());
    return {};
}

bool TSimPrinterState::DeleteImage(const QString& name)
{
    return std::erase_if(m_images, [&](const TSimImage& image) { return image.Name == name; }) > 0;
}

bool TSimPrinterState::ModifyItem(const QString& image, const QString& itemNumber, const QString& value)
{
    const auto found = std::find_if(m_images.begin(), m_images.end(),
                                    [&](const TSimImage& stored) { return stored.Name == image; });
    return found != m_images.end() && SimImageItems::Modify(found->Content, itemNumber, value, ClockNow().date());
}

QDateTime TSimPrinterState::ClockNow() const
{
    return StationClock::Now().addSecs(m_clockOffsetSecs);
}

void TSimPrinterState::SetClock(const QDateTime& printerNow)
{
    m_clockOffsetSecs = StationClock::Now().secsTo(printerNow);
}

bool TSimPrinterState::SetDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    SetClock(QDateTime(date, ClockNow().time()));
    return true;
}

bool TSimPrinterState::SetTime(int hour, int minute)
{
    const QTime time(hour, minute);
    if (!time.isValid())
        return false;
    SetClock(QDateTime(ClockNow().date(), time));
    return true;
}
