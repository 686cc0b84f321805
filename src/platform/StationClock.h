#pragma once

#include <QDateTime>

#include <functional>

// The one source of the local date and time for everything the station prints or answers with
// (dates on labels, the operator date). Tests replace it to fix "now".
namespace StationClock {

QDateTime Now();

// Replaces the source; an empty function restores the system clock.
void SetSource(std::function<QDateTime()> source);

} // namespace StationClock
