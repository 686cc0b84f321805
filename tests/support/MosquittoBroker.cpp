#include "MosquittoBroker.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {
constexpr int ReadyMs = 10000;

quint16 FreeTcpPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool RunTool(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    const bool done = tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    if (!done)
        qWarning().noquote() << program << "failed:" << tool.errorString() << tool.readAll();
    return done;
}
} // namespace

QString TMosquittoBroker::Url() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_tls ? QLatin1String("mqtts") : QLatin1String("mqtt")).arg(m_port);
}

bool TMosquittoBroker::MakeCertificates()
{
    const QString folder = m_dir.path();
    QFile extensions(m_dir.filePath(QStringLiteral("server.ext")));
    if (!extensions.open(QIODevice::WriteOnly) || extensions.write("subjectAltName=IP:127.0.0.1\n") < 0)
        return false;
    extensions.close();
    const QStringList ecKey{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
    return RunTool("openssl", QStringList{"req", "-x509"} + ecKey + QStringList{"-keyout", "ca.key", "-out", "ca.crt",
                                                                                 "-days", "2", "-subj", "/CN=Vex test CA"},
                   folder) &&
           RunTool("openssl", QStringList{"req"} + ecKey + QStringList{"-keyout", "server.key", "-out", "server.csr",
                                                                        "-subj", "/CN=127.0.0.1"},
                   folder) &&
           RunTool("openssl", {"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                               "-CAcreateserial", "-out", "server.crt", "-days", "2", "-extfile", "server.ext"},
                   folder);
}

bool TMosquittoBroker::Start()
{
    return Start(TOptions());
}

bool TMosquittoBroker::Start(const TOptions& options)
{
    if (!m_dir.isValid())
        return false;
    m_port = FreeTcpPort();
    m_tls = options.Tls;
    // Run as root (a container), mosquitto would become the user "mosquitto", who cannot read the
    // test's folder: it stays the user the test runs as.
    const passwd* user = getpwuid(geteuid());
    QByteArray config = "listener " + QByteArray::number(m_port) + " 127.0.0.1\npersistence false\n";
    if (user)
        config += QByteArray("user ") + user->pw_name + '\n';
    if (options.Username.isEmpty()) {
        config += "allow_anonymous true\n";
    } else {
        const QString passwords = m_dir.filePath(QStringLiteral("passwords"));
        if (!RunTool("mosquitto_passwd", {"-c", "-b", passwords, options.Username, options.Password}, m_dir.path()))
            return false;
        config += "allow_anonymous false\npassword_file " + passwords.toLocal8Bit() + '\n';
    }
    if (m_tls) {
        if (!MakeCertificates())
            return false;
        config += "cafile " + CaFile().toLocal8Bit() + "\ncertfile " + m_dir.filePath("server.crt").toLocal8Bit() +
                  "\nkeyfile " + m_dir.filePath("server.key").toLocal8Bit() + '\n';
    }
    QFile file(m_dir.filePath(QStringLiteral("mosquitto.conf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(config) != config.size())
        return false;
    file.close();
    return Run();
}

bool TMosquittoBroker::Run()
{
    m_process.start(QStringLiteral("mosquitto"), {"-c", m_dir.filePath(QStringLiteral("mosquitto.conf"))});
    if (!m_process.waitForStarted(ReadyMs))
        return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ReadyMs && m_process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(20);
    }
    qWarning().noquote() << "mosquitto did not start:" << m_process.readAllStandardError() << m_process.readAllStandardOutput();
    return false;
}

void TMosquittoBroker::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool TMosquittoBroker::Restart()
{
    Stop();
    return Run();
}
