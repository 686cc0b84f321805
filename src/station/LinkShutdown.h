#pragma once

#include <functional>

class TConnectionManager;

// The end of every printer link when the station closes. Each connected printer is told that the
// station disconnects; the links close once the printers have that message (a message written but
// not yet sent would be lost with its link), or when the time limit has passed for a printer that
// does not take it. Then done runs. Returns at once; with no printer connected the links close
// before it returns.
namespace LinkShutdown {

inline constexpr int LimitMs = 2000;

void Run(TConnectionManager& manager, std::function<void()> done, int limitMs = LimitMs);

} // namespace LinkShutdown
