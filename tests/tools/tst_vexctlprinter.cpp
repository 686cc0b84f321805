#include "DesignFileWriter.h"
#include "LabelRecords.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "VexctlRun.h"
#include "comm/XLMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::Hex;

namespace {

// The medium vexctl reaches the simulator by.
enum class TMedium
{
    Tcp,
    Pty,
};

QStringList SimulatorArguments(TMedium medium)
{
    return medium == TMedium::Tcp ? QStringList{"--tcp", "0", "--no-discovery"} : QStringList{"--pty"};
}

QStringList PrinterOf(const TSimulatorProcess& printer, TMedium medium)
{
    if (medium == TMedium::Tcp)
        return {"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort())};
    return {"--serial", printer.PtyDevice()};
}

QList<QByteArray> Received(const TSimulatorProcess& printer, TXLMessageKind kind)
{
    return printer.ReceivedBodies(kind.Id, kind.Sub);
}

// The image messages, deletions and flash writes that reached the printer, in order.
QStringList ImageMessagesReceived(const TSimulatorProcess& printer)
{
    QStringList names;
    for (const QJsonObject& line : printer.Log()) {
        if (line.value("dir") != QLatin1String("in") || line.value("id").toInt() != XLSend::ImageData.Id)
            continue;
        const int sub = line.value("sub").toInt();
        names << (sub == XLSend::ImageData.Sub    ? QStringLiteral("ImageData")
                  : sub == XLSend::FlashWrite.Sub ? QStringLiteral("FlashWrite")
                  : sub == XLSend::DeleteImage.Sub
                      ? QStringLiteral("DeleteImage ") +
                            QString::fromLatin1(
                                QByteArray::fromHex(line.value("body").toString().toLatin1()).constData())
                      : QString::number(sub));
    }
    return names;
}

} // namespace

Q_DECLARE_METATYPE(TMedium)

class TestVexctlPrinter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    VexctlRun::TResult Vexctl(const QStringList& arguments)
    {
        return VexctlRun::Run(m_dir.path(), arguments);
    }
    // The body encode writes for a design file.
    QByteArray Encoded(const QString& file) { return Vexctl({"encode", file}).Output; }
    QJsonObject JsonStatus(const QStringList& printer)
    {
        const VexctlRun::TResult status = Vexctl(printer + QStringList{"status", "--json"});
        return status.ExitCode == 0 ? QJsonDocument::fromJson(status.Output).object() : QJsonObject();
    }

private slots:
    void initTestCase()
    {
        const auto write = [this](const char* name, const QByteArray& bytes) {
            return TDesignFileWriter().Raw(bytes).WriteTo(m_dir.filePath(QLatin1String(name)));
        };
        QVERIFY(write("One.Vega", VexctlRun::TextImage("ONE", "HELLO")));
        QVERIFY(write("Two.Vega", VexctlRun::TextImage("TWO", "X", "zorbe V9.9X000")));
        QVERIFY(write("Three.Vega", VexctlRun::TextImage("THREE", "WORLD")));
        // Eight packets: a transfer that takes a while when each acknowledgement is late.
        QVERIFY(write("Big.Vega", VexctlRun::TextImage("BIG", QByteArray(8000, 'W'))));
    }

    void usageErrorsExitWith2BeforeAnyPrinterIsReached_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no printer") << QStringList{"status"}
                                    << "give the printer with either --printer or --serial";
        QTest::newRow("two printers") << QStringList{"--printer", "127.0.0.1", "--serial", "COM1", "status"}
                                      << "give the printer with either --printer or --serial";
        QTest::newRow("unknown command")
            << QStringList{"--printer", "127.0.0.1", "flush"} << "unknown command 'flush'";
        QTest::newRow("unknown command without a printer") << QStringList{"bogus"} << "unknown command 'bogus'";
        QTest::newRow("address that is none") << QStringList{"--printer", "999.1.1.1", "status"}
                                              << "not a printer address: 999.1.1.1 (HOST or HOST:PORT)";
        QTest::newRow("send without files")
            << QStringList{"--printer", "127.0.0.1", "send"} << "send needs at least one name";
        QTest::newRow("port that is no number") << QStringList{"--printer", "127.0.0.1:x", "status"}
                                                << "not a printer address: 127.0.0.1:x (HOST or HOST:PORT)";
        QTest::newRow("serial device that does not exist")
            << QStringList{"--serial", m_dir.filePath("no-such-tty"), "status"}
            << QStringLiteral("cannot open ") + m_dir.filePath("no-such-tty");
    }
    void usageErrorsExitWith2BeforeAnyPrinterIsReached()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const VexctlRun::TResult result = Vexctl(arguments);
        QCOMPARE(result.ExitCode, 2);
        QVERIFY2(result.Errors.contains(QStringLiteral("vexctl: ") + message), qPrintable(result.Errors));
    }

    void aBatchSendsTheAcceptedFilesAsEncodeWritesThem_data()
    {
        QTest::addColumn<TMedium>("medium");
        QTest::addColumn<QStringList>("faults");
        // With this seed an acknowledgement of an image's last packet is lost, so the printer's
        // request for the next image overtakes the acknowledgement of the resent packet.
        const QStringList lossy{"--drop-in", "0.1", "--no-ack", "0.1", "--seed", "4"};
        QTest::newRow("tcp") << TMedium::Tcp << QStringList{};
        QTest::newRow("pty") << TMedium::Pty << QStringList{};
        QTest::newRow("tcp, 10 % loss both ways") << TMedium::Tcp << lossy;
        QTest::newRow("pty, 10 % loss both ways") << TMedium::Pty << lossy;
    }
    void aBatchSendsTheAcceptedFilesAsEncodeWritesThem()
    {
        QFETCH(TMedium, medium);
        QFETCH(QStringList, faults);
        TSimulatorProcess printer;
        QVERIFY(printer.Start(SimulatorArguments(medium) + faults));

        const VexctlRun::TResult sent =
            Vexctl(PrinterOf(printer, medium) + QStringList{"send", "One.Vega", "Two.Vega", "Three.Vega"});
        QVERIFY2(sent.Errors.contains("two.vega: INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED"),
                 qPrintable(sent.Errors));
        QCOMPARE(sent.ExitCode, 3); // a file was passed over
        const QList<QByteArray> expected{Encoded("One.Vega"), Encoded("Three.Vega")};
        QCOMPARE(Received(printer, XLSend::ImageData), expected);
        QCOMPARE(ImageMessagesReceived(printer), (QStringList{"ImageData", "ImageData", "FlashWrite"}));
    }

    void statusReportsThePrinterAndWhatASendChanged()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start(
            {"--tcp", "0", "--no-discovery", "--model", "3", "--name", "LINE7", "--version", "2.05"}));
        const QStringList at = PrinterOf(printer, TMedium::Tcp);
        const QJsonObject before = JsonStatus(at);
        QCOMPARE(before.value("name").toString(), QStringLiteral("LINE7"));
        QCOMPARE(before.value("model").toInt(), 3);
        QCOMPARE(before.value("modelName").toString(), QStringLiteral("Deneb"));
        QCOMPARE(before.value("version").toString(), QStringLiteral("2.05"));
        QCOMPARE(before.value("imageA").toString(), QStringLiteral("DEMO"));
        QCOMPARE(before.value("printing").toBool(), false);
        QCOMPARE(before.value("statusWord").toInt(), 1);
        QCOMPARE(before.value("images").toArray(), (QJsonArray{"Telvos", "DEMO"}));

        QCOMPARE(Vexctl(at + QStringList{"send", "One.Vega"}).ExitCode, 0);
        const VexctlRun::TResult status = Vexctl(at + QStringList{"status"});
        QCOMPARE(status.ExitCode, 0);
        const qint64 freeAfter = before.value("freeMemory").toInteger() - Encoded("One.Vega").size();
        QCOMPARE(QString::fromUtf8(status.Output), QStringLiteral("Name:          LINE7\n"
                                                                  "Model:         Deneb (3)\n"
                                                                  "Version:       2.05\n"
                                                                  "Current image: DEMO\n"
                                                                  "Printing:      no\n"
                                                                  "Print count:   0\n"
                                                                  "Status word:   0x0001\n"
                                                                  "Free memory:   %1 bytes\n"
                                                                  "Stored images: Telvos, DEMO, ONE\n")
                                                       .arg(freeAfter));
    }

    void printAndStopRoundTrip()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--model", "3"}));
        const QStringList at = PrinterOf(printer, TMedium::Tcp);
        QCOMPARE(Vexctl(at + QStringList{"print", "Telvos", "DEMO"}).ExitCode, 0);
        QCOMPARE(Received(printer, XLSend::StartPrint), QList<QByteArray>{QByteArray("Telvos\0DEMO\0", 12)});
        const QJsonObject printing = JsonStatus(at);
        QCOMPARE(printing.value("printing").toBool(), true); // also to a station that connects later
        QCOMPARE(printing.value("imageA").toString(), QStringLiteral("Telvos"));
        QCOMPARE(printing.value("imageB").toString(), QStringLiteral("DEMO"));

        QCOMPARE(Vexctl(at + QStringList{"stop"}).ExitCode, 0);
        QCOMPARE(Received(printer, XLSend::StopPrint).size(), 1);
        QCOMPARE(JsonStatus(at).value("printing").toBool(), false);
    }

    void deleteSendsOneDeletionPerReportThenTheFlashWrite()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery"}));
        const QStringList at = PrinterOf(printer, TMedium::Tcp);
        QCOMPARE(Vexctl(at + QStringList{"send", "One.Vega", "Three.Vega"}).ExitCode, 0);

        const VexctlRun::TResult deleted =
            Vexctl(at + QStringList{"delete", "THREE", "Telvos", "NOPE", "ONE"});
        QCOMPARE(deleted.ExitCode, 3); // names passed over
        QVERIFY(deleted.Errors.contains("IMAGE Telvos not deleted: it is the printer's protected image"));
        QVERIFY(deleted.Errors.contains("IMAGE NOPE not deleted: the printer does not hold it"));
        QCOMPARE(ImageMessagesReceived(printer).mid(3),
                 (QStringList{"DeleteImage ONE", "DeleteImage THREE", "FlashWrite"}));

        const VexctlRun::TResult images = Vexctl(at + QStringList{"images"});
        QCOMPARE(images.ExitCode, 0);
        QCOMPARE(images.Output, QByteArray("Telvos\nDEMO\n"));
        QCOMPARE(Vexctl(at + QStringList{"images", "--json"}).Output, QByteArray("[\"Telvos\",\"DEMO\"]\n"));
    }

    void anImageThePrinterHoldsIsReplacedOnlyWithOverwrite()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery"}));
        const QStringList send = PrinterOf(printer, TMedium::Tcp) + QStringList{"send", "One.Vega"};
        QCOMPARE(Vexctl(send).ExitCode, 0);

        const VexctlRun::TResult again = Vexctl(send);
        QCOMPARE(again.ExitCode, 3);
        QVERIFY(again.Errors.contains("one.vega: IMAGE ONE EXISTS, not overwritten (use --overwrite)"));
        QCOMPARE(Received(printer, XLSend::ImageData).size(), 1);

        QCOMPARE(Vexctl(send + QStringList{"--overwrite"}).ExitCode, 0);
        QCOMPARE(Received(printer, XLSend::ImageData).size(), 2);
        // Each batch ends with a flash write, also the one that sent nothing.
        QCOMPARE(Received(printer, XLSend::FlashWrite).size(), 3);
    }

    void sendVerifyPassesOverAFileWhoseBarcodeDoesNotReadBack()
    {
        // Bars one dot high: no scanner reads them.
        QVERIFY(TDesignFileWriter()
                    .Raw(LabelRecords::DesignFile({LabelRecords::Code128("ABC", 0, 0, 1, 2)}, "FLAT"))
                    .WriteTo(m_dir.filePath("Flat.Vega")));
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery"}));
        const QStringList at = PrinterOf(printer, TMedium::Tcp);

        const VexctlRun::TResult verified =
            Vexctl(at + QStringList{"send", "--verify", "Flat.Vega", "One.Vega"});
        QCOMPARE(verified.ExitCode, 3);
        QVERIFY2(verified.Errors.contains(
                     "flat.vega: BARCODE OF ITEM 1 DOES NOT READ BACK (no barcode found), not sent"),
                 qPrintable(verified.Errors));
        QCOMPARE(Received(printer, XLSend::ImageData), QList<QByteArray>{Encoded("One.Vega")});

        // Without --verify the command does not check.
        QCOMPARE(Vexctl(at + QStringList{"send", "Flat.Vega"}).ExitCode, 0);
        QCOMPARE(Received(printer, XLSend::ImageData).size(), 2);
    }

    void insufficientMemoryEndsTheBatchWithExitCode4()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--memory", "400"}));
        const VexctlRun::TResult sent = Vexctl(PrinterOf(printer, TMedium::Tcp) +
                                               QStringList{"send", "One.Vega", "Big.Vega", "Three.Vega"});
        QVERIFY(sent.Errors.contains("Insufficient Memory to Store Image. Transfer Aborted"));
        QCOMPARE(sent.ExitCode, 4);
        // The image already stored is written to flash; the third file is not sent.
        QCOMPARE(ImageMessagesReceived(printer), (QStringList{"ImageData", "ImageData", "FlashWrite"}));
        QCOMPARE(Received(printer, XLSend::ImageData).first(), Encoded("One.Vega"));
    }

    // The printer reports that it could not write its flash: each command that ends with a flash
    // write fails with exit code 7 (a parameter file is loaded onto a printer whose setting was changed
    // before, so that there is something to write).
    void aFailedFlashWriteEndsTheCommandWithExitCode7_data()
    {
        QTest::addColumn<QStringList>("prepare");
        QTest::addColumn<QStringList>("command");
        QTest::newRow("send") << QStringList{} << QStringList{"send", "One.Vega"};
        QTest::newRow("delete") << QStringList{} << QStringList{"delete", "DEMO"};
        QTest::newRow("params set") << QStringList{} << QStringList{"params", "set", "Print delay=120 mm"};
        QTest::newRow("params load") << QStringList{"params", "set", "Print delay=120 mm"}
                                     << QStringList{"params", "load", "before.prm"};
    }
    void aFailedFlashWriteEndsTheCommandWithExitCode7()
    {
        QFETCH(QStringList, prepare);
        QFETCH(QStringList, command);
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--flash-fails", "--flash-delay", "10"}));
        const QStringList at = PrinterOf(printer, TMedium::Tcp);
        QCOMPARE(Vexctl(at + QStringList{"params", "save", "before.prm"}).ExitCode, 0);
        if (!prepare.isEmpty())
            QCOMPARE(Vexctl(at + prepare).ExitCode, 7);
        const VexctlRun::TResult run = Vexctl(at + command);
        QCOMPARE(run.ExitCode, 7);
        QVERIFY2(run.Errors.contains("MEMORY WRITE ERROR!"), qPrintable(run.Errors));
        QCOMPARE(Received(printer, XLSend::FlashWrite).size(), prepare.isEmpty() ? 1 : 2);
    }

    void aPrinterThatNeverAnswersEndsWithExitCode5WithinTheTimeout_data()
    {
        QTest::addColumn<TMedium>("medium");
        QTest::newRow("tcp") << TMedium::Tcp;
        QTest::newRow("pty") << TMedium::Pty;
    }
    void aPrinterThatNeverAnswersEndsWithExitCode5WithinTheTimeout()
    {
        QFETCH(TMedium, medium);
        TSimulatorProcess printer;
        QVERIFY(printer.Start(SimulatorArguments(medium)));
        printer.Command("silent on");
        const VexctlRun::TResult status =
            Vexctl(PrinterOf(printer, medium) + QStringList{"status", "--timeout", "2"});
        QCOMPARE(status.ExitCode, 5);
        QVERIFY2(status.Errors.contains("does not answer"), qPrintable(status.Errors));
        QVERIFY2(status.Ms < 2000 + 1500, qPrintable(QString::number(status.Ms)));
    }

    void aPrinterThatFallsSilentDuringATransferEndsWithExitCode5WithinTheTimeout()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--ack-delay", "200"}));
        QProcess run;
        VexctlRun::Start(run, m_dir.path(),
                         PrinterOf(printer, TMedium::Tcp) +
                             QStringList{"send", "Big.Vega", "--timeout", "2"});
        QString errors;
        QVERIFY(VexctlRun::AwaitText(run, QProcess::StandardError, "sending big.vega", errors));
        printer.Command("silent on");
        const VexctlRun::TResult sent = VexctlRun::Finish(run);
        QCOMPARE(sent.ExitCode, 5);
        QVERIFY2((errors + sent.Errors).contains("vexctl: the printer does not answer during the transfer"),
                 qPrintable(errors + sent.Errors));
        QVERIFY2(sent.Ms < 2000 + 1500, qPrintable(QString::number(sent.Ms)));
    }

    // The time limit is for the printer's silence, not for the whole command.
    void aTransferLongerThanTheTimeoutGoesOnWhileThePrinterAcknowledges()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--ack-delay", "150"}));
        const VexctlRun::TResult sent =
            Vexctl(PrinterOf(printer, TMedium::Tcp) + QStringList{"send", "Big.Vega", "--timeout", "1"});
        QCOMPARE(sent.ExitCode, 0);
        QVERIFY2(sent.Ms > 1000, qPrintable(QString::number(sent.Ms)));
        QCOMPARE(Received(printer, XLSend::ImageData), QList<QByteArray>{Encoded("Big.Vega")});
    }

    void whatThePrinterReportsDuringACommandGoesToStandardError_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QList<QByteArray>>("numericReplies");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a fault") << QByteArray("fault ribbon") << QStringList{} << "LINE7 - RIBBON FAULT!"
                                 << QList<QByteArray>{} << 0;
        QTest::newRow("an operator request, answered with the printer's value")
            << QByteArray("request numeric 5 0 10 3") << QStringList{}
            << "operator numeric request for item 3 answered with 5" << QList<QByteArray>{Hex("00 00 00 05")}
            << 0;
        QTest::newRow("an operator request, answered from the options")
            << QByteArray("request numeric 5 0 10 3") << QStringList{"--answer-number", "10"}
            << "operator numeric request for item 3 answered with 10" << QList<QByteArray>{Hex("00 00 00 0A")}
            << 0;
        // As the window does: a number it refuses leaves the printer's value, and the command says so.
        QTest::newRow("an operator request, refusing the option's number")
            << QByteArray("request numeric 5 0 10 3") << QStringList{"--answer-number", "11"}
            << "operator numeric request for item 3: 11 refused (it must be above 0 and at most 10), "
               "answered "
               "with 5"
            << QList<QByteArray>{Hex("00 00 00 05")} << 3;
    }
    void whatThePrinterReportsDuringACommandGoesToStandardError()
    {
        QFETCH(QByteArray, command);
        QFETCH(QStringList, answers);
        QFETCH(QString, reported);
        QFETCH(QList<QByteArray>, numericReplies);
        QFETCH(int, exitCode);
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--name", "LINE7", "--flash-delay", "1000"}));
        QProcess run;
        VexctlRun::Start(run, m_dir.path(),
                         PrinterOf(printer, TMedium::Tcp) + QStringList{"delete", "DEMO"} + answers);
        // The flash write takes a second: the printer's report comes while vexctl waits for its end.
        QTRY_VERIFY(!Received(printer, XLSend::FlashWrite).isEmpty());
        printer.Command(command);
        const VexctlRun::TResult deleted = VexctlRun::Finish(run);
        QCOMPARE(deleted.ExitCode, exitCode);
        QVERIFY2(deleted.Errors.contains(reported), qPrintable(deleted.Errors));
        QCOMPARE(Received(printer, XLSend::OperatorNumericReply), numericReplies);
    }
};

QTEST_GUILESS_MAIN(TestVexctlPrinter)
#include "tst_vexctlprinter.moc"
