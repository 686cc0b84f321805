#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A mosquitto broker of the test's own: its configuration in a folder of its own (a listener on
// 127.0.0.1 at a free port, nothing kept on disk), with a password file and a TLS certificate made
// by openssl when asked; ended with the test.
class TMosquittoBroker
{
public:
    struct TOptions
    {
        QString Username; // set: only this user with this password gets in
        QString Password;
        bool Tls = false; // a certificate authority and a server certificate for 127.0.0.1
    };

    TMosquittoBroker() = default;
    ~TMosquittoBroker() { Stop(); }
    TMosquittoBroker(const TMosquittoBroker&) = delete;
    TMosquittoBroker& operator=(const TMosquittoBroker&) = delete;

    // True once the broker takes connections.
    bool Start();
    bool Start(const TOptions& options);
    // Ends it (SIGTERM) and waits until it has gone.
    void Stop();
    // Starts it again on the same port with the same configuration.
    bool Restart();

    quint16 Port() const { return m_port; }
    // mqtt://127.0.0.1:PORT, or mqtts:// with TLS.
    QString Url() const;
    // The certificate authority that signed the broker's certificate (TLS).
    QString CaFile() const { return m_dir.filePath(QStringLiteral("ca.crt")); }
    QString Folder() const { return m_dir.path(); }
    QString ErrorOutput() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    bool MakeCertificates();
    bool Run();

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_tls = false;
};
