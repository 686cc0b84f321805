#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class TCommChannel;
class TConnectionManager;
enum class TDisconnectCause;

// How long the station waits before each attempt to connect a lost printer again, and for each
// attempt. The pause doubles from the first to the longest; each is made a little shorter or longer
// at random, so that the printers of a line that lost power together do not all try in the same
// millisecond.
struct TReconnectionTimes
{
    static constexpr int DefaultMaxPauseMs = 30000;

    int FirstPauseMs = 1000;
    int MaxPauseMs = DefaultMaxPauseMs;
    // How long an attempt waits for the printer to acknowledge the connection.
    int AttemptMs = 5000;
    // Each pause is up to this many percent shorter or longer (never longer than MaxPauseMs).
    int JitterPercent = 10;

    // The pause before attempt n (1 for the first), without the jitter.
    int PauseBefore(int attempt) const;
    // The same with the jitter: random is a number from 0 to 1.
    int JitteredPause(int attempt, double random) const;
    // RECONNECT_MAX_PAUSE_MS from the settings store, never below the first pause.
    static TReconnectionTimes FromSettings();
};

// The station's one way of keeping printers connected, for the window program, vexctl monitor and
// programs without windows alike. A printer that is kept and lost without the operator asking (its
// link broke, it ended the connection, it fell silent) stays in the station as reconnecting: after a
// pause the station tries again at the same address and port, or the same COM port, with a pause
// that doubles after every attempt that fails. When the printer answers, the station takes it only
// if it is the same printer (name and model from its connect acknowledgement): the same printer is
// connected again with the requests of every new connection, and selected again if it was selected
// (unless the operator has chosen another printer since, or works with the one selected now). A
// different printer at that address never takes its place. Nothing the lost link had in flight is
// sent again. The operator's "Disconnect", "Disconnect all" and closing the station end the keeping.
//
// Owned by the connection manager, which asks it which printers it keeps; printers are named by
// their channel's id.
class TReconnection : public QObject
{
    Q_OBJECT

public:
    // Why an attempt came to nothing.
    enum class TFailure
    {
        NoConnection, // the address refused the connection or the COM port could not be opened
        NoAnswer,     // the link opened, but the printer did not acknowledge the connection in time
        OtherPrinter, // another printer answered
    };

    // Whether an attempt starts at once or after the first pause.
    enum class TStart
    {
        Now,
        AfterPause,
    };

    // Where a printer being reconnected stands.
    struct TProgress
    {
        QDateTime Since;      // when it was lost (the station's clock)
        int Attempts = 0;     // made so far
        int PauseMs = 0;      // the pause in force
        QString OtherPrinter; // the printer (model and name) that answered at its address instead
    };

    explicit TReconnection(TConnectionManager& manager);
    ~TReconnection() override;

    // AUTO_RECONNECT from the settings store: 0 keeps no printer, anything else (or nothing) every
    // printer the operator connects.
    static bool AutomaticFromSettings();

    void SetTimes(const TReconnectionTimes& times) { m_times = times; }
    const TReconnectionTimes& Times() const { return m_times; }
    // Keeps every printer that connects, until the operator disconnects it (the window program).
    void SetKeepsConnectedPrinters(bool keeps) { m_keepsConnected = keeps; }
    bool KeepsConnectedPrinters() const { return m_keepsConnected; }
    // The source of the jitter, a number from 0 to 1; tests fix it.
    void SetRandom(std::function<double()> random) { m_random = std::move(random); }

    // "Keep this printer connected": a listed printer is connected (now, or after the first pause)
    // if it is not, and again whenever it is lost without the operator asking.
    void Keep(quint64 id, TStart start = TStart::Now);
    // The same for a printer named by its place, kept even while nothing answers there: its channel
    // (made when the station has none there yet).
    TCommChannel* KeepNetworkPrinter(const QString& host, quint16 port, TStart start = TStart::Now);
    TCommChannel* KeepSerialPrinter(const QString& name, int portNumber, const QString& device = {},
                                    TStart start = TStart::Now);
    // "Stop": the printer is no longer kept; an attempt under way is given up and its link closed.
    // A printer that was reconnecting is then disconnected, by the cause given.
    void Stop(quint64 id, TDisconnectCause cause);
    void StopAll(TDisconnectCause cause);
    // The operator asks for a printer being reconnected: it is tried at once, and selected when it
    // answers.
    void TryNow(quint64 id);

    bool Keeps(const TCommChannel& channel) const;
    bool IsReconnecting(quint64 id) const;
    std::optional<TProgress> Progress(quint64 id) const;

    // For the station, before a connect acknowledgement is taken: false for another printer than the
    // one being reconnected at that channel.
    bool TakesConnection(const TCommChannel& channel, quint8 model, const QString& printerName);
    // For the connection manager, when a printer's connection is acknowledged: nothing for a printer
    // that was not being reconnected, else whether it becomes the selected printer again.
    std::optional<bool> Returns(const TCommChannel& channel) const;
    // For the connection manager, once the acknowledged printer is among the connected ones.
    void Connected(TCommChannel& channel);

signals:
    // A kept printer is lost, or an attempt failed: the next attempt (counted from 1) follows after
    // the pause.
    void Reconnecting(TCommChannel& channel, int pauseMs, int attempt);
    void AttemptFailed(TCommChannel& channel, TReconnection::TFailure failure);
    // Another printer answered at the printer's address; it was not taken.
    void OtherPrinterAnswered(TCommChannel& channel, const QString& printerName, quint8 model);
    // The printer is connected again, after that many attempts; the last pause before it.
    void Reconnected(TCommChannel& channel, int attempts, int pauseMs);
    // A printer being reconnected is no longer kept ("Disconnect", "Disconnect all", the station
    // closing).
    void Abandoned(TCommChannel& channel, TDisconnectCause cause);
    // The printer started or ended reconnecting, or made another attempt.
    void StateChanged(quint64 id);

private:
    struct TKept;

    TKept& Register(TCommChannel& channel);
    TKept* Find(quint64 id) const;
    void Forget(quint64 id);
    void OnDisconnecting(TCommChannel& channel, TDisconnectCause cause);
    void OnSelectionChanged();
    void StartReconnecting(TKept& kept, TStart start);
    void Pause(TKept& kept);
    void Attempt(quint64 id);
    void Fail(quint64 id, TFailure failure);
    void OnTimer(quint64 id);
    bool AddressTakenByAnother(const TCommChannel& channel) const;
    void ShowOtherPrinter(TCommChannel& channel, const QString& printerName, quint8 model);

    TConnectionManager& m_manager;
    TReconnectionTimes m_times;
    bool m_keepsConnected = false;
    std::function<double()> m_random;
    std::map<quint64, std::unique_ptr<TKept>> m_kept;
    quint64 m_selected = 0; // the selected printer's channel id, 0 for none
};
