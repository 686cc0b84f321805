#include "RecordingChannel.h"
#include "TestSupport.h"

#include "comm/XLPacketAssembler.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using TestSupport::ToHex;

namespace {

// Starts the program and reads its READY line; an empty match when it never came.
QRegularExpressionMatch StartAndWaitReady(QProcess& process, const QStringList& arguments)
{
    process.start(QStringLiteral(VEX_PRINTER_SIM), arguments);
    if (!process.waitForStarted(10000))
        return {};
    while (!process.canReadLine())
        if (!process.waitForReadyRead(20000))
            return {};
    static const QRegularExpression ready(QStringLiteral("^READY tcp=(\\d+) pty=(\\S+)\\n$"));
    return ready.match(QString::fromLatin1(process.readLine()));
}

} // namespace

class TestPrinterSimProgram : public QObject
{
    Q_OBJECT

private slots:
    void readyProgramAnswersOverTcpAndOpensItsPty()
    {
        QProcess process;
        const QRegularExpressionMatch ready =
            StartAndWaitReady(process, {"--tcp", "0", "--no-discovery", "--pty", "--name", "LINE9"});
        QVERIFY2(ready.hasMatch(), process.readAllStandardError().constData());
        QVERIFY(QFile::exists(ready.captured(2)));

        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, ready.captured(1).toUShort());
        QVERIFY(socket.waitForConnected(5000));
        std::vector<std::unique_ptr<TXLPacket>> packets;
        TXLPacketAssembler assembler(
            [&](std::unique_ptr<TXLPacket> packet) { packets.push_back(std::move(packet)); });
        connect(&socket, &QTcpSocket::readyRead, this, [&] { assembler.ProcessBytes(socket.readAll()); });
        socket.write(PacketsOf(TXLMessage(XLSend::RequestPrinterInfo), 1).first());

        QTRY_VERIFY(packets.size() >= 2);
        QVERIFY(packets[0]->IsAcknowledgement());
        QCOMPARE(packets[1]->MsgSub, quint16(XLReceive::Identity));
        TXLMessage identity(packets[1]->MsgId, packets[1]->MsgSub);
        packets[1]->ReadPayload(identity);
        identity.SetPosition(0);
        QCOMPARE(identity.ReadString(), QStringLiteral("LINE9"));
        socket.write(AckWire(packets[1]->MessageNo, packets[1]->PacketNo));

        process.write("quit\n");
        QVERIFY(process.waitForFinished(10000));
    }

    void programEndsCleanly_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("quit command") << "quit";
        QTest::newRow("end of standard input") << "eof";
        QTest::newRow("SIGTERM") << "sigterm";
    }
    void programEndsCleanly()
    {
        QFETCH(QString, how);
        QProcess process;
        QVERIFY(StartAndWaitReady(process, {"--tcp", "0", "--no-discovery"}).hasMatch());
        if (how == "quit")
            process.write("quit\n");
        else if (how == "eof")
            process.closeWriteChannel();
        else
            process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

    void programThatCannotServeSaysWhyAndIsNeverReady_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no medium") << QStringList{} << 2;
        QTest::newRow("model out of range") << QStringList{"--tcp", "0", "--model", "6"} << 2;
        QTest::newRow("probability out of range") << QStringList{"--tcp", "0", "--drop-in", "1.5"} << 2;
        QTest::newRow("port taken") << QStringList{"--tcp", "TAKEN", "--no-discovery"} << 1;
        QTest::newRow("baud without a pty") << QStringList{"--tcp", "0", "--baud", "9600"} << 2;
        QTest::newRow("baud out of range") << QStringList{"--pty", "--baud", "20"} << 2;
        QTest::newRow("state changes out of range")
            << QStringList{"--tcp", "0", "--state-changes", "101"} << 2;
    }
    void programThatCannotServeSaysWhyAndIsNeverReady()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::LocalHost, 0));
        arguments.replaceInStrings(QStringLiteral("TAKEN"), QString::number(taken.serverPort()));
        QProcess process;
        process.start(QStringLiteral(VEX_PRINTER_SIM), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY(!process.readAllStandardError().isEmpty());
    }

    // A paced line carries ten bits a byte each way: the station's packet to the printer, then the
    // acknowledgement and the printer's answer back, take at least the time the line needs for
    // all their bytes.
    void pacedPtyTakesTheLinesTime_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("bodyBytes");
        QTest::newRow("9600 baud, small packet") << 9600 << 100;
        QTest::newRow("115200 baud, large packet") << 115200 << 1000;
    }
    void pacedPtyTakesTheLinesTime()
    {
        QFETCH(int, baud);
        QFETCH(int, bodyBytes);
        QProcess process;
        const QRegularExpressionMatch ready =
            StartAndWaitReady(process, {"--pty", "--baud", QString::number(baud)});
        QVERIFY2(ready.hasMatch(), process.readAllStandardError().constData());
        QSerialPort port(ready.captured(2));
        QVERIFY(port.open(QIODevice::ReadWrite));
        TXLMessage image(XLSend::ImageData);
        image.WriteBytes(QByteArray("PACED", 6) + QByteArray(bodyBytes - 6, 'p'));
        const QByteArray request = PacketsOf(image, 1).first();
        const QByteArray answer =
            AckWire(1, 1) +
            PacketsOf(TXLMessage(XLReceive::StatusId, XLReceive::NextImageRequest), 1).first();

        QElapsedTimer clock;
        clock.start();
        port.write(request);
        QByteArray received;
        QVERIFY(QTest::qWaitFor([&] { return (received += port.readAll()).size() >= answer.size(); }, 5000));
        const qint64 lineNs = qint64(request.size() + answer.size()) * 10 * 1000000000 / baud;
        QVERIFY2(
            clock.nsecsElapsed() >= lineNs,
            qPrintable(QStringLiteral("%1 ns, the line needs %2 ns").arg(clock.nsecsElapsed()).arg(lineNs)));
        QCOMPARE(ToHex(received), ToHex(answer));
        port.close();
        process.write("quit\n");
        QVERIFY(process.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestPrinterSimProgram)
#include "tst_printersimprogram.moc"
