// A remote command is outside input: read strictly, refused with the reason, and a transfer takes
// only a file that lies, every link followed, inside the folder the settings allow.
#include "broker/MqttClient.h"
#include "broker/RemoteCommand.h"
#include "broker/RemoteControl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
TMqttMessage Message(const QByteArray& payload, const QByteArray& clientProperty = {})
{
    TMqttMessage message;
    message.Payload = payload;
    if (!clientProperty.isEmpty())
        message.UserProperties.append({TRemoteCommand::ClientProperty, clientProperty});
    return message;
}

bool Touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("design") == 6;
}
} // namespace

class TestRemoteCommand : public QObject
{
    Q_OBJECT

private slots:
    void readsStrictly_data()
    {
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("refusal"); // empty: read

        const QByteArray big = "{\"requestId\":\"1\",\"client\":\"c\",\"image\":\"" + QByteArray(5000, 'A') + "\"}";
        QTest::newRow("start") << "LINE1/cmd/start" << QByteArray(R"({"requestId":"1","client":"mes","image":"DEMO"})")
                               << "";
        QTest::newRow("start with image B")
            << "LINE1/cmd/start" << QByteArray(R"({"requestId":"1","client":"mes","image":"A","imageB":"B"})") << "";
        QTest::newRow("answer a number") << "LINE1/cmd/answer"
                                         << QByteArray(R"({"requestId":"1","client":"mes","answer":15})") << "";
        QTest::newRow("stop") << "LINE1/cmd/stop" << QByteArray(R"({"requestId":"1","client":"mes"})") << "";
        QTest::newRow("larger than allowed") << "LINE1/cmd/start" << big << "the command is larger than 4096 bytes";
        QTest::newRow("not JSON") << "LINE1/cmd/stop" << QByteArray("stop!") << "the command is not a JSON object";
        QTest::newRow("an array") << "LINE1/cmd/stop" << QByteArray("[1]") << "the command is not a JSON object";
        QTest::newRow("no request id") << "LINE1/cmd/stop" << QByteArray(R"({"client":"mes"})")
                                       << "\"requestId\" is missing";
        QTest::newRow("request id a number")
            << "LINE1/cmd/stop" << QByteArray(R"({"requestId":7,"client":"mes"})")
            << "\"requestId\" must be a text of 1 to 128 characters without control characters";
        QTest::newRow("control characters in the id")
            << "LINE1/cmd/stop" << QByteArray("{\"requestId\":\"a\\u001b[2J\",\"client\":\"mes\"}")
            << "\"requestId\" must be a text of 1 to 128 characters without control characters";
        QTest::newRow("no client") << "LINE1/cmd/stop" << QByteArray(R"({"requestId":"1"})")
                                   << "the client's id is missing (the user property \"client-id\" or \"client\")";
        QTest::newRow("unknown verb") << "LINE1/cmd/erase" << QByteArray(R"({"requestId":"1","client":"mes"})")
                                      << "unknown command: erase";
        QTest::newRow("an argument of another verb")
            << "LINE1/cmd/stop" << QByteArray(R"({"requestId":"1","client":"mes","image":"DEMO"})")
            << "\"image\" is not an argument of stop";
        QTest::newRow("start without image") << "LINE1/cmd/start" << QByteArray(R"({"requestId":"1","client":"mes"})")
                                             << "\"image\" is missing";
        QTest::newRow("image too long")
            << "LINE1/cmd/start"
            << QByteArray("{\"requestId\":\"1\",\"client\":\"mes\",\"image\":\"" + QByteArray(256, 'A') + "\"}")
            << "\"image\" must be a text of 1 to 255 characters without control characters";
        QTest::newRow("answer an object") << "LINE1/cmd/answer"
                                          << QByteArray(R"({"requestId":"1","client":"mes","answer":{}})")
                                          << "\"answer\" must be a text, a number or a date (YYYY-MM-DD)";
        QTest::newRow("too many levels") << "LINE1/cmd/stop/result" << QByteArray(R"({"requestId":"1","client":"mes"})")
                                         << "not a command topic";
    }
    void readsStrictly()
    {
        QFETCH(QString, levels);
        QFETCH(QByteArray, payload);
        QFETCH(QString, refusal);
        const TRemoteCommand command = TRemoteCommand::Read(Message(payload), levels);
        QCOMPARE(command.Refusal, refusal);
        QCOMPARE(command.PrinterLevel, QStringLiteral("LINE1"));
    }

    // MQTT does not tell who published: the client's id is what the client claims, the user property
    // before the payload's.
    void theClientIsWhatItClaims()
    {
        const QByteArray payload = R"({"requestId":"r1","client":"from-payload"})";
        QCOMPARE(TRemoteCommand::Read(Message(payload, "from-property"), "P/cmd/stop").Client, QStringLiteral("from-property"));
        QCOMPARE(TRemoteCommand::Read(Message(payload), "P/cmd/stop").Client, QStringLiteral("from-payload"));
    }

    // An answer goes to a response topic only outside the station's own topics.
    void aResponseTopicMayNotBeTheStations_data()
    {
        QTest::addColumn<QByteArray>("responseTopic");
        QTest::addColumn<bool>("taken");
        QTest::newRow("the client's") << QByteArray("mes/replies/7") << true;
        QTest::newRow("the station's status") << QByteArray("vex/v1/LINE-3/status") << false;
        QTest::newRow("a wildcard") << QByteArray("mes/#") << false;
        QTest::newRow("too long") << QByteArray(300, 'a') << false;
    }
    void aResponseTopicMayNotBeTheStations()
    {
        QFETCH(QByteArray, responseTopic);
        QFETCH(bool, taken);
        TMqttMessage message = Message(R"({"requestId":"1","client":"mes"})");
        message.ResponseTopic = responseTopic;
        message.CorrelationData = "c-7";
        const TRemoteCommand command = TRemoteCommand::Read(message, "P/cmd/stop");
        QCOMPARE(command.ResponseTopic, taken ? responseTopic : QByteArray());
    }

    void aTransferTakesOnlyFilesInsideTheFolder_data()
    {
        QTest::addColumn<QString>("path"); // relative to the allowed folder, or absolute
        QTest::addColumn<bool>("allowed");
        QTest::newRow("a file in it") << "label.des" << true;
        QTest::newRow("in a subfolder") << "sub/label.des" << true;
        QTest::newRow("its own absolute path") << "ABS:allowed/label.des" << true;
        QTest::newRow("up and out") << "../outside.des" << false;
        QTest::newRow("up, out and back in by name") << "../allowed-not/label.des" << false;
        QTest::newRow("an absolute path outside") << "ABS:outside.des" << false;
        QTest::newRow("a link inside to a file outside") << "link-out.des" << false;
        QTest::newRow("a linked folder outside") << "linked-folder/label.des" << false;
        QTest::newRow("a link inside to a file inside") << "link-in.des" << true;
        QTest::newRow("missing") << "nothing.des" << false;
        QTest::newRow("the folder itself") << "." << false;
    }
    void aTransferTakesOnlyFilesInsideTheFolder()
    {
        QFETCH(QString, path);
        QFETCH(bool, allowed);
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath("allowed/sub") && dir.mkpath("allowed-not"));
        for (const char* file : {"allowed/label.des", "allowed/sub/label.des", "outside.des", "allowed-not/label.des"})
            QVERIFY(Touch(dir.filePath(file)));
        QVERIFY(QFile::link(dir.filePath("outside.des"), dir.filePath("allowed/link-out.des")));
        QVERIFY(QFile::link(dir.filePath("allowed-not"), dir.filePath("allowed/linked-folder")));
        QVERIFY(QFile::link(dir.filePath("allowed/sub/label.des"), dir.filePath("allowed/link-in.des")));
        if (path.startsWith("ABS:"))
            path = dir.filePath(path.mid(4));

        QString refusal;
        const QString file = TRemoteControl::AllowedFile(dir.filePath("allowed"), path, refusal);
        QCOMPARE(!file.isEmpty(), allowed);
        QCOMPARE(refusal.isEmpty(), allowed);
        if (allowed)
            QVERIFY(file.startsWith(QFileInfo(dir.filePath("allowed")).canonicalFilePath() + '/'));
    }

    void noFolderNoTransfer()
    {
        QString refusal;
        QVERIFY(TRemoteControl::AllowedFile({}, "/etc/hostname", refusal).isEmpty());
        QCOMPARE(refusal, QStringLiteral("this station takes no remote transfers (REMOTE_TRANSFER_DIRECTORY is not set)"));
    }
};

QTEST_GUILESS_MAIN(TestRemoteCommand)
#include "tst_remotecommand.moc"
