#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Where the station publishes and what it takes from there, read from the settings store (the same
// values for vex and vexd). The password is kept here for the client and nowhere else: no text made
// here holds it, nor the broker's address as it was written (it might).
struct TBrokerSettings
{
    Q_DECLARE_TR_FUNCTIONS(TBrokerSettings)

public:
    static constexpr quint16 DefaultPort = 1883;
    static constexpr quint16 DefaultTlsPort = 8883;
    static constexpr int DefaultRetryMs = 1000;
    static constexpr int MaxRetryMs = 30000;
    static constexpr int DefaultAnswerSeconds = 60;
    static constexpr int MaxAnswerSeconds = 3600;
    static constexpr qsizetype MaxNameLength = 200;

    QString Host; // empty: no broker
    quint16 Port = DefaultPort;
    bool Tls = false;
    QString Username;
    QString Password;
    QString CaFile;
    QString CertFile;
    QString KeyFile;
    QString StationName;
    bool RemoteControl = false;
    QString TransferDirectory;
    // The first pause before the broker is tried again; it doubles up to MaxRetryMs.
    int RetryMs = DefaultRetryMs;
    // How long vexd keeps an operator request open for a remote answer.
    int AnswerSeconds = DefaultAnswerSeconds;
    // What is wrong with the settings, in the station's words; the broker is not used while any is.
    QStringList Problems;

    static TBrokerSettings FromSettings();
    bool IsSet() const { return !Host.isEmpty(); }
    bool IsUsable() const { return IsSet() && Problems.isEmpty(); }
    // "mqtts://broker.plant:8883", made from the host and port alone.
    QString Where() const;
};
