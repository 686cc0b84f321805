#include "SimPrinterState.h"

#include "comm/XLMessage.h"
#include "platform/StationClock.h"

#include <algorithm>

namespace {

// A stored image as a printer holds one: name, text, no items, the month names, no shifts.
QByteArray FactoryImage(const QString& name)
{
    TXLMessage body;
    body.WriteString(name);
    body.WriteString(QStringLiteral("Factory image"));
    body.WriteU8(0);
    body.WriteString(QStringLiteral("JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC"));
    body.WriteU8(0);
    return body.Body();
}

} // namespace

TSimPrinterState::TSimPrinterState(const TSimPrinterConfig& config)
    : Model(config.Model), Name(config.Name), Version(config.Version), m_memoryBytes(config.MemoryBytes)
{
    // The first image is the protected one the station never offers for deletion.
    for (const QString& name : {QStringLiteral("Telvos"), QStringLiteral("DEMO")})
        m_images.push_back({name, FactoryImage(name)});
    CurrentImageA = QStringLiteral("DEMO");
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
        m_images.push_back({name, body});
    else
        existing->Body = body;
    return true;
}

bool TSimPrinterState::DeleteImage(const QString& name)
{
    return std::erase_if(m_images, [&](const TSimImage& image) { return image.Name == name; }) > 0;
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
