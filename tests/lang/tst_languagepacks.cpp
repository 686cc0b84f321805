// Every text the program's sources hold is translated in every language pack, with its arguments.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// One message of a translation source, as lupdate writes it.
struct TMessage
{
    QString Context;
    QString Source;
    QString Comment;
    QString Type; // "unfinished", "obsolete", "vanished" ...; empty for a finished translation
    QStringList Translations; // one, or one per plural form
};

QString KeyOf(const TMessage& message)
{
    return message.Context + QLatin1Char('\x04') + message.Source + QLatin1Char('\x04') + message.Comment;
}

// "TVexMainForm: "Printer"", as a failure names a text.
QString Named(const TMessage& message)
{
    QString name = message.Context + QStringLiteral(": \"") + message.Source + QLatin1Char('"');
    if (!message.Comment.isEmpty())
        name += QStringLiteral(" (") + message.Comment + QLatin1Char(')');
    return name;
}

QMap<QString, TMessage> ReadMessages(const QString& fileName)
{
    QMap<QString, TMessage> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TMessage message;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages.insert(KeyOf(message), message);
        if (!xml.isStartElement())
            continue;
        const QString element = xml.name().toString();
        if (element == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (element == QLatin1String("message")) {
            message = TMessage{context, {}, {}, {}, {}};
            plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (element == QLatin1String("source")) {
            message.Source = xml.readElementText();
        } else if (element == QLatin1String("comment")) {
            message.Comment = xml.readElementText();
        } else if (element == QLatin1String("translation")) {
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            if (!plural)
                message.Translations.append(xml.readElementText());
        } else if (element == QLatin1String("numerusform")) {
            message.Translations.append(xml.readElementText());
        }
    }
    return messages;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?)([1-9][0-9]?|n)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found.append(match.next().captured(0));
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TestLanguagePacks : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QMap<QString, TMessage> m_sourceTexts;

    static QString PackFile(const QString& language)
    {
        return QDir(QStringLiteral(VEX_PACK_SOURCES_DIR)).filePath(QStringLiteral("vex_%1.ts").arg(language));
    }

private slots:
    // The texts as the sources hold them now, extracted as the packs are updated.
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString extracted = m_dir.filePath(QStringLiteral("extracted.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VEX_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("@" VEX_TRANSLATED_SOURCES_LIST), QStringLiteral("-ts"), extracted});
        QVERIFY2(lupdate.waitForFinished(60'000), qPrintable(lupdate.errorString()));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        m_sourceTexts = ReadMessages(extracted);
        QVERIFY(m_sourceTexts.size() > 100);
        QVERIFY(m_sourceTexts.contains(KeyOf({QStringLiteral("TVexMainForm"), QStringLiteral("Printer"), {}, {}, {}})));
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "en", "fr", "nl"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    // A text the pack lacks, or holds unfinished or only as an obsolete entry, is named; so is an
    // entry of a text the sources no longer hold. lupdate on the pack (target vex_packs_lupdate)
    // brings new texts in as unfinished ones for the translator.
    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        const QMap<QString, TMessage> pack = ReadMessages(PackFile(language));
        QVERIFY2(!pack.isEmpty(), qPrintable(PackFile(language)));
        QStringList faults;
        for (const TMessage& text : m_sourceTexts) {
            const auto entry = pack.constFind(KeyOf(text));
            if (entry == pack.constEnd())
                faults << QStringLiteral("missing: ") + Named(text);
            else if (!entry->Type.isEmpty())
                faults << entry->Type + QStringLiteral(": ") + Named(text);
            else if (entry->Translations.isEmpty() || entry->Translations.contains(QString()))
                faults << QStringLiteral("empty: ") + Named(text);
        }
        for (const TMessage& entry : pack)
            if (!m_sourceTexts.contains(KeyOf(entry)))
                faults << QStringLiteral("no longer in the sources: ") + Named(entry);
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n  ") + faults.join(QStringLiteral("\n  "))));
    }

    void everyArgumentSurvivesTranslation_data() { everyTextIsTranslated_data(); }
    void everyArgumentSurvivesTranslation()
    {
        QFETCH(QString, language);
        QStringList faults;
        for (const TMessage& entry : ReadMessages(PackFile(language)))
            for (const QString& translation : entry.Translations)
                if (Placeholders(translation) != Placeholders(entry.Source))
                    faults << Named(entry) + QStringLiteral(" -> \"") + translation + QLatin1Char('"');
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n  ") + faults.join(QStringLiteral("\n  "))));
    }
};

QTEST_GUILESS_MAIN(TestLanguagePacks)
#include "tst_languagepacks.moc"
