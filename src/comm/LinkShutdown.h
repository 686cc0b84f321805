#pragma once

#include <QList>

class TCommChannel;

// Closing the station disconnects every printer and then closes every link. A disconnect request
// is only queued by then (behind a message still in flight, or in a socket's write buffer), and a
// link closed at once would throw it away: the printer would see the line drop instead.
namespace LinkShutdown {

// How long the links together get to have their disconnect requests acknowledged.
inline constexpr int GraceMs = 300;

// Runs the event loop until none of the channels is sending its disconnect request any more, or
// the time is up. True when every request was acknowledged (or the link went down by itself).
bool AwaitDisconnectRequests(const QList<TCommChannel*>& channels, int graceMs = GraceMs);

} // namespace LinkShutdown
