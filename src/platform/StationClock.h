#pragma once

#include <QDateTime>

#include <functional>

// The one source of the local date and time for everything the station prints or answers with
// (dates on labels, the operator date). Tests replace it to fix "now".
namespace StationClock {

QDateTime Now();

// Replaces the source; an empty function restores the system clock.
void SetSource(std::function<QDateTime()> source);

// The variable that fixes the clock of a program that reads it at start-up (scripts, tests).
inline constexpr char FixedNowVariable[] = "VEX_NOW";
// Fixes the source at the local date and time the variable names in ISO 8601
// ("2024-03-05T10:00:00"); without the variable the system clock stays. False when it names none.
bool FixFromEnvironment();

} // namespace StationClock
