#pragma once

#include <QString>

namespace DateFormat {
// The short date format of the language in use with the year in four digits, for the date pickers:
// a two-digit year would leave its century to guesswork.
QString ShortWithFullYear();
} // namespace DateFormat
