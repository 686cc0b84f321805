#pragma once

#include "broker/RemoteCommand.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>

#include <functional>

class TCoder;
class TPrinterTopics;
class TRemoteOperatorView;
class TStation;

// What became of a remote command.
struct TRemoteResult
{
    bool Accepted = false;
    QString Reason; // why it was refused
    QString PrinterName; // the printer's real name, when the station knows it
};

// Carries out the remote commands a client gives the station's printers, through the same station
// calls as the windows and after the same checks: the station allows remote control, the printer is
// connected, no transfer batch runs, and no operator request of the printer is open (which only an
// answer may meet). A transfer takes only a design file that lies, with every link followed, inside
// the folder the settings allow. Each command the station could read, taken or refused, is recorded
// in the history as the remote client's, with the client's id as it claims it.
class TRemoteControl
{
public:
    // Whether remote control is allowed now; empty when it is, otherwise why not.
    using Permission = std::function<QString()>;

    static constexpr int CommandsPerSecond = 20;

    TRemoteControl(TStation& station, TPrinterTopics& topics, TRemoteOperatorView* operatorView,
                   QString transferDirectory, Permission permission);

    TRemoteResult Execute(const TRemoteCommand& command);

    // The transfer folder's canonical path joined with the path, when the file lies inside it; empty
    // otherwise (with the reason).
    static QString AllowedFile(const QString& directory, const QString& path, QString& refusal);

private:
    const TCoder* FindPrinter(const QString& level) const;
    QString Check(const TRemoteCommand& command, const TCoder* printer, QString& file) const;
    void Carry(const TRemoteCommand& command, const TCoder& printer, const QString& file, TRemoteResult& result);
    void Record(const TRemoteCommand& command, const TCoder* printer, const TRemoteResult& result);
    bool WithinRate();

    TStation& m_station;
    TPrinterTopics& m_topics;
    TRemoteOperatorView* m_operatorView;
    QString m_transferDirectory;
    Permission m_permission;
    QElapsedTimer m_rateWindow;
    int m_inWindow = 0;
};
