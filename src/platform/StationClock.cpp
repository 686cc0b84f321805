#include "platform/StationClock.h"

namespace {
std::function<QDateTime()>& Source()
{
    static std::function<QDateTime()> source;
    return source;
}
} // namespace

QDateTime StationClock::Now()
{
    return Source() ? Source()() : QDateTime::currentDateTime();
}

void StationClock::SetSource(std::function<QDateTime()> source)
{
    Source() = std::move(source);
}

bool StationClock::FixFromEnvironment()
{
    if (!qEnvironmentVariableIsSet(FixedNowVariable))
        return true;
    const QDateTime fixed = QDateTime::fromString(qEnvironmentVariable(FixedNowVariable), Qt::ISODate);
    if (!fixed.isValid())
        return false;
    SetSource([fixed] { return fixed; });
    return true;
}
