#include "Monitor.h"

#include "CommandSupport.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/SerialChannel.h"
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

// The first connection is the command's own, with its errors; with reconnection the station keeps
// the printer from then on, also when that first connection failed.
int TMonitor::Run()
{
    m_station = std::make_unique<TConsoleStation>(m_views, m_fonts, m_settings.TimeoutMs);
    if (m_interrupted)
        m_station->Interrupt();
    FollowReconnection();
    QString error;
    const int connected = m_station->Connect(m_settings.Printer, &error);
    if (m_interrupted)
        return Finish();
    if (connected != ExitCode::Ok) {
        // An address that can never work ends the monitor at once.
        if (!m_settings.Reconnect || connected == ExitCode::Usage) {
            m_station->Abandon();
            Err() << "vexctl: " << error << Qt::endl;
            return connected;
        }
        Line(QStringLiteral("connectFailed"), QStringLiteral("cannot connect: ") + error, {{"text", error}});
    } else {
        ShowConnected(*m_station->Printer());
    }
    if (m_settings.Reconnect)
        m_station->KeepConnected(m_settings.Printer, connected == ExitCode::Ok ? TReconnection::TStart::Now
                                                                                : TReconnection::TStart::AfterPause);
    for (bool watch = connected == ExitCode::Ok;; watch = true) {
        if (watch) {
            const TEnd end = Watch();
            if (end == TEnd::Interrupted)
                return Finish();
            if (!m_settings.Reconnect) {
                m_station->Abandon();
                return ExitCode::NoAnswer;
            }
            if (TCommChannel* printer = m_station->Printer(); printer && end == TEnd::Silent)
                m_station->Manager().PrinterSilent(*printer);
        }
        if (!AwaitReconnected())
            return Finish();
        ShowConnected(*m_station->Printer());
    }
}

void TMonitor::FollowReconnection()
{
    TReconnection& reconnection = m_station->Station().Reconnection();
    // An attempt waits for the printer as long as any request does.
    TReconnectionTimes times = m_settings.Times;
    times.AttemptMs = m_settings.TimeoutMs;
    reconnection.SetTimes(times);
    connect(&reconnection, &TReconnection::Reconnecting, this, [this](TCommChannel&, int pauseMs, int) {
        ReconnectionLine([this, pauseMs] {
            Line(QStringLiteral("reconnecting"),
                 QStringLiteral("reconnecting in %1 s").arg(QString::number(pauseMs / 1000.0, 'f', 1)),
                 {{"inSeconds", pauseMs / 1000.0}});
        });
    });
    connect(&reconnection, &TReconnection::AttemptFailed, this,
            [this](TCommChannel& channel, TReconnection::TFailure failure) {
                const QString error = FailureText(channel, failure);
                ReconnectionLine([this, error] {
                    Line(QStringLiteral("connectFailed"), QStringLiteral("cannot connect: ") + error,
                         {{"text", error}});
                });
            });
    // The way a printer went ends the watch; a printer the monitor found silent is dropped by it.
    connect(&m_station->Manager(), &TConnectionManager::Disconnecting, this,
            [this](TCommChannel&, TDisconnectCause cause) {
                if (cause == TDisconnectCause::EndedConnection)
                    m_linkEnd = TEnd::PrinterEnded;
                else if (!m_linkEnd)
                    m_linkEnd = cause == TDisconnectCause::Dropped ? TEnd::Silent : TEnd::LinkLost;
            });
}

void TMonitor::ReconnectionLine(std::function<void()> line)
{
    if (m_watching)
        m_heldLines.append(std::move(line));
    else
        line();
}

QString TMonitor::FailureText(const TCommChannel& channel, TReconnection::TFailure failure) const
{
    switch (failure) {
    case TReconnection::TFailure::NoConnection:
        if (const auto* serial = qobject_cast<const TSerialChannel*>(&channel))
            return QStringLiteral("cannot open %1").arg(serial->Device());
        return QStringLiteral("no printer answers at %1").arg(channel.Name());
    case TReconnection::TFailure::OtherPrinter:
        if (const auto progress = m_station->Station().Reconnection().Progress(channel.Id()))
            return QStringLiteral("another printer answers at %1: %2").arg(channel.Name(), progress->OtherPrinter);
        break;
    case TReconnection::TFailure::NoAnswer:
        break;
    }
    return QStringLiteral("the printer at %1 does not answer").arg(channel.Name());
}

// Until the station has the printer connected again and has its images, as a first connection.
bool TMonitor::AwaitReconnected()
{
    m_views.ImageListReceived = false;
    const auto reconnected = [this] {
        const TCommChannel* printer = m_station->Printer();
        return printer && m_station->Manager().SelectedChannel() == printer && m_views.ImageListReceived;
    };
    QEventLoop loop;
    const auto check = [this, &loop, &reconnected] {
        if (m_interrupted || reconnected())
            loop.quit();
    };
    connect(&m_views, &TConsoleViews::Changed, &loop, check);
    QTimer look; // the interruption is only a flag
    connect(&look, &QTimer::timeout, &loop, check);
    look.start(CheckMs);
    while (!m_interrupted && !reconnected())
        loop.exec();
    return !m_interrupted;
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

TMonitor::TEnd TMonitor::Watch()
{
    m_linkEnd.reset();
    m_shown = {};
    const QPointer<TCommChannel> channel = m_station->Printer();
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
    for (const std::function<void()>& line : std::exchange(m_heldLines, {}))
        line();
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
