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
