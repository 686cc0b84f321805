#include "RecordingSink.h"
#include "TestSupport.h"
#include "parameters/ParameterDataUnit.h"
#include "parameters/ParametersAltair.h"
#include "parameters/ParametersNimbus.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

using TestSupport::Hex;
using TestSupport::TRecordingSink;

using Edits = QList<QPair<int, int>>; // parameter number, new value
using Setting = TParameterData::Setting;

namespace {
// Every setting, in parameter file order.
const Setting FileOrder[] = {
    &TParameterData::Rotation,      &TParameterData::XOffset,         &TParameterData::YOffset,
    &TParameterData::Debounce,      &TParameterData::PrintRequest,    &TParameterData::DelayA,
    &TParameterData::DelayB,        &TParameterData::DirectionA,      &TParameterData::DirectionB,
    &TParameterData::EncoderSource, &TParameterData::Speed,           &TParameterData::Stretch,
    &TParameterData::Alignment,     &TParameterData::HeadCapInterval, &TParameterData::Spare1,
    &TParameterData::Contrast,      &TParameterData::RibbonGap,       &TParameterData::InhibitOffDelay,
    &TParameterData::InhibitDelay,  &TParameterData::Spare2,          &TParameterData::Spare3,
    &TParameterData::SpitDelay,     &TParameterData::SpitInterval,
};

// A parameter file written out field by field: the model byte (Lyra), then each setting as a
// little-endian word, in file order.
const QByteArray LyraFile = Hex("05 "
                                "01 00 00 00 " // Rotation
                                "FE FF FF FF " // XOffset
                                "03 01 00 00 " // YOffset
                                "04 00 00 00 " // Debounce
                                "05 00 00 00 " // PrintRequest
                                "06 01 00 00 " // DelayA
                                "07 00 00 00 " // DelayB
                                "08 00 00 00 " // DirectionA
                                "09 00 00 00 " // DirectionB
                                "0A 00 00 00 " // EncoderSource
                                "AC 0D 00 00 " // Speed
                                "0C 00 00 00 " // Stretch
                                "0D 00 00 00 " // Alignment
                                "0E 00 00 00 " // HeadCapInterval
                                "0F 00 00 00 " // Spare1
                                "10 00 00 00 " // Contrast
                                "11 00 00 00 " // RibbonGap
                                "12 00 00 00 " // InhibitOffDelay
                                "13 00 00 00 " // InhibitDelay
                                "04 03 02 01 " // Spare2
                                "EB FF FF FF " // Spare3
                                "16 00 00 00 " // SpitDelay
                                "00 00 17 00 " // SpitInterval
);

QString ModelOf(const TParameterData& record)
{
    if (dynamic_cast<const TParametersAltair*>(&record))
        return "Altair";
    if (dynamic_cast<const TParametersRigel*>(&record))
        return "Rigel";
    if (dynamic_cast<const TParametersDeneb*>(&record))
        return "Deneb";
    if (dynamic_cast<const TParametersLyra*>(&record))
        return "Lyra";
    if (dynamic_cast<const TParametersVega*>(&record))
        return "Vega";
    return "?";
}

// A ParameterData body: the model code, then the words 1, 2, 3 ... count.
TXLMessage ParameterData(quint32 modelCode, int count)
{
    TXLMessage message(0x21, 9);
    message.WriteU32(modelCode);
    for (int word = 1; word <= count; ++word)
        message.WriteU32(quint32(word));
    message.SetPosition(0);
    return message;
}

QList<qint32> Values(const TParameterData& record, std::initializer_list<Setting> settings)
{
    QList<qint32> values;
    for (const Setting setting : settings)
        values.append(record.*setting);
    return values;
}

// Every setting gets its own value: 0x0101 * (its place in the file + 1).
void FillDistinct(TParameterData& record, qint32 scale = 0x0101)
{
    qint32 value = scale;
    for (const Setting setting : FileOrder) {
        record.*setting = value;
        value += scale;
    }
}

QByteArray Saved(const TParameterData& record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    record.SaveToStream(buffer);
    return buffer.data();
}
} // namespace

class TestParameterData : public QObject
{
    Q_OBJECT

private slots:
    void modelCodeChoosesTheRecordClass_data()
    {
        QTest::addColumn<quint32>("modelCode");
        QTest::addColumn<QString>("model");
        QTest::newRow("0") << 0u << "Altair";
        QTest::newRow("1") << 1u << "Vega";
        QTest::newRow("2") << 2u << "Rigel";
        QTest::newRow("3") << 3u << "Deneb";
        QTest::newRow("4 Cygnus") << 4u << "Vega";
        QTest::newRow("5") << 5u << "Lyra";
        QTest::newRow("9 unknown") << 9u << "Vega";
        QTest::newRow("only the low byte counts") << 0x1100u << "Altair";
    }
    void modelCodeChoosesTheRecordClass()
    {
        QFETCH(quint32, modelCode);
        QFETCH(QString, model);
        TXLMessage message = ParameterData(modelCode, 0);
        const TReceivedParameters received = ReadParameterData(message);
        QCOMPARE(received.ModelCode, quint8(modelCode));
        QCOMPARE(ModelOf(*received.Record), model);
        QCOMPARE(ModelOf(*received.Record->Clone()), model);
    }

    void altairReadsItsLayout()
    {
        TXLMessage message = ParameterData(PrinterModels::Altair, 12);
        const auto record = ReadParameterData(message).Record;
        QCOMPARE(
            Values(*record,
                   {&TParameterData::Rotation, &TParameterData::XOffset, &TParameterData::YOffset,
                    &TParameterData::PrintRequest, &TParameterData::Debounce, &TParameterData::DelayA,
                    &TParameterData::Contrast, &TParameterData::RibbonGap, &TParameterData::InhibitOffDelay,
                    &TParameterData::InhibitDelay, &TParameterData::Spare2, &TParameterData::Spare3}),
            QList<qint32>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        QCOMPARE(record->DirectionA, 0);
        QVERIFY(message.AtEnd());
    }

    void inkJetModelsReadTheirLayout()
    {
        TXLMessage message = ParameterData(PrinterModels::Lyra, 17);
        const auto record = ReadParameterData(message).Record;
        QCOMPARE(Values(*record,
                        {&TParameterData::Rotation, &TParameterData::XOffset, &TParameterData::YOffset,
                         &TParameterData::PrintRequest, &TParameterData::Debounce, &TParameterData::DelayA,
                         &TParameterData::DirectionA, &TParameterData::DelayB, &TParameterData::DirectionB,
                         &TParameterData::EncoderSource, &TParameterData::Speed, &TParameterData::Stretch,
                         &TParameterData::Alignment, &TParameterData::HeadCapInterval,
                         &TParameterData::Spare1, &TParameterData::SpitInterval, &TParameterData::SpitDelay}),
                 QList<qint32>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
        QCOMPARE(record->Contrast, 0);
        QVERIFY(message.AtEnd());
    }

    void shortBodyReadsTheRestAsZero()
    {
        TXLMessage message = ParameterData(PrinterModels::Vega, 0);
        message.SetPosition(4);
        message.WriteBytes(Hex("FF FF FF FF 00 00 00 02 00 00 01")); // two words and a cut-off one
        message.SetPosition(0);
        const auto record = ReadParameterData(message).Record;
        QCOMPARE(record->Rotation, -1);
        QCOMPARE(record->XOffset, 2);
        QCOMPARE(Saved(*record).mid(8), QByteArray(TParameterData::FileSettingsSize - 8, '\0'));
    }

    void cloneCopiesTheSettingsButNotChanged()
    {
        TParametersDeneb record;
        FillDistinct(record);
        record.Changed = true;
        const auto copy = record.Clone();
        QCOMPARE(Saved(*copy), Saved(record));
        QVERIFY(!copy->Changed);
    }

    void sendChangesWritesDifferingSettingsInTheModelsOrder_data()
    {
        QTest::addColumn<quint32>("modelCode");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("Altair unchanged: FlashWrite only") << 0u << Edits{} << QStringList{"31/4"};
        QTest::newRow("Vega unchanged: nothing") << 1u << Edits{} << QStringList{};
        QTest::newRow("Lyra speed 3500")
            << 5u << Edits{{11, 3500}} << QStringList{"33/11: 00 00 0D AC", "31/4"};
        QTest::newRow("Rigel stretch before rotation")
            << 2u << Edits{{1, 0}, {12, 3}} << QStringList{"33/12: 00 00 00 03", "33/1: 00 00 00 00", "31/4"};
        QTest::newRow("Vega leaves out the alignment") << 1u << Edits{{13, 5}} << QStringList{};
        QTest::newRow("Cygnus as Vega, spit settings too")
            << 4u << Edits{{21, 3}, {20, 2}, {8, 1}}
            << QStringList{"33/8: 00 00 00 01", "33/20: 00 00 00 02", "33/21: 00 00 00 03", "31/4"};
        QTest::newRow("Deneb head B")
            << 3u << Edits{{9, 1}, {7, 250}} << QStringList{"33/7: 00 00 00 FA", "33/9: 00 00 00 01", "31/4"};
        QTest::newRow("Lyra head cap before direction")
            << 5u << Edits{{8, 1}, {14, 30}}
            << QStringList{"33/14: 00 00 00 1E", "33/8: 00 00 00 01", "31/4"};
        QTest::newRow("Altair order, negative value")
            << 0u
            << Edits{{4, 1}, {1, 0}, {19, 7}, {18, 1}, {17, 2}, {16, 80}, {6, -1}, {5, 3}, {3, 4}, {2, 5}}
            << QStringList{"33/2: 00 00 00 05",
                           "33/3: 00 00 00 04",
                           "33/5: 00 00 00 03",
                           "33/6: FF FF FF FF",
                           "33/16: 00 00 00 50",
                           "33/17: 00 00 00 02",
                           "33/18: 00 00 00 01",
                           "33/19: 00 00 00 07",
                           "33/1: 00 00 00 00",
                           "33/4: 00 00 00 01",
                           "31/4"};
        QTest::newRow("Altair leaves out the speed") << 0u << Edits{{11, 50}} << QStringList{"31/4"};
    }
    void sendChangesWritesDifferingSettingsInTheModelsOrder()
    {
        QFETCH(quint32, modelCode);
        QFETCH(Edits, edits);
        QFETCH(QStringList, sent);
        TXLMessage message = ParameterData(modelCode, 17);
        const auto received = ReadParameterData(message).Record;
        const auto edited = received->Clone();
        for (const auto& [number, value] : edits)
            edited.get()->*FieldOfParameter(quint16(number)) = value;

        TRecordingSink sink;
        edited->SendChanges(*received, sink);
        QCOMPARE(sink.Sent(), sent);
        QCOMPARE(edited->Changed, !sent.isEmpty());

        // The received record was brought up to date: a second acceptance writes no setting.
        sink.Messages.clear();
        edited->SendChanges(*received, sink);
        QCOMPARE(sink.Sent(), modelCode == PrinterModels::Altair ? QStringList{"31/4"} : QStringList{});
    }

    // The one map from parameter numbers to record fields, checked against the file layout: the
    // setting a number writes is saved at its own offset. Numbers without a setting map to none.
    void eachParameterNumberNamesItsSetting_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("fileOffset");
        const QList<QPair<int, int>> offsets{{1, 1},   {2, 5},   {3, 9},   {4, 17},  {5, 13},  {6, 21},  {7, 25},
                                             {8, 29},  {9, 33},  {10, 37}, {11, 41}, {12, 45}, {13, 49}, {14, 53},
                                             {16, 61}, {17, 65}, {18, 73}, {19, 69}, {20, 85}, {21, 89}};
        for (const auto& [number, offset] : offsets)
            QTest::addRow("%d", number) << number << offset;
        QTest::newRow("0 none") << 0 << 0;
        QTest::newRow("15 none") << 15 << 0;
        QTest::newRow("22 none") << 22 << 0;
    }
    void eachParameterNumberNamesItsSetting()
    {
        QFETCH(int, number);
        QFETCH(int, fileOffset);
        const Setting field = FieldOfParameter(quint16(number));
        QCOMPARE(field != nullptr, fileOffset > 0);
        if (!field)
            return;
        TParametersVega record;
        record.*field = 0x11223344;
        QByteArray expected(TParameterData::FileSettingsSize, '\0');
        expected.replace(fileOffset - 1, 4, Hex("44 33 22 11"));
        QCOMPARE(Saved(record), expected);
    }

    void aParameterFileIsExactlyTheFixture()
    {
        TParametersLyra record;
        record.Rotation = 0x1;
        record.XOffset = -2;
        record.YOffset = 0x103;
        record.Debounce = 0x4;
        record.PrintRequest = 0x5;
        record.DelayA = 0x106;
        record.DelayB = 0x7;
        record.DirectionA = 0x8;
        record.DirectionB = 0x9;
        record.EncoderSource = 0xA;
        record.Speed = 3500;
        record.Stretch = 0xC;
        record.Alignment = 0xD;
        record.HeadCapInterval = 0xE;
        record.Spare1 = 0xF;
        record.Contrast = 0x10;
        record.RibbonGap = 0x11;
        record.InhibitOffDelay = 0x12;
        record.InhibitDelay = 0x13;
        record.Spare2 = 0x1020304;
        record.Spare3 = -21;
        record.SpitDelay = 0x16;
        record.SpitInterval = 0x170000;
        QBuffer file;
        file.open(QIODevice::ReadWrite);
        QVERIFY(SaveParameterFile(file, PrinterModels::Lyra, record));
        QCOMPARE(TestSupport::ToHex(file.data()), TestSupport::ToHex(LyraFile));

        QBuffer fixture;
        fixture.setData(LyraFile);
        fixture.open(QIODevice::ReadOnly);
        TParametersLyra loaded;
        QCOMPARE(LoadParameterFile(fixture, PrinterModels::Lyra, loaded), TParameterFileLoad::Loaded);
        QCOMPARE(Saved(loaded), Saved(record));
    }

    // Every setting changed, the spares too: each model sends exactly its own, in its order.
    void everySettingChangedGoesOutInTheModelsOrder_data()
    {
        QTest::addColumn<quint32>("modelCode");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("Altair") << 0u << QList<int>{2, 3, 5, 6, 16, 17, 18, 19, 1, 4};
        QTest::newRow("Vega") << 1u << QList<int>{12, 5, 6, 8, 1, 4, 10, 11, 20, 21};
        QTest::newRow("Rigel") << 2u << QList<int>{12, 5, 6, 13, 8, 1, 4, 10, 11, 20, 21};
        QTest::newRow("Deneb") << 3u << QList<int>{12, 5, 6, 7, 8, 9, 1, 4, 10, 11, 20, 21};
        QTest::newRow("Cygnus") << 4u << QList<int>{12, 5, 6, 8, 1, 4, 10, 11, 20, 21};
        QTest::newRow("Lyra") << 5u << QList<int>{12, 5, 6, 14, 8, 1, 4, 10, 11, 20, 21};
    }
    void everySettingChangedGoesOutInTheModelsOrder()
    {
        QFETCH(quint32, modelCode);
        QFETCH(QList<int>, numbers);
        TXLMessage message = ParameterData(modelCode, 17);
        const auto received = ReadParameterData(message).Record;
        const auto edited = received->Clone();
        for (const TNumberedSetting& setting : NumberedSettings())
            edited.get()->*setting.Field = 1000 + setting.Number;
        for (const Setting spare :
             {&TParameterData::Spare1, &TParameterData::Spare2, &TParameterData::Spare3})
            edited.get()->*spare = 999;

        TRecordingSink sink;
        edited->SendChanges(*received, sink);
        QStringList expected;
        for (const int number : numbers)
            expected << QStringLiteral("33/%1: 00 00 03 %2").arg(number).arg(0xE8 + number, 2, 16).toUpper();
        expected << QStringLiteral("31/4");
        QCOMPARE(sink.Sent(), expected);
    }

    void savedFileHoldsTheModelByteAndTheSettingsLittleEndian()
    {
        TParametersLyra record;
        FillDistinct(record);
        record.SpitDelay = 0x01020304;
        record.SpitInterval = -2;
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        QVERIFY(SaveParameterFile(file, PrinterModels::Lyra, record));
        const QByteArray bytes = file.data();
        QCOMPARE(bytes.size(), 93);
        QCOMPARE(bytes.left(5), Hex("05 01 01 00 00"));
        QCOMPARE(bytes.right(8), Hex("04 03 02 01 FE FF FF FF"));
        QCOMPARE(bytes.mid(57, 4), Hex("0F 0F 00 00")); // Spare1 keeps its place, the 15th setting
    }

    void loadingReadsWhatTheFileHolds_data()
    {
        QTest::addColumn<int>("fileSize");
        QTest::addColumn<int>("settingsRead");
        QTest::addColumn<int>("result");
        QTest::newRow("whole file") << 93 << 23 << int(TParameterFileLoad::Loaded);
        QTest::newRow("ten settings") << 41 << 10 << int(TParameterFileLoad::Loaded);
        QTest::newRow("cut in a setting") << 43 << 10 << int(TParameterFileLoad::Loaded);
        QTest::newRow("model byte only") << 1 << 0 << int(TParameterFileLoad::Loaded);
        QTest::newRow("empty") << 0 << 0 << int(TParameterFileLoad::NoModelByte);
    }
    void loadingReadsWhatTheFileHolds()
    {
        QFETCH(int, fileSize);
        QFETCH(int, settingsRead);
        QFETCH(int, result);
        TParametersRigel saved;
        FillDistinct(saved);
        QBuffer source;
        source.open(QIODevice::WriteOnly);
        QVERIFY(SaveParameterFile(source, PrinterModels::Rigel, saved));

        QBuffer file;
        file.setData(source.data().left(fileSize));
        file.open(QIODevice::ReadOnly);
        TParametersRigel record;
        FillDistinct(record, -7);
        const QByteArray before = Saved(record);
        QCOMPARE(int(LoadParameterFile(file, PrinterModels::Rigel, record)), result);
        const int read = settingsRead * 4;
        QCOMPARE(Saved(record), Saved(saved).left(read) + before.mid(read));
    }

    void fileOfAnotherModelLoadsNothing()
    {
        TParametersAltair altair;
        FillDistinct(altair);
        QBuffer file;
        file.open(QIODevice::ReadWrite);
        QVERIFY(SaveParameterFile(file, PrinterModels::Altair, altair));
        file.seek(0);
        TParametersRigel record;
        QCOMPARE(LoadParameterFile(file, PrinterModels::Rigel, record), TParameterFileLoad::OtherModel);
        QCOMPARE(Saved(record), QByteArray(TParameterData::FileSettingsSize, '\0'));
    }

    void savingReportsAFileThatTakesNothing()
    {
        TParametersVega record;
        QBuffer file;
        file.open(QIODevice::ReadOnly);
        QVERIFY(!SaveParameterFile(file, PrinterModels::Vega, record));
    }
};

QTEST_APPLESS_MAIN(TestParameterData)
#include "tst_parameterdata.moc"
