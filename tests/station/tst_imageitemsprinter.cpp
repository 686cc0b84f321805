// The station against a simulated printer in this process: an image the transfer batch sends is
// listed item by item as the printer describes it, and an item's new value reaches the printer.
#include "DesignFileWriter.h"
#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "images/FontUnit.h"
#include "station/Station.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A label with a text, a counter, an EAN-13 barcode, a text of three lines and an EAN-128 barcode.
TDesignFileWriter LabelFile()
{
    TDesignFileWriter file;
    file.Header("zorbe V3.1X000", "", "LABEL").Shifts().ItemCount(5);
    file.Item("TextItem").String("HELLO").Byte(0).String("").UInt32(1);
    file.Item("NumberItem").String("1").String("5").String("999").String("10").String("1").Byte(0).Byte(1);
    file.Item("BarcodeItem").UInt32(1).String("400638133393").UInt32(80).UInt32(2);
    file.Item("MemoItem").Int32(0).Int32(0).Int32(0).String("ONE\r\nTWO\r\nTHREE");
    file.Item("BarcodeItem").UInt32(5).UInt32(2).String("01").Byte(0).String("09501101530003");
    file.String("10").Byte(0).String("LOT7").UInt32(100).UInt32(3).UInt32(0);
    return file;
}

QStringList Shown(const QList<TImageItemRow>& rows)
{
    QStringList shown;
    for (const TImageItemRow& row : rows)
        shown << QStringList{row.Number, row.TypeName, row.Value}.join(QLatin1Char(' '));
    return shown;
}

} // namespace

class TestImageItemsPrinter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<TInProcessPrinter> m_printer;

    // Bodies of the messages of this kind that reached the printer, as text ("LABEL|1|NEW").
    QStringList Received(TXLMessageKind kind) const
    {
        QStringList bodies;
        for (QByteArray body : m_printer->ReceivedBodies(kind)) {
            body.chop(1);
            bodies << QString::fromLatin1(body.replace('\0', '|'));
        }
        return bodies;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_views = TRecordingViews();
        const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, discovery);
        m_printer = std::make_unique<TInProcessPrinter>(QStringLiteral("SIM"),
                                                        m_dir.filePath(QStringLiteral("sim.jsonl")));
        QVERIFY(m_printer->ConnectTo(m_station->Manager(), TInProcessPrinter::TMedium::Network) != 0);
    }
    void cleanup()
    {
        m_station.reset();
        m_printer.reset();
    }

    void aSentImageIsListedAndItsItemsTakeNewValues()
    {
        const QString path = m_dir.filePath(QStringLiteral("label.Vega"));
        QVERIFY(LabelFile().WriteTo(path));
        QVERIFY(m_station->Batch().Start({path}));
        const TCoder& coder = TCoder::Of(*m_station->Manager().SelectedChannel());
        QTRY_VERIFY(!m_station->Batch().IsRunning() && coder.Images.contains(QStringLiteral("LABEL")));

        TModifyImage& modify = m_station->ModifyImage();
        QVERIFY(modify.Open(&coder, QStringLiteral("LABEL")));
        const QStringList sent{
            "1 Text HELLO",      "2 Numeric 5",         "3 EAN13 4006381333931",     "4.1 Multiline ONE",
            "4.2 Multiline TWO", "4.3 Multiline THREE", "5.1 EAN128 09501101530003", "5.2 EAN128 LOT7"};
        QTRY_COMPARE(Shown(m_views.ItemRows), sent);

        // A new text and a new count reach the printer, and the reloaded table shows them.
        modify.EditAccepted(*modify.EditOf(0), QStringLiteral("HELLO AGAIN"));
        modify.EditAccepted(*modify.EditOf(1), QStringLiteral("77"));
        QStringList changed = sent;
        changed[0] = QStringLiteral("1 Text HELLO AGAIN");
        changed[1] = QStringLiteral("2 Numeric 77");
        QTRY_COMPARE(Shown(m_views.ItemRows), changed);
        QCOMPARE(Received(XLSend::ModifyItem), (QStringList{"LABEL|1|HELLO AGAIN", "LABEL|2|77"}));

        // The same value again sends nothing, but the table is reloaded.
        const int requests = int(Received(XLSend::RequestImageItems).size());
        m_views.ItemRows.clear();
        modify.EditAccepted(*modify.EditOf(0), QStringLiteral("HELLO AGAIN"));
        QTRY_COMPARE(Shown(m_views.ItemRows), changed);
        QCOMPARE(Received(XLSend::RequestImageItems).size(), requests + 1);
        QCOMPARE(Received(XLSend::ModifyItem).size(), 2);
    }

    void theWindowOpensOnTheCurrentImageOfAFreshPrinter()
    {
        QVERIFY(m_station->ModifyImage().Open(&TCoder::Of(*m_station->Manager().SelectedChannel())));
        QCOMPARE(m_station->ModifyImage().CurrentImage(), QStringLiteral("DEMO"));
        QTRY_COMPARE(m_views.ItemRows.size(), 8);
        QCOMPARE(m_views.CallsStartingWith(QStringLiteral("ShowImageItems")).last(),
                 QStringLiteral("ShowImageItems 8 rows, end 0"));
    }
};

QTEST_GUILESS_MAIN(TestImageItemsPrinter)
#include "tst_imageitemsprinter.moc"
