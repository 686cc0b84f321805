#include "broker/TopicNames.h"

#include <QCryptographicHash>

namespace {
constexpr qsizetype HashDigits = 12;

bool IsKept(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
}

QString HashSuffix(const QString& key)
{
    return QLatin1Char('~') +
           QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(HashDigits));
}

// The kept characters, others as '_', cut to leave room for the suffix.
QString Cleaned(const QString& name, qsizetype length)
{
    QString cleaned;
    for (const QChar c : name.left(length))
        cleaned += IsKept(c) ? c : QLatin1Char('_');
    // A cut between the two halves of a surrogate pair would leave half a character.
    if (!cleaned.isEmpty() && cleaned.back().isHighSurrogate())
        cleaned.chop(1);
    return cleaned;
}
} // namespace

QString TopicNames::SafeLevel(const QString& name)
{
    const bool changed = name.isEmpty() || name.size() > MaxLevelLength ||
                         std::any_of(name.begin(), name.end(), [](QChar c) { return !IsKept(c); });
    if (!changed)
        return name;
    return DistinctLevel(name, name);
}

QString TopicNames::DistinctLevel(const QString& name, const QString& key)
{
    QString level = Cleaned(name, MaxLevelLength - HashDigits - 1);
    if (level.isEmpty())
        level = QStringLiteral("_");
    return level + HashSuffix(key);
}

QString TopicNames::StationRoot(const QString& stationName)
{
    return QLatin1String(Prefix) + SafeLevel(stationName) + QLatin1Char('/');
}

QString TPrinterTopics::LevelFor(const QString& name, const QString& address)
{
    const QString key = name + QLatin1Char('\n') + address;
    if (const auto known = m_levelByKey.constFind(key); known != m_levelByKey.constEnd())
        return *known;
    QString level = TopicNames::SafeLevel(name);
    if (const auto holder = m_byLevel.constFind(level); holder != m_byLevel.constEnd() && holder->Address != address)
        level = TopicNames::DistinctLevel(name, key);
    if (m_byLevel.size() < MaxPrinters) {
        m_byLevel.insert(level, {name, address});
        m_levelByKey.insert(key, level);
    }
    return level;
}

bool TPrinterTopics::PrinterOf(const QString& level, QString& name, QString& address) const
{
    const auto holder = m_byLevel.constFind(level);
    if (holder == m_byLevel.constEnd())
        return false;
    name = holder->Name;
    address = holder->Address;
    return true;
}
