// The history: events recorded at a steady 1,000 a second through the station's stream, with the
// CPU it costs (all threads) against the same stream with nothing recorded; the most it takes in
// large turns; opening the History window on a file of 1,000,000 rows against an empty one; and the
// file's size per 1,000 events against the bytes of their canonical content.
#include "BenchSupport.h"
#include "app/history/HistoryForm.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "station/StationEvents.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

namespace {

constexpr int SteadyRate = 1000;     // events a second
constexpr int SteadySeconds = 3;
constexpr int LargeRows = 1000000;
constexpr int LargeTurnRows = 20000; // events a turn while the large file is made

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEventPrinter Printer(int number)
{
    return {QStringLiteral("LINE%1").arg(number % 8 + 1), QStringLiteral("Vega"),
            QStringLiteral("127.0.10.%1:3000").arg(20 + number % 8)};
}

QJsonObject Values(int number)
{
    return {{QStringLiteral("file"), QStringLiteral("/srv/labels/CRATE%1.Vega").arg(number % 50)},
            {QStringLiteral("image"), QStringLiteral("CRATE%1").arg(number % 50)},
            {QStringLiteral("outcome"), QStringLiteral("sent")},
            {QStringLiteral("size"), 20480 + number % 1000}};
}

// Emits SteadyRate events a second for SteadySeconds, one a timer tick, as printers' reports come;
// the CPU seconds the process spent meanwhile, with everything the store had to write written.
double SteadyCpuSeconds(TStationEvents& events, THistoryStore* store)
{
    const double before = CpuSeconds();
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    int emitted = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        events.Emit(TStationEventKind::ImageTransfer, Printer(emitted), Values(emitted));
        if (++emitted == SteadyRate * SteadySeconds)
            loop.quit();
    });
    tick.start(1000 / SteadyRate);
    loop.exec();
    if (store)
        store->WaitForWriter(60000);
    return CpuSeconds() - before;
}

qint64 FileBytes(const QString& path)
{
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

// Shows the History window on the file until its first rows are there; milliseconds.
double OpeningMs(const QString& path)
{
    THistoryStore store(path, TEventSource(), 0);
    THistoryForm form;
    form.SetStore(store);
    QElapsedTimer clock;
    clock.start();
    form.ShowWindow();
    const bool shown = QTest::qWaitForWindowExposed(&form) &&
                       (form.Model().rowCount() == 0 || !form.Model().index(0, 0).data().toString().isEmpty());
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return shown ? ms : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TStationEvents events([] { return nullptr; });

    // Steady: the floor is the same stream with nothing recorded.
    const double floorCpu = SteadyCpuSeconds(events, nullptr);
    const QString steadyPath = dir.filePath(QStringLiteral("steady.sqlite"));
    double steadyCpu = 0;
    {
        THistoryStore store(steadyPath, TEventSource(), 0);
        const QMetaObject::Connection recording =
            QObject::connect(&events, &TStationEvents::Emitted, &store, &THistoryStore::Append);
        steadyCpu = SteadyCpuSeconds(events, &store);
        QObject::disconnect(recording);
    }
    const qint64 steadyRows = THistoryReader(steadyPath).Count();
    const double wall = SteadySeconds;
    std::printf("steady: %lld of %d events recorded in %d s\n", steadyRows, SteadyRate * SteadySeconds, SteadySeconds);
    Bench::Report("history: CPU at 1,000 events/s (% of one core)", 100 * steadyCpu / wall, "%",
                  100 * floorCpu / wall, "the stream alone");
    std::printf("history: its own share %.2f %% of one core (goal under 5 %%)\n", 100 * (steadyCpu - floorCpu) / wall);

    // The most it takes: the large file made in turns of LargeTurnRows events.
    const QString largePath = dir.filePath(QStringLiteral("large.sqlite"));
    qint64 contentBytes = 0;
    QElapsedTimer making;
    making.start();
    {
        THistoryStore store(largePath, TEventSource(), 0);
        for (int number = 0; number < LargeRows; ++number) {
            const TStationEvent event =
                TStationEvent::Make(TStationEventKind::ImageTransfer, Printer(number), TEventSource(), Values(number));
            if (number < 1000)
                contentBytes += StationEventJson::Canonical(event.ToJson()).size() + 12; // with its "seq"
            store.Append(event);
            if ((number + 1) % LargeTurnRows == 0)
                store.Flush();
        }
        store.WaitForWriter(600000);
    }
    const double makingSeconds = double(making.nsecsElapsed()) / 1e9;
    std::printf("history: %d events recorded in large turns in %.1f s: %.0f events/s\n", LargeRows, makingSeconds,
                LargeRows / makingSeconds);
    Bench::Report("history: size on disk per 1,000 events", double(FileBytes(largePath)) / (LargeRows / 1000) / 1024,
                  "KiB", double(contentBytes) / 1024, "their canonical content");

    const QString emptyPath = dir.filePath(QStringLiteral("empty.sqlite"));
    THistoryStore(emptyPath, TEventSource(), 0).WaitForWriter(10000);
    double emptyMs = 1e9;
    double largeMs = 1e9;
    for (int run = 0; run < 3; ++run) {
        emptyMs = std::min(emptyMs, OpeningMs(emptyPath));
        largeMs = std::min(largeMs, OpeningMs(largePath));
    }
    Bench::Report("history: the History window on 1,000,000 rows (ms)", largeMs, "ms", emptyMs, "an empty history");
    QElapsedTimer verifying;
    verifying.start();
    const THistoryCheck check = THistoryReader(largePath).Verify();
    std::printf("history: verify of %lld rows %s in %.1f s\n", check.Rows, check.Holds() ? "holds" : "FAILS",
                double(verifying.nsecsElapsed()) / 1e9);
    return check.Holds() && steadyRows == SteadyRate * SteadySeconds ? 0 : 1;
}
