#include "InProcessPrinter.h"

#include "TestSupport.h"

#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "station/ConnectionManager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

TInProcessPrinter::TInProcessPrinter(const QString& name, const QString& logPath, quint8 model)
    : TInProcessPrinter(Config(name, model), logPath)
{}

TInProcessPrinter::TInProcessPrinter(const TSimPrinterConfig& config, const QString& logPath)
    : Printer(config), Tcp(Printer), Pty(Printer), m_logPath(logPath)
{
    Printer.Faults().SetSeed(1);
    Tcp.Listen(QHostAddress(QHostAddress::LocalHost), 0);
    Pty.Open();
    Log.Open(logPath);
    Printer.SetLog(&Log);
}

TSimPrinterConfig TInProcessPrinter::Config(const QString& name, quint8 model)
{
    TSimPrinterConfig config;
    config.Name = name;
    config.Model = model;
    config.FlashDelayMs = 1;
    return config;
}

QStringList TInProcessPrinter::Received() const
{
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList received;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.value(QStringLiteral("dir")).toString() != QLatin1String("in"))
            continue;
        const int id = object.value(QStringLiteral("id")).toInt();
        const int sub = object.value(QStringLiteral("sub")).toInt();
        const QByteArray body =
            QByteArray::fromHex(object.value(QStringLiteral("body")).toString().toLatin1());
        if (id == XLSend::ImageData.Id && sub == XLSend::ImageData.Sub)
            received << QStringLiteral("ImageData ") + QString::fromLatin1(body.constData());
        else if (id == XLSend::FlashWrite.Id && sub == XLSend::FlashWrite.Sub)
            received << QStringLiteral("FlashWrite");
        else if (id == XLSend::DisconnectRequest.Id && sub == XLSend::DisconnectRequest.Sub)
            received << QStringLiteral("DisconnectRequest");
        else
            received << QStringLiteral("%1/%2").arg(id).arg(sub);
    }
    return received;
}

QStringList TInProcessPrinter::ReceivedImagesAndFlashWrites() const
{
    return Received().filter(QRegularExpression(QStringLiteral("^(ImageData|FlashWrite)")));
}

QList<TXLMessage> TInProcessPrinter::ReceivedMessages() const
{
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TXLMessage> received;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.value(QStringLiteral("dir")).toString() != QLatin1String("in"))
            continue;
        TXLMessage message(quint8(object.value(QStringLiteral("id")).toInt()),
                           quint16(object.value(QStringLiteral("sub")).toInt()));
        message.WriteBytes(QByteArray::fromHex(object.value(QStringLiteral("body")).toString().toLatin1()));
        message.SetPosition(0);
        received.append(message);
    }
    return received;
}

QList<QByteArray> TInProcessPrinter::ReceivedBodies(TXLMessageKind kind) const
{
    QList<QByteArray> bodies;
    for (const TXLMessage& message : ReceivedMessages())
        if (message.Is(kind))
            bodies << message.Body();
    return bodies;
}

quint64 TInProcessPrinter::ConnectTo(TConnectionManager& manager, TMedium medium, int comNumber)
{
    quint64 id = 0;
    if (medium == TMedium::Serial) {
        id = manager.AddSerialPrinter(QStringLiteral("COM%1").arg(comNumber), comNumber, Pty.SlavePath())
                 ->Id();
        manager.ConnectPrinter(id);
    } else {
        id = TestSupport::StartConnectingOverTcp(manager, Tcp.Port());
    }
    if (!id)
        return 0;
    const bool ready = QTest::qWaitFor([&] {
        const TCommChannel* selected = manager.SelectedChannel();
        return selected && selected->Id() == id && !TCoder::Of(*selected).Images.isEmpty();
    });
    return ready ? id : 0;
}
