#include "station/LinkShutdown.h"

#include "comm/CommChannel.h"
#include "station/ConnectionManager.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

// Lives until the links are closed, as a child of the manager.
class TShutdown : public QObject
{
public:
    TShutdown(TConnectionManager& manager, std::function<void()> done)
        : QObject(&manager), m_manager(manager), m_done(std::move(done))
    {}

    void Start(int limitMs)
    {
        const QList<TCommChannel*> connected = m_manager.ConnectedList();
        m_manager.DisconnectAll();
        for (TCommChannel* channel : connected) {
            m_waiting.append(channel);
            connect(channel, &TCommChannel::LinkLost, this, &TShutdown::Check);
        }
        m_limit.setSingleShot(true);
        connect(&m_limit, &QTimer::timeout, this, &TShutdown::Finish);
        m_limit.start(limitMs);
        Check();
    }

private:
    void Check()
    {
        const bool allSent = std::all_of(m_waiting.begin(), m_waiting.end(), [](const QPointer<TCommChannel>& c) {
            return !c || !c->IsConnected();
        });
        if (allSent)
            Finish();
    }

    void Finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_limit.stop();
        m_manager.ShutdownChannels();
        deleteLater();
        if (m_done)
            m_done();
    }

    TConnectionManager& m_manager;
    std::function<void()> m_done;
    QList<QPointer<TCommChannel>> m_waiting;
    QTimer m_limit;
    bool m_finished = false;
};

} // namespace

void LinkShutdown::Run(TConnectionManager& manager, std::function<void()> done, int limitMs)
{
    (new TShutdown(manager, std::move(done)))->Start(limitMs);
}
