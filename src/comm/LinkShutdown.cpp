#include "comm/LinkShutdown.h"

#include "comm/CommChannel.h"
#include "platform/Logging.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int CheckMs = 5;
} // namespace

bool LinkShutdown::AwaitDisconnectRequests(const QList<TCommChannel*>& channels, int graceMs)
{
    QList<QPointer<TCommChannel>> sending;
    for (TCommChannel* channel : channels)
        if (channel->IsSendingDisconnect())
            sending.append(channel);
    const auto done = [&sending] {
        return std::none_of(sending.begin(), sending.end(), [](const QPointer<TCommChannel>& channel) {
            return channel && channel->IsSendingDisconnect();
        });
    };
    if (done())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(CheckMs);
    QTimer::singleShot(graceMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (done())
        return true;
    qCDebug(lcComm) << "closes links whose disconnect request was not acknowledged in" << graceMs << "ms";
    return false;
}
