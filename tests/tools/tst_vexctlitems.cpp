// vexctl items and modify against the printer simulator, which keeps its images' items.
#include "SimulatorProcess.h"
#include "VexctlRun.h"
#include "coder/PrinterModels.h"
#include "comm/XLMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestVexctlItems : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    VexctlRun::TResult Vexctl(const TSimulatorProcess& printer, const QStringList& arguments)
    {
        return VexctlRun::Run(
            m_dir.path(),
            QStringList{"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort())} + arguments);
    }

private slots:
    void itemsListsEveryRowOfTheImage_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::newRow("Altair") << PrinterModels::Altair;
        QTest::newRow("Rigel") << PrinterModels::Rigel;
    }
    void itemsListsEveryRowOfTheImage()
    {
        QFETCH(quint8, model);
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--model", QString::number(model)}));
        // A multi-line text and an EAN-128 barcode have a row per line and per element.
        const VexctlRun::TResult items = Vexctl(printer, {"items", "DEMO"});
        QCOMPARE(items.ExitCode, 0);
        QCOMPARE(QString::fromUtf8(items.Output), QStringLiteral("1    Text       TELVOS VEX\n"
                                                                 "2    Numeric    1042\n"
                                                                 "3    EAN13      4006381333931\n"
                                                                 "4.1  Multiline  BEST BEFORE\n"
                                                                 "4.2  Multiline  KEEP DRY\n"
                                                                 "4.3  Multiline  MADE IN EU\n"
                                                                 "5.1  EAN128     09501101530003\n"
                                                                 "5.2  EAN128     LOT42\n"));
        const QJsonArray json =
            QJsonDocument::fromJson(Vexctl(printer, {"items", "DEMO", "--json"}).Output).array();
        QCOMPARE(json.size(), 8);
        QCOMPARE(json.at(4).toObject(),
                 (QJsonObject{{"number", "4.2"}, {"type", "Multiline"}, {"value", "KEEP DRY"}}));

        const VexctlRun::TResult none = Vexctl(printer, {"items", "NOPE"});
        QCOMPARE(none.ExitCode, 3);
        QVERIFY2(none.Errors.contains("IMAGE NOPE: the printer does not hold it"), qPrintable(none.Errors));
    }

    void modifyIsConfirmedByTheItemsThePrinterDescribesAfterIt_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a text") << PrinterModels::Altair << QStringList{"DEMO", "1", "NEW TEXT"} << true << 0
                                << ""
                                << "1    Text       NEW TEXT";
        QTest::newRow("a counter") << PrinterModels::Lyra << QStringList{"DEMO", "2", "77"} << true << 0 << ""
                                   << "2    Numeric    77";
        QTest::newRow("the value it has")
            << PrinterModels::Lyra << QStringList{"DEMO", "2", "1042"} << false << 0 << ""
            << "2    Numeric    1042";
        // The printer keeps a counter's value when it does not take the new one.
        QTest::newRow("a value the printer does not take")
            << PrinterModels::Lyra << QStringList{"DEMO", "2", "7x"} << true << 3
            << "IMAGE DEMO ITEM 2: the printer shows \"1042\", not \"7x\""
            << "2    Numeric    1042";
        QTest::newRow("an item the image does not have")
            << PrinterModels::Lyra << QStringList{"DEMO", "9", "X"} << false << 3
            << "IMAGE DEMO has no item 9"
            << "2    Numeric    1042";
    }
    void modifyIsConfirmedByTheItemsThePrinterDescribesAfterIt()
    {
        QFETCH(quint8, model);
        QFETCH(QStringList, arguments);
        QFETCH(bool, sent);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QFETCH(QString, shown);
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--model", QString::number(model)}));
        const VexctlRun::TResult modified = Vexctl(printer, QStringList{"modify"} + arguments);
        QCOMPARE(modified.ExitCode, exitCode);
        QVERIFY2(modified.Errors.contains(error), qPrintable(modified.Errors));
        const QList<QByteArray> modifications{arguments.join(QChar(0)).toLatin1() + '\0'};
        QCOMPARE(printer.ReceivedBodies(XLSend::ModifyItem.Id, XLSend::ModifyItem.Sub),
                 sent ? modifications : QList<QByteArray>{});
        QVERIFY(Vexctl(printer, {"items", "DEMO"}).Output.contains(shown.toUtf8()));
    }
};

QTEST_GUILESS_MAIN(TestVexctlItems)
#include "tst_vexctlitems.moc"
