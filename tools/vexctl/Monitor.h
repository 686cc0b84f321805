#pragma once

#include "ConsoleStation.h"
#include "station/Reconnection.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QTextStream;

// vexctl monitor: stays connected to one printer and prints a line for each thing that happens to
// it, until it is interrupted. With reconnection the station keeps the printer connected: one that
// goes away (its link lost, switched off, silent, or ending the connection itself) is connected again
// by the station's reconnection, after a pause that doubles from the first to the longest, and only
// if it is the same printer.
class TMonitor : public QObject
{
    Q_OBJECT

public:
    struct TSettings
    {
        TPrinterTarget Printer;
        bool Json = false;
        bool Reconnect = false;
        int PollMs = 5000;     // a status request this often, so that a printer switched off is noticed
        int TimeoutMs = 10000; // how long the printer may leave a request unanswered
        TReconnectionTimes Times;
    };

    TMonitor(TConsoleViews& views, const TFontMap& fonts, const TSettings& settings, QTextStream& out);
    ~TMonitor() override;

    // Returns the exit code: 0 when interrupted, 3 when an operator answer was refused meanwhile, or
    // the failure that ended it without reconnection.
    int Run();
    // Ctrl-C: the printer is disconnected cleanly and Run returns.
    void Interrupt();

private:
    enum class TEnd
    {
        Interrupted,
        PrinterEnded, // the printer ended the connection
        LinkLost,
        Silent, // the printer leaves requests unanswered
    };

    TEnd Watch();
    std::optional<TEnd> WatchEnded() const;
    bool AwaitReconnected();
    void Poll();
    int Finish();
    void FollowReconnection();
    // A line about the reconnection: held back while a watch ends, so that the end comes first.
    void ReconnectionLine(std::function<void()> line);
    QString FailureText(const TCommChannel& channel, TReconnection::TFailure failure) const;

    void ShowChanges();
    void ShowConnected(const TCommChannel& channel);
    void Line(const QString& event, const QString& text, QJsonObject data = {});

    TConsoleViews& m_views;
    const TFontMap& m_fonts;
    const TSettings m_settings;
    QTextStream& m_out;
    std::unique_ptr<TConsoleStation> m_station;
    bool m_interrupted = false;
    bool m_watching = false;
    std::optional<TEnd> m_linkEnd;
    QList<std::function<void()>> m_heldLines;
    QElapsedTimer m_silence; // since the printer last answered, while something waits for an answer

    // What the lines have shown of the printer's state since it connected.
    struct TShown
    {
        std::optional<quint16> StatusWord;
        std::optional<qint32> PrintCount;
        std::optional<QStringList> Images;
        std::optional<quint32> FreeMemory;
    } m_shown;
};
