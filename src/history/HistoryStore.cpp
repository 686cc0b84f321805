#include "history/HistoryStore.h"

#include "history/HistoryDatabase.h"
#include "history/HistoryWriter.h"
#include "platform/SettingsStore.h"
#include "platform/StationClock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSemaphore>

#include <memory>

namespace {
constexpr int PruneEveryMs = 24 * 60 * 60 * 1000;
} // namespace

QString THistoryStore::PathFromSettings()
{
    const QString path = SettingsStore::Value(QLatin1String(SettingsStore::HistoryFile)).toString();
    if (!path.isEmpty())
        return path;
    // The station's data folder whatever the program: vex and vexctl write the same file.
    return QDir(SettingsStore::DataFolder()).filePath(QStringLiteral("history.sqlite"));
}

int THistoryStore::DaysFromSettings()
{
    bool isNumber = false;
    const int days = SettingsStore::Value(QLatin1String(SettingsStore::HistoryDays)).toString().toInt(&isNumber);
    return isNumber && days >= 0 ? std::min(days, MaxDays) : DefaultDays;
}

QString THistoryStore::FaultText(int problem, const QString& path)
{
    return tr("The history cannot be written to %1: %2. The station goes on working and records the gap once "
              "it can write again.")
        .arg(QDir::toNativeSeparators(path), HistoryDatabase::ProblemText(HistoryDatabase::TProblem(problem)));
}

THistoryStore::THistoryStore(const QString& path, const TEventSource& source, int retentionDays, QObject* parent)
    : QObject(parent), m_path(path), m_retentionDays(retentionDays), m_writer(new THistoryWriter(path, source))
{
    m_writer->moveToThread(&m_thread);
    connect(m_writer, &THistoryWriter::Committed, this, &THistoryStore::Committed);
    connect(m_writer, &THistoryWriter::Faulted, this, [this](int problem) { OnFaulted(problem); });
    connect(m_writer, &THistoryWriter::Recovered, this, &THistoryStore::OnRecovered);
    m_thread.setObjectName(QStringLiteral("history writer"));

    m_flush.setSingleShot(true);
    m_flush.setInterval(FlushMs);
    connect(&m_flush, &QTimer::timeout, this, &THistoryStore::Flush);
    m_retry.setInterval(DefaultRetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        Post([writer = m_writer, now = StationClock::Now()] { writer->Retry(now); });
    });
    m_prune.setInterval(PruneEveryMs);
    connect(&m_prune, &QTimer::timeout, this, &THistoryStore::Prune);
    // The writer's thread and the file (the database driver) would cost the program's start-up:
    // they start once the program is up, or when the first events go, whichever comes first; a
    // file that cannot be written is said at start-up all the same.
    m_open.setSingleShot(true);
    m_open.setInterval(OpenDelayMs);
    connect(&m_open, &QTimer::timeout, this, &THistoryStore::Open);
    m_open.start();
}

void THistoryStore::Open()
{
    m_open.stop();
    if (m_opened)
        return;
    m_opened = true;
    m_thread.start();
    Post([writer = m_writer, now = StationClock::Now()] { writer->Write({}, now); });
    if (m_retentionDays > 0) {
        Prune();
        m_prune.start();
    }
}

THistoryStore::~THistoryStore()
{
    m_flush.stop();
    Flush();
    if (!m_opened) {
        delete m_writer; // never started: nothing to write
        return;
    }
    Post([writer = m_writer] {
        writer->Close();
        QThread::currentThread()->quit();
    });
    m_thread.wait();
    delete m_writer;
}

template <typename Work> void THistoryStore::Post(Work work)
{
    QMetaObject::invokeMethod(m_writer, std::move(work), Qt::QueuedConnection);
}

void THistoryStore::Append(const TStationEvent& event)
{
    m_pending.append(event);
    if (!m_flush.isActive())
        m_flush.start();
}

void THistoryStore::SetCursor(const QString& name, qint64 seq)
{
    m_pendingCursors.insert(name, seq);
    if (!m_flush.isActive())
        m_flush.start();
}

void THistoryStore::Flush()
{
    m_flush.stop();
    if (m_pending.isEmpty() && m_pendingCursors.isEmpty())
        return;
    Open();
    if (!m_pending.isEmpty())
        Post([writer = m_writer, events = std::exchange(m_pending, {}), now = StationClock::Now()] {
            writer->Write(events, now);
        });
    if (!m_pendingCursors.isEmpty())
        Post([writer = m_writer, cursors = std::exchange(m_pendingCursors, {})] {
            for (auto cursor = cursors.begin(); cursor != cursors.end(); ++cursor)
                writer->SetCursor(cursor.key(), cursor.value());
        });
}

bool THistoryStore::WaitForWriter(int timeoutMs)
{
    Flush();
    if (!m_opened)
        return true; // nothing was handed over
    const auto done = std::make_shared<QSemaphore>();
    Post([done] { done->release(); });
    return done->tryAcquire(1, timeoutMs);
}

void THistoryStore::Prune()
{
    const QDateTime now = StationClock::Now();
    Post([writer = m_writer, cutoff = now.addDays(-m_retentionDays), now] { writer->Prune(cutoff, now); });
}

void THistoryStore::OnFaulted(int problem)
{
    m_faulted = true;
    m_retry.start();
    emit Fault(FaultText(problem, m_path));
}

void THistoryStore::OnRecovered()
{
    m_faulted = false;
    m_retry.stop();
    emit Recovered();
}
