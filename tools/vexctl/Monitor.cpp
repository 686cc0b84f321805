#include "Monitor.h"

#include "CommandSupport.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "history/HistoryStore.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTextStream>
#include <QTimer>

using namespace Commands;

namespace {

// How often a watch looks whether the printer has fallen silent or the monitor was interrupted.
constexpr int CheckMs = 100;
// How long a line waits for the history to hold what it reports.
constexpr int HistoryWaitMs = 2000;

// Local time with its offset from UTC, to the millisecond.
QString Timestamp()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QString StatusText(quint16 statusWord, quint8 model)
{
    QString text = QStringLiteral("status 0x%1").arg(statusWord, 4, 16, QLatin1Char('0'));
    if (statusWord & TCoder::PrintingBit)
        text += QStringLiteral(" printing");
    if (statusWord & TCoder::InkBit)
        text += model == PrinterModels::Altair ? QStringLiteral(" ribbon") : QStringLiteral(" ink");
    return text;
}

} // namespace

TMonitor::TMonitor(TConsoleViews& views, const TFontMap& fonts, const TSettings& settings, QTextStream& out)
    : m_views(views), m_fonts(fonts), m_settings(settings), m_out(out)
{
    m_views.ReportOnStandardError = false;
    m_silence.start();
    connect(&m_views, &TConsoleViews::Changed, this, [this] {
        m_silence.restart(); // the printer reported something
        if (m_watching)
            ShowChanges();
    });
    connect(&m_views, &TConsoleViews::MessageShown, this, [this](const QString& text) {
        Line(QStringLiteral("fault"), QStringLiteral("fault: ") + text, {{"text", text}});
    });
    connect(&m_views, &TConsoleViews::FlashWriteShown, this, [this](bool started) {
        const QString state = started ? QStringLiteral("started") : QStringLiteral("ended");
        Line(QStringLiteral("flashWrite"), QStringLiteral("flash write ") + state, {{"state", state}});
    });
    connect(&m_views, &TConsoleViews::OperatorRequestAnswered, this,
            [this](const TOperatorAnswerReport& report) {
                Line(QStringLiteral("operatorRequest"), report.Text, report.Data);
            });
}

TMonitor::~TMonitor()
{
    m_views.ReportOnStandardError = true;
}

void TMonitor::Line(const QString& event, const QString& text, QJsonObject data)
{
    // A line is printed once what it reports is in the history: a script that has read it can rely
    // on the history holding it.
    if (m_views.History)
        m_views.History->WaitForWriter(HistoryWaitMs);
    const QString time = Timestamp();
    if (m_settings.Json) {
        data.insert(QStringLiteral("time"), time);
        data.insert(QStringLiteral("event"), event);
        m_out << QJsonDocument(data).toJson(QJsonDocument::Compact) << Qt::endl;
    } else {
        m_out << time << ' ' << text << Qt::endl;
    }
}

void TMonitor::Interrupt()
{
    m_interrupted = true;
    if (m_station)
        m_station->Interrupt();
}

int TMonitor::Run()
{
    int pauseMs = m_settings.FirstPauseMs;
    for (bool first = true;; first = false) {
        QString error;
        const int connected = Connect(&error);
        if (m_interrupted)
            return Finish();
        if (connected == ExitCode::Ok) {
            pauseMs = m_settings.FirstPauseMs;
            const TEnd end = Watch();
            if (end == TEnd::Interrupted)
                return Finish();
            m_station->Abandon();
            if (!m_settings.Reconnect)
                return ExitCode::NoAnswer;
        } else {
            m_station->Abandon();
            // An address that can never work ends the monitor at once.
            if (!m_settings.Reconnect || (first && connected == ExitCode::Usage)) {
                Err() << "vexctl: " << error << Qt::endl;
                return connected;
            }
            Line(QStringLiteral("connectFailed"), QStringLiteral("cannot connect: ") + error,
                 {{"text", error}});
        }
        m_station.reset();
        Line(QStringLiteral("reconnecting"), QStringLiteral("reconnecting in %1 s").arg(pauseMs / 1000.0),
             {{"inSeconds", pauseMs / 1000.0}});
        if (!Pause(pauseMs))
            return Finish();
        pauseMs = qMin(pauseMs * 2, m_settings.LongestPauseMs);
    }
}

int TMonitor::Connect(QString* error)
{
    m_station = std::make_unique<TConsoleStation>(m_views, m_fonts, m_settings.TimeoutMs);
    if (m_interrupted)
        m_station->Interrupt();
    const int connected = m_station->Connect(m_settings.Printer, error);
    if (connected == ExitCode::Ok && !m_interrupted)
        ShowConnected(*m_station->Printer());
    return connected;
}

void TMonitor::ShowConnected(const TCommChannel& channel)
{
    const TCoder& coder = TCoder::Of(channel);
    QJsonObject data = Identity(coder);
    data.insert(QStringLiteral("printer"), channel.Name());
    const QString model = PrinterModels::Name(coder.Model);
    Line(QStringLiteral("connected"),
         QStringLiteral("connected to %1 at %2%3")
             .arg(coder.PrinterName, channel.Name(),
                  model.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(model)),
         data);
}

// Ends with a clean disconnect.
int TMonitor::Finish()
{
    m_watching = false;
    if (m_station) {
        m_station->Disconnect();
        m_station.reset();
    }
    Line(QStringLiteral("stopped"), QStringLiteral("stopped, disconnected"));
    return m_views.RefusedAnswers > 0 ? ExitCode::Refused : ExitCode::Ok;
}

bool TMonitor::Pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QTimer check; // the interruption is only a flag
    connect(&check, &QTimer::timeout, &loop, [this, &loop] {
        if (m_interrupted)
            loop.quit();
    });
    check.start(CheckMs);
    if (!m_interrupted)
        loop.exec();
    return !m_interrupted;
}

TMonitor::TEnd TMonitor::Watch()
{
    m_linkEnd.reset();
    m_shown = {};
    const QPointer<TCommChannel> channel = m_station->Printer();
    // The printer's own end of the connection is reported after its link closes.
    connect(channel, &TCommChannel::LinkLost, this, [this] {
        if (!m_linkEnd)
            m_linkEnd = TEnd::LinkLost;
    });
    connect(channel, &TCommChannel::PrinterEndedConnection, this, [this] { m_linkEnd = TEnd::PrinterEnded; });
    connect(channel, &TCommChannel::PacketAcknowledged, this, [this] { m_silence.restart(); });
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, &TMonitor::Poll);
    poll.start(m_settings.PollMs);
    m_silence.restart();
    m_watching = true;
    ShowChanges();
    // Reports end the watch at once; the silence and the interruption are looked at now and then.
    QEventLoop loop;
    const auto check = [this, &loop] {
        if (WatchEnded())
            loop.quit();
    };
    connect(&m_views, &TConsoleViews::Changed, &loop, check);
    QTimer look;
    connect(&look, &QTimer::timeout, &loop, check);
    look.start(CheckMs);
    while (!WatchEnded())
        loop.exec();
    m_watching = false;
    if (channel)
        disconnect(channel, nullptr, this, nullptr);
    const TEnd end = *WatchEnded();
    static const char* const reasons[] = {"stopped", "ended", "lost", "silent"};
    static const char* const texts[] = {"", "the printer ended the connection",
                                        "the link to the printer was lost", "the printer does not answer"};
    if (end != TEnd::Interrupted)
        Line(QStringLiteral("disconnected"),
             QStringLiteral("disconnected: ") + QLatin1String(texts[int(end)]),
             {{"reason", reasons[int(end)]}, {"text", texts[int(end)]}});
    return end;
}

std::optional<TMonitor::TEnd> TMonitor::WatchEnded() const
{
    if (m_interrupted)
        return TEnd::Interrupted;
    if (m_linkEnd)
        return m_linkEnd;
    const TCommChannel* printer = m_station->Printer();
    if (!printer)
        return TEnd::PrinterEnded; // the manager has dropped it
    if (!printer->IsConnected())
        return TEnd::LinkLost;
    if (printer->QueuedMessages() > 0 && m_silence.elapsed() > m_settings.TimeoutMs)
        return TEnd::Silent;
    return std::nullopt;
}

// One status request at a time: a printer that does not answer gets no pile of them.
void TMonitor::Poll()
{
    TCommChannel* printer = m_station->Printer();
    if (!printer || printer->QueuedMessages() > 0)
        return;
    m_silence.restart();
    m_station->Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestStatus));
}

void TMonitor::ShowChanges()
{
    const TCommChannel* printer = m_station ? m_station->Printer() : nullptr;
    if (!printer)
        return;
    const TCoder& coder = TCoder::Of(*printer);
    if (m_shown.StatusWord != coder.StatusWord) {
        m_shown.StatusWord = coder.StatusWord;
        Line(QStringLiteral("status"), StatusText(coder.StatusWord, coder.Model),
             {{"statusWord", coder.StatusWord},
              {"printing", (coder.StatusWord & TCoder::PrintingBit) != 0},
              {"ink", (coder.StatusWord & TCoder::InkBit) != 0}});
    }
    if (m_shown.PrintCount != coder.PrintCount) {
        m_shown.PrintCount = coder.PrintCount;
        Line(QStringLiteral("printCount"), QStringLiteral("print count %1").arg(coder.PrintCount),
             {{"printCount", coder.PrintCount}});
    }
    const QStringList images{coder.CurrentImageA, coder.CurrentImageB};
    if (m_shown.Images != images) {
        m_shown.Images = images;
        const QString shown =
            coder.CurrentImageB.isEmpty() ? coder.CurrentImageA : images.join(QLatin1String(", "));
        Line(QStringLiteral("images"), QStringLiteral("current image ") + shown,
             {{"imageA", coder.CurrentImageA}, {"imageB", coder.CurrentImageB}});
    }
    if (m_shown.FreeMemory != coder.FreeMemory) {
        m_shown.FreeMemory = coder.FreeMemory;
        Line(QStringLiteral("freeMemory"), QStringLiteral("free memory %1 bytes").arg(coder.FreeMemory),
             {{"freeMemory", qint64(coder.FreeMemory)}});
    }
}
