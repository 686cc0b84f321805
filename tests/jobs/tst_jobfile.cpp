// Job files: the one that comes with the station is read as its document shows it, and a damaged
// or incomplete one is refused naming the file and the field at fault.
#include "LabelRecords.h"
#include "images/FontUnit.h"
#include "jobs/JobFile.h"
#include "jobs/JsonKeys.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A label of six items: two texts, a date, a counter, an EAN-13 barcode and a multi-line text.
QByteArray Label()
{
    return LabelRecords::DesignFile(
        {LabelRecords::Text("JAM", 10, 10, 24), LabelRecords::Text("L00000", 10, 40, 24),
         LabelRecords::Date(10, 70, 24), LabelRecords::Counter(10, 100, 24),
         LabelRecords::EanUpc(1, "871234567890", 200, 10, 60, 2), LabelRecords::Memo("KEEP\r\nCOOL", 10, 130, 48)},
        "LABEL");
}

// A job that is read: every field the format has, each rule on an item it fits.
QJsonObject GoodJob()
{
    return QJsonDocument::fromJson(R"({"productCode": "8712345678906", "name": "Jam",
        "designFile": "LABEL.Vega", "printers": {"models": ["Vega"], "names": ["LINE2"]},
        "items": [{"item": 1, "rule": "fixed", "value": "JAM"},
                  {"item": 2, "rule": "entry", "name": "lot", "prompt": "Lot", "pattern": "L[0-9]{5}"},
                  {"item": 3, "rule": "date", "days": 365},
                  {"item": 4, "rule": "count", "count": "reset"},
                  {"item": 5, "rule": "fixed", "value": "8712345678906"}]})")
        .object();
}

// The good job with the fields of a patch replaced (a null removes the field).
QByteArray Patched(const char* patch)
{
    QJsonObject job = GoodJob();
    const QJsonObject changes = QJsonDocument::fromJson(patch).object();
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        if (change.value().isNull())
            job.remove(change.key());
        else
            job.insert(change.key(), change.value());
    }
    return QJsonDocument(job).toJson();
}

QByteArray WithRule(const char* rule)
{
    return Patched(QByteArray(R"({"items": [)") + rule + "]}");
}

} // namespace

class TestJobFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TFontMap m_fonts;

    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(!Write(QStringLiteral("LABEL.Vega"), Label()).isEmpty());
        QVERIFY(!Write(QStringLiteral("OTHER.Vega"), TDesignFileWriter::SmallImage("OTHER", "other V1.0").Bytes())
                     .isEmpty());
    }

    void aGoodJobIsReadWithItsDesignFile()
    {
        const auto read = JobFile::Read(Write(QStringLiteral("good.json"), QJsonDocument(GoodJob()).toJson()), m_fonts);
        const TJobError* error = std::get_if<TJobError>(&read);
        QVERIFY2(!error, error ? qPrintable(error->Text()) : "");
        const TJob& job = std::get<TJob>(read);
        QCOMPARE(job.ImageName, QStringLiteral("LABEL"));
        QCOMPARE(job.DesignFile, m_dir.filePath(QStringLiteral("LABEL.Vega")));
        QCOMPARE(job.Rules.size(), 5);
        const TJobRule* lot = job.RuleFor(2);
        QVERIFY(lot && lot->Kind == TRuleKind::Entry);
        QCOMPARE(lot->MaxLength, JobFile::DefaultEntryLength);
        // The pattern is anchored: it must match the whole entry.
        QVERIFY(lot->Expression.match(QStringLiteral("L12345")).hasMatch());
        QVERIFY(!lot->Expression.match(QStringLiteral("xL12345")).hasMatch());
    }

    // The document shows the example file as it stands, and the example is a job the station reads.
    void theDocumentedExampleIsAJobTheStationReads()
    {
        QFile example(QStringLiteral(VEX_EXAMPLE_JOB));
        QVERIFY(example.open(QIODevice::ReadOnly));
        const QByteArray text = example.readAll();
        QFile document(QStringLiteral(VEX_JOBS_DOCUMENT));
        QVERIFY(document.open(QIODevice::ReadOnly));
        QVERIFY2(document.readAll().contains("```json\n" + text + "```"), "docs/jobs.md does not show the example");
        const auto read = JobFile::Read(example.fileName(), m_fonts);
        const TJobError* error = std::get_if<TJobError>(&read);
        QVERIFY2(!error, error ? qPrintable(error->Text()) : "");
    }

    void aDamagedJobFileIsRefusedNamingTheField_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("problem"); // a part of it

        QTest::newRow("not JSON") << QByteArray("{\"productCode\": ") << "" << "is not JSON";
        QTest::newRow("not an object") << QByteArray("[]") << "" << "must be a JSON object";
        QTest::newRow("larger than a job can be")
            << Patched(QByteArray("{\"name\": \"" + QByteArray(70000, 'x') + "\"}").constData()) << ""
            << "larger than 65536 bytes";
        QTest::newRow("a field twice")
            << QByteArray(R"({"productCode": "1", "name": "A", "productCode": "2"})") << "productCode"
            << "given twice";
        QTest::newRow("a rule's field twice")
            << WithRule(R"({"item": 1, "rule": "fixed", "value": "A"})").replace("\"value\"", "\"value\": \"B\", \"value\"")
            << "items[0].value" << "given twice";
        QTest::newRow("unknown field") << Patched(R"({"colour": "red"})") << "colour" << "not a field a job has";
        QTest::newRow("no product code") << Patched(R"({"productCode": null})") << "productCode" << "is missing";
        QTest::newRow("product code a number") << Patched(R"({"productCode": 871})") << "productCode"
                                               << "must be a text";
        QTest::newRow("product code with a blank")
            << Patched(R"({"productCode": "871 2"})") << "productCode" << "only letters, digits";
        QTest::newRow("empty name") << Patched(R"({"name": ""})") << "name" << "must not be empty";
        QTest::newRow("no design file") << Patched(R"({"designFile": "NONE.Vega"})") << "designFile"
                                        << "there is no file";
        QTest::newRow("a design file the station refuses")
            << Patched(R"({"designFile": "OTHER.Vega"})") << "designFile" << "INVALID FILE TYPE";
        QTest::newRow("no printers") << Patched(R"({"printers": {}})") << "printers" << "at least one";
        QTest::newRow("no such model") << Patched(R"({"printers": {"models": ["Orion"]}})") << "printers.models[0]"
                                       << "must be one of: Altair, Vega";
        QTest::newRow("printers with a field of their own")
            << Patched(R"({"printers": {"models": ["Vega"], "lines": [1]}})") << "printers.lines"
            << "not a field a job has";
        QTest::newRow("items not a list") << Patched(R"({"items": {}})") << "items" << "must be a list";
        QTest::newRow("an item the image does not have")
            << WithRule(R"({"item": 9, "rule": "fixed", "value": "A"})") << "items[0].item"
            << "the image LABEL has no item 9 (it has 6)";
        QTest::newRow("item 0") << WithRule(R"({"item": 0, "rule": "fixed", "value": "A"})") << "items[0].item"
                                << "must be from 1 to 255";
        QTest::newRow("item not whole") << WithRule(R"({"item": 1.5, "rule": "fixed", "value": "A"})")
                                        << "items[0].item" << "must be a whole number";
        QTest::newRow("no such rule") << WithRule(R"({"item": 1, "rule": "random"})") << "items[0].rule"
                                      << "must be one of: fixed, entry, date, count";
        QTest::newRow("a date rule on a text") << WithRule(R"({"item": 1, "rule": "date", "days": 1})")
                                               << "items[0].rule" << "a date rule does not fit item 1, a Text item";
        QTest::newRow("a count rule on a date") << WithRule(R"({"item": 3, "rule": "count", "count": "keep"})")
                                                << "items[0].rule" << "a count rule does not fit item 3, a Date";
        QTest::newRow("a fixed value on a multi-line text")
            << WithRule(R"({"item": 6, "rule": "fixed", "value": "A"})") << "items[0].rule"
            << "a fixed rule does not fit item 6, a Multiline item";
        QTest::newRow("a field of another rule") << WithRule(R"({"item": 1, "rule": "fixed", "value": "A", "days": 3})")
                                                 << "items[0].days" << "not a field a job has";
        QTest::newRow("a wrong check digit") << WithRule(R"({"item": 5, "rule": "fixed", "value": "8712345678907"})")
                                             << "items[0].value" << "the check digit of 871234567890 is 6";
        QTest::newRow("a barcode value of letters")
            << WithRule(R"({"item": 5, "rule": "fixed", "value": "87123456789OO"})") << "items[0].value"
            << "holds only the digits";
        QTest::newRow("a value a printer cannot carry")
            << WithRule(R"({"item": 1, "rule": "fixed", "value": "5 €"})") << "items[0].value"
            << "cannot carry";
        QTest::newRow("a pattern that is none")
            << WithRule("{\"item\": 2, \"rule\": \"entry\", \"name\": \"lot\", \"prompt\": \"Lot\", \"pattern\": \"L[0-9\"}")
            << "items[0].pattern" << "is not a valid pattern";
        QTest::newRow("an entry name that is none")
            << WithRule(R"({"item": 2, "rule": "entry", "name": "1lot", "prompt": "Lot", "pattern": "L"})")
            << "items[0].name" << "must start with a letter";
        QTest::newRow("an entry longer than a printer takes")
            << WithRule(R"({"item": 2, "rule": "entry", "name": "lot", "prompt": "Lot", "pattern": "L", "maxLength": 300})")
            << "items[0].maxLength" << "must be from 1 to 255";
        QTest::newRow("a date beyond ten years") << WithRule(R"({"item": 3, "rule": "date", "days": 4000})")
                                                 << "items[0].days" << "must be from -3660 to 3660";
        QTest::newRow("no such count") << WithRule(R"({"item": 4, "rule": "count", "count": "zero"})")
                                       << "items[0].count" << "must be one of: reset, keep";
        QTest::newRow("two rules for an item")
            << WithRule(R"({"item": 1, "rule": "fixed", "value": "A"}, {"item": 1, "rule": "fixed", "value": "B"})")
            << "items[1].item" << "item 1 has a rule already";
        QTest::newRow("two entries of a name")
            << WithRule(R"({"item": 1, "rule": "entry", "name": "lot", "prompt": "A", "pattern": "A"},
                           {"item": 2, "rule": "entry", "name": "lot", "prompt": "B", "pattern": "B"})")
            << "items[1].name" << "an entry named lot is there already";
    }
    void aDamagedJobFileIsRefusedNamingTheField()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, field);
        QFETCH(QString, problem);
        const QString file = Write(QStringLiteral("damaged.json"), text);

        const auto read = JobFile::Read(file, m_fonts);

        QVERIFY(std::holds_alternative<TJobError>(read));
        const TJobError& error = std::get<TJobError>(read);
        QCOMPARE(error.Field, field);
        QVERIFY2(error.Problem.contains(problem), qPrintable(error.Problem));
        QVERIFY2(error.Text().startsWith(QStringLiteral("Job file %1").arg(file)), qPrintable(error.Text()));
    }

    void aKeyGivenTwiceIsFoundWhateverItsEscapes_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("duplicate"); // empty: none
        QTest::newRow("none") << QByteArray(R"({"a": {"a": 1}, "b": [{"a": 1}, {"a": 2}]})") << "";
        QTest::newRow("escaped alike") << QByteArray("{\"a\": 1, \"\\u0061\": 2}") << "a";
        QTest::newRow("in a list's object") << QByteArray(R"({"b": [{}, {"c": 1, "c": 2}]})") << "b[1].c";
        QTest::newRow("a quote in a key") << QByteArray("{\"x\\\"y\": 1, \"x\\\"y\": 2}") << "x\"y";
        QTest::newRow("a key as a value") << QByteArray(R"({"a": "b", "b": "a"})") << "";
    }
    void aKeyGivenTwiceIsFoundWhateverItsEscapes()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, duplicate);
        QCOMPARE(JsonKeys::FirstDuplicate(text).value_or(QString()), duplicate);
    }
};

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_jobfile.moc"
