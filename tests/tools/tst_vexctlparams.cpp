// vexctl params and clock against the printer simulator: what reaches the printer, in which order.
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "VexctlRun.h"
#include "coder/PrinterModels.h"
#include "comm/XLMessage.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::Hex;

namespace {

// The parameter writes and flash writes that reached the printer, in order: "33/16 00000050", "31/4".
QStringList Written(const TSimulatorProcess& printer)
{
    QStringList written;
    for (const QJsonObject& line : printer.Log()) {
        const int id = line.value("id").toInt();
        const int sub = line.value("sub").toInt();
        if (line.value("dir") != QLatin1String("in"))
            continue;
        if (id == XLSend::WriteParameterId)
            written << QStringLiteral("33/%1 %2").arg(sub).arg(line.value("body").toString());
        else if (id == XLSend::FlashWrite.Id && sub == XLSend::FlashWrite.Sub)
            written << QStringLiteral("31/4");
    }
    return written;
}

} // namespace

class TestVexctlParams : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    VexctlRun::TResult Vexctl(const TSimulatorProcess& printer, const QStringList& arguments,
                              const QMap<QString, QString>& variables = {})
    {
        return VexctlRun::Run(
            m_dir.path(),
            QStringList{"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort())} + arguments,
            variables);
    }
    QJsonObject Json(const TSimulatorProcess& printer, const QStringList& arguments)
    {
        return QJsonDocument::fromJson(Vexctl(printer, arguments + QStringList{"--json"}).Output).object();
    }
    static bool Start(TSimulatorProcess& printer, quint8 model)
    {
        return printer.Start({"--tcp", "0", "--no-discovery", "--model", QString::number(model)});
    }

private slots:
    void showListsTheSettingsByTheLabelsOfTheModelsPage()
    {
        TSimulatorProcess altair;
        QVERIFY(Start(altair, PrinterModels::Altair));
        const VexctlRun::TResult shown = Vexctl(altair, {"params", "show"});
        QCOMPARE(shown.ExitCode, 0);
        QCOMPARE(QString::fromUtf8(shown.Output), QStringLiteral("Model:                Altair (0)\n"
                                                                 "Rotate print:         0 degrees\n"
                                                                 "Contrast:             80%\n"
                                                                 "X offset:             0 pixels\n"
                                                                 "Y offset:             0 pixels\n"
                                                                 "Print request (edge): Positive\n"
                                                                 "Print debounce:       10 ms\n"
                                                                 "Print delay:          100 ms\n"
                                                                 "Ribbon gap:           10 pixels\n"
                                                                 "Inhibit delay:        Disabled\n"
                                                                 "Inhibit off delay:    50 ms\n"));

        TSimulatorProcess deneb;
        QVERIFY(Start(deneb, PrinterModels::Deneb));
        const QJsonObject expected{
            {"model", 3},
            {"modelName", "Deneb"},
            {"settings", QJsonObject{{"Print direction A", "From Left to Right"},
                                     {"Print direction B", "From Left to Right"},
                                     {"Rotate print", "0 degrees"},
                                     {"Speed", "30.00 m/min"},
                                     {"Stretch", "1"},
                                     {"Print request (edge)", "Positive"},
                                     {"Print debounce", "10 ms"},
                                     {"Print delay A", "100 mm"},
                                     {"Print delay B", "100 mm"},
                                     {"Encoder strobe source", "Internal Pulse Generator"}}}};
        QCOMPARE(Json(deneb, {"params", "show"}), expected);
        QVERIFY(Written(altair).isEmpty() && Written(deneb).isEmpty());
    }

    void setWritesTheChangedSettingsInTheModelsOrderThenTheFlashWrite_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Altair") << PrinterModels::Altair
                                << QStringList{"inhibit delay=Enabled", "Rotate print=180 degrees",
                                               "Contrast=90%", "Ribbon gap=10"}
                                << QStringList{"33/16 0000005a", "33/18 00000001", "33/1 00000001", "31/4"}
                                << "Inhibit delay"
                                << "Enabled";
        // The encoder source resets the speed; the speed given after it counts.
        QTest::newRow("Vega") << PrinterModels::Vega
                              << QStringList{"Encoder strobe source=External Speed Encoder", "Speed=90",
                                             "Print delay=120 mm"}
                              << QStringList{"33/6 00000078", "33/10 00000000", "33/11 0000005a", "31/4"}
                              << "Speed"
                              << "90%";
    }
    void setWritesTheChangedSettingsInTheModelsOrderThenTheFlashWrite()
    {
        QFETCH(quint8, model);
        QFETCH(QStringList, assignments);
        QFETCH(QStringList, written);
        QFETCH(QString, setting);
        QFETCH(QString, shown);
        TSimulatorProcess printer;
        QVERIFY(Start(printer, model));
        const VexctlRun::TResult set = Vexctl(printer, QStringList{"params", "set"} + assignments);
        QCOMPARE(set.ExitCode, 0);
        QCOMPARE(Written(printer), written);
        // It waited for the end of the flash write, which asks for the image list again.
        QCOMPARE(printer.ReceivedBodies(XLSend::RequestImageList.Id, XLSend::RequestImageList.Sub).size(), 2);
        QCOMPARE(Json(printer, {"params", "show"}).value("settings").toObject().value(setting).toString(),
                 shown);

        // Settings the printer has already send nothing, not even the flash write.
        const VexctlRun::TResult again = Vexctl(printer, QStringList{"params", "set"} + assignments);
        QCOMPARE(again.ExitCode, 0);
        QVERIFY(again.Errors.contains("the printer has these settings already: nothing sent"));
        QCOMPARE(Written(printer), written);
    }

    void aRefusedSettingExitsWith3AndSendsNothing_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("stretch beyond its limits")
            << PrinterModels::Deneb << QStringList{"Rotate print=180 degrees", "Stretch=11"}
            << "Stretch: 11 is not between 1 and 10";
        QTest::newRow("speed by the encoder source chosen before it")
            << PrinterModels::Vega << QStringList{"Encoder strobe source=External Speed Encoder", "Speed=84"}
            << "Speed: 84% is not between 85% and 115%";
        QTest::newRow("speed of the pulse generator") << PrinterModels::Lyra << QStringList{"Speed=0.39"}
                                                      << "Speed: 0.39 m/min is not between 0.40 m/min and "
                                                         "35.00 m/min";
        QTest::newRow("a list position the ribbon printer does not have")
            << PrinterModels::Altair << QStringList{"Print request (edge)=2"}
            << "Print request (edge): '2' is none of Positive, Negative";
        QTest::newRow("a setting the model does not have")
            << PrinterModels::Altair << QStringList{"Contrast=90", "Speed=20"}
            << "Speed: the Altair (0) has no such setting; it has Rotate print, Contrast, X offset";
        QTest::newRow("a number that is none") << PrinterModels::Altair << QStringList{"Contrast=high"}
                                               << "Contrast: 'high' is not a number of the form ###%";
    }
    void aRefusedSettingExitsWith3AndSendsNothing()
    {
        QFETCH(quint8, model);
        QFETCH(QStringList, assignments);
        QFETCH(QString, refusal);
        TSimulatorProcess printer;
        QVERIFY(Start(printer, model));
        const VexctlRun::TResult set = Vexctl(printer, QStringList{"params", "set"} + assignments);
        QCOMPARE(set.ExitCode, 3);
        QVERIFY2(set.Errors.contains(refusal), qPrintable(set.Errors));
        QVERIFY(Written(printer).isEmpty());
    }

    void loadAfterSaveSendsNothingAndLoadWritesBackWhatDiffers_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("writtenBack");
        QTest::newRow("Altair") << PrinterModels::Altair << "Contrast=99"
                                << "33/16 00000050";
        QTest::newRow("Lyra") << PrinterModels::Lyra << "Print debounce=20"
                              << "33/5 0000000a";
    }
    void loadAfterSaveSendsNothingAndLoadWritesBackWhatDiffers()
    {
        QFETCH(quint8, model);
        QFETCH(QString, change);
        QFETCH(QString, writtenBack);
        TSimulatorProcess printer;
        QVERIFY(Start(printer, model));
        const QString file = QString::fromLatin1(QTest::currentDataTag()) + ".prm";
        QCOMPARE(Vexctl(printer, {"params", "save", file}).ExitCode, 0);
        QFile saved(m_dir.filePath(file));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.size(), 93);
        QCOMPARE(quint8(bytes[0]), model);

        QCOMPARE(Vexctl(printer, {"params", "load", file}).ExitCode, 0);
        QVERIFY(Written(printer).isEmpty());

        QCOMPARE(Vexctl(printer, {"params", "set", change}).ExitCode, 0);
        const qsizetype before = Written(printer).size();
        QCOMPARE(Vexctl(printer, {"params", "load", file}).ExitCode, 0);
        QCOMPARE(Written(printer).mid(before), (QStringList{writtenBack, "31/4"}));
    }

    void loadRefusesAnotherModelsFileAndAFileItCannotRead()
    {
        TSimulatorProcess altair;
        QVERIFY(Start(altair, PrinterModels::Altair));
        QCOMPARE(Vexctl(altair, {"params", "save", "altair.prm"}).ExitCode, 0);
        TSimulatorProcess rigel;
        QVERIFY(Start(rigel, PrinterModels::Rigel));
        const VexctlRun::TResult other = Vexctl(rigel, {"params", "load", "altair.prm"});
        QCOMPARE(other.ExitCode, 3);
        QCOMPARE(other.Errors, QStringLiteral("Incompatible printer type\n"));
        const VexctlRun::TResult missing = Vexctl(rigel, {"params", "load", "none.prm"});
        QCOMPARE(missing.ExitCode, 2);
        QVERIFY2(missing.Errors.contains("none.prm cannot be read"), qPrintable(missing.Errors));
        QVERIFY(Written(rigel).isEmpty());
    }

    void clockSetsOnlyWhatDiffers_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::newRow("Altair") << PrinterModels::Altair;
        QTest::newRow("Cygnus") << PrinterModels::Cygnus;
    }
    void clockSetsOnlyWhatDiffers()
    {
        QFETCH(quint8, model);
        TSimulatorProcess printer;
        QVERIFY(Start(printer, model));
        const auto received = [&printer](TXLMessageKind kind) {
            return printer.ReceivedBodies(kind.Id, kind.Sub);
        };
        // The PC's time, fixed; the printer's clock runs from 10:00:00 then, so it reads 10:00 for a minute.
        QCOMPARE(Vexctl(printer, {"clock", "--sync"}, {{"VEX_NOW", "2024-03-05T10:00:00"}}).ExitCode, 0);
        QCOMPARE(received(XLSend::SetDate), QList<QByteArray>{Hex("07 E8 03 05")});
        QCOMPARE(received(XLSend::SetTime), QList<QByteArray>{Hex("0A 00")});
        QCOMPARE(Json(printer, {"clock"}), (QJsonObject{{"date", "2024-03-05"}, {"time", "10:00"}}));

        QCOMPARE(Vexctl(printer, {"clock", "--set", "2024-03-05 11:30"}).ExitCode, 0);
        QCOMPARE(received(XLSend::SetDate).size(), 1);
        QCOMPARE(received(XLSend::SetTime), (QList<QByteArray>{Hex("0A 00"), Hex("0B 1E")}));
        const VexctlRun::TResult shown = Vexctl(printer, {"clock"});
        QCOMPARE(shown.ExitCode, 0);
        QCOMPARE(shown.Output, QByteArray("2024-03-05 11:30\n"));

        QCOMPARE(Vexctl(printer, {"clock", "--set", "2024-03-05 11:30"}).ExitCode, 0);
        QCOMPARE(received(XLSend::SetDate).size() + received(XLSend::SetTime).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestVexctlParams)
#include "tst_vexctlparams.moc"
