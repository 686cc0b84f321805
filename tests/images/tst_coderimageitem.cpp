#include "comm/XLMessage.h"
#include "images/CoderImageItemList.h"
#include "images/FontUnit.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/ShiftcodeItems.h"
#include "images/TextItems.h"

#include "RecordingItemTable.h"
#include "TestSupport.h"

#include <QTest>

Q_DECLARE_METATYPE(TImageErrorKind)

namespace {
// The printer's description of one item: a text that is not shown, then Text1 to Text4.
TXLMessage Description(const QStringList& texts)
{
    TXLMessage message;
    for (const QString& text : texts)
        message.WriteString(text);
    message.SetPosition(0);
    return message;
}

// One line of a multi-line text as the printer describes it.
void WriteMemoLine(TXLMessage& message, quint8 mark, const QString& lineNumber, const QString& value)
{
    message.WriteU8(mark);
    for (const QString& text : {lineNumber, QStringLiteral("s2"), QStringLiteral("s3"), QStringLiteral("t2"),
                                QStringLiteral("t3"), value})
        message.WriteString(text);
}
} // namespace

class TestCoderImageItem : public QObject
{
    Q_OBJECT

private slots:
    void headerCarriesTypeFontPositionAndStyle_data()
    {
        QTest::addColumn<qint32>("fontNo");
        QTest::addColumn<qint32>("x");
        QTest::addColumn<qint32>("y");
        QTest::addColumn<qint32>("style");
        QTest::addColumn<QByteArray>("header");

        QTest::newRow("x 300") << 2 << 300 << 0 << 0 << TestSupport::Hex("10 34 2C 01 00 00 00");
        QTest::newRow("x 65535") << 2 << 65535 << 1 << 0 << TestSupport::Hex("10 34 FF FF 01 00 00");
        QTest::newRow("y 256, style low byte")
            << 2 << 0 << 256 << 0x1FF << TestSupport::Hex("10 34 00 00 00 01 FF");
        QTest::newRow("negative x divided toward zero")
            << 2 << -1 << -300 << 0 << TestSupport::Hex("10 34 FF 00 D4 FF 00");
        QTest::newRow("font not in the map gives code 0")
            << 9 << 1 << 2 << 3 << TestSupport::Hex("10 00 01 00 02 00 03");
    }

    void headerCarriesTypeFontPositionAndStyle()
    {
        QFETCH(qint32, fontNo);
        QFETCH(qint32, x);
        QFETCH(qint32, y);
        QFETCH(qint32, style);
        QFETCH(QByteArray, header);

        ShiftcodeItem item;
        item.FontNo = fontNo;
        item.X = x;
        item.Y = y;
        item.Style = style;
        TXLMessage message;
        QVERIFY(!item.WriteToMessage(message, TFontMap({{2, 0, 0x1234}})));
        QCOMPARE(TestSupport::ToHex(message.Body()), TestSupport::ToHex(header));
    }

    void listWritesItsItemsInOrderAndNamesTheRefusedOne()
    {
        TCoderImageItemList items;
        auto text = std::make_unique<TextItem>();
        text->Text = QStringLiteral("A");
        items.Append(QStringLiteral("TextItem"), std::move(text));
        items.Append(QStringLiteral("ShiftcodeItem"), std::make_unique<ShiftcodeItem>());
        TXLMessage message;
        QVERIFY(!items.WriteToMessage(message, TFontMap()));
        QCOMPARE(TestSupport::ToHex(message.Body()),
                 TestSupport::ToHex(TestSupport::Hex("01 00 00 00 00 00 00 41 00 00 00 00 01"
                                                     "10 00 00 00 00 00 00")));
        QVERIFY(items.HasTypeName(QStringLiteral("ShiftcodeItem")));
        QVERIFY(!items.HasTypeName(QStringLiteral("Shift")));

        auto number = std::make_unique<NumberItem>();
        number->EndValue = QStringLiteral("12O");
        items.Append(QStringLiteral("NumberItem"), std::move(number));
        const std::optional<TImageError> error = items.WriteToMessage(message, TFontMap());
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::NumberNotConvertible);
        QCOMPARE(error->ItemNumber, 3);
        QCOMPARE(error->TypeName, QStringLiteral("NumberItem"));
        QCOMPARE(error->Field, QStringLiteral("EndValue"));
        QCOMPARE(error->Value, QStringLiteral("12O"));
    }

    void readFromPrinterAddsARowWithTheReportedValue()
    {
        TRecordingItemTable table;
        TXLMessage message = Description({"skipped", "t1", "t2", "t3", "VALUE", "next"});
        auto [item, error] = CreateFromPrinter<ShiftcodeItem>(4, table, message);
        QVERIFY(!error);
        QCOMPARE(item->ItemData.Text1, QStringLiteral("t1"));
        QCOMPARE(item->ItemData.Text3, QStringLiteral("t3"));
        QCOMPARE(item->ItemData.Text4, QStringLiteral("VALUE"));
        QCOMPARE(table.Rows.size(), 1);
        QCOMPARE(table.Rows[0].Columns, QStringList({"4", "Shift", "VALUE"}));
        QCOMPARE(table.Rows[0].Item, item.get());
        QCOMPARE(message.ReadString(), QStringLiteral("next"));
    }

    void textAndNumberTakeTheReportedValue()
    {
        TRecordingItemTable table;
        TXLMessage textMessage = Description({"", "", "", "", "HELLO"});
        TXLMessage numberMessage = Description({"", "", "", "", "42"});
        const auto text = CreateFromPrinter<TextItem>(1, table, textMessage);
        const auto number = CreateFromPrinter<NumberItem>(2, table, numberMessage);
        QCOMPARE(text.Created->Text, QStringLiteral("HELLO"));
        QCOMPARE(number.Created->CurrentValue, QStringLiteral("42"));
        QCOMPARE(table.Rows[1].Columns, QStringList({"2", "Numeric", "42"}));
    }

    void memoAddsARowPerLineAndStopsAtALineWithoutMark_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<quint8>("secondMark");
        QTest::addColumn<int>("rows");

        QTest::newRow("count 3, second line unmarked") << "3" << quint8(0x1D) << 1;
        QTest::newRow("count 2, both marked") << "2" << quint8(30) << 2;
        QTest::newRow("count beyond the lines present") << "5" << quint8(30) << 2;
        QTest::newRow("count 0") << "0" << quint8(30) << 0;
    }

    void memoAddsARowPerLineAndStopsAtALineWithoutMark()
    {
        QFETCH(QString, count);
        QFETCH(quint8, secondMark);
        QFETCH(int, rows);

        TXLMessage message;
        message.WriteString(count);
        WriteMemoLine(message, 30, QStringLiteral("7"), QStringLiteral("first line"));
        WriteMemoLine(message, secondMark, QStringLiteral("8"), QStringLiteral("second line"));
        message.SetPosition(0);
        TRecordingItemTable table;
        MemoItem memo;
        QVERIFY(!memo.ReadFromPrinter(message, table, 99));

        QCOMPARE(table.Rows.size(), rows);
        if (rows > 0) {
            QCOMPARE(table.Rows[0].Columns, QStringList({"7", "Multiline", "first line"}));
            QCOMPARE(memo.ItemData.Text2, QStringLiteral("t2"));
            QCOMPARE(memo.ItemData.Text3, QStringLiteral("t3"));
            QCOMPARE(memo.ItemData.Text4,
                     rows == 2 ? QStringLiteral("second line") : QStringLiteral("first line"));
        }
    }

    void memoCountThatIsNoNumberEndsTheDescription()
    {
        TXLMessage message;
        message.WriteString(QStringLiteral("two"));
        WriteMemoLine(message, 30, QStringLiteral("1"), QStringLiteral("line"));
        message.SetPosition(0);
        TRecordingItemTable table;
        MemoItem memo;
        const std::optional<TImageError> error = memo.ReadFromPrinter(message, table, 1);
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::NumberNotConvertible);
        QCOMPARE(error->Value, QStringLiteral("two"));
        QVERIFY(table.Rows.isEmpty());
    }

    void errorTextsSayWhatWasRefused_data()
    {
        QTest::addColumn<TImageErrorKind>("kind");
        QTest::addColumn<QString>("text");

        QTest::newRow("version") << TImageErrorKind::InvalidFileVersion
                                 << "INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("item type") << TImageErrorKind::InvalidItemType
                                   << "IMAGE LABEL CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("damaged") << TImageErrorKind::DamagedFile
                                 << "FILE label.lbl IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("number") << TImageErrorKind::NumberNotConvertible
                                << "IMAGE LABEL, ITEM 3 (NumberItem): '12O' IS NOT A VALID NUMBER, "
                                   "TRANSFER OF IMAGE ABORTED";
    }

    void errorTextsSayWhatWasRefused()
    {
        QFETCH(TImageErrorKind, kind);
        QFETCH(QString, text);
        TImageError error;
        error.Kind = kind;
        error.ItemNumber = 3;
        error.TypeName = QStringLiteral("NumberItem");
        error.Value = QStringLiteral("12O");
        QCOMPARE(ImageErrorText(error, QStringLiteral("label.lbl"), QStringLiteral("LABEL")), text);
    }
};

QTEST_APPLESS_MAIN(TestCoderImageItem)
#include "tst_coderimageitem.moc"
