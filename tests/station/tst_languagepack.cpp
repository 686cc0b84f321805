#include "platform/SettingsStore.h"
#include "station/LanguagePack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString Printer()
{
    return QCoreApplication::translate("TVexMainForm", "Printer");
}
} // namespace

// The packs lie beside a program file in a folder of the test's own; the German pack stands
// for every language.
class TestLanguagePack : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString ProgramFile() const { return m_dir->filePath(QStringLiteral("vex")); }
    void PutPack(const QString& fileName, const QByteArray& bytes = {})
    {
        QFile pack(m_dir->filePath(fileName));
        QVERIFY(pack.open(QIODevice::WriteOnly));
        if (!bytes.isEmpty()) {
            pack.write(bytes);
            return;
        }
        QFile testPack(QStringLiteral(VEX_GERMAN_PACK));
        QVERIFY(testPack.open(QIODevice::ReadOnly));
        pack.write(testPack.readAll());
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void packsAreNamedAfterTheProgramAndTheLanguage_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<qint32>("localeId");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("German") << "/opt/vex/vex" << 1031 << QStringList{"/opt/vex/vex.DEU", "/opt/vex/vex.DE"};
        QTest::newRow("English, extension replaced")
            << "/opt/vex/vex.exe" << 2057 << QStringList{"/opt/vex/vex.ENG", "/opt/vex/vex.EN"};
        QTest::newRow("French") << "/opt/vex/vex" << 1036 << QStringList{"/opt/vex/vex.FRA", "/opt/vex/vex.FR"};
        QTest::newRow("Dutch") << "/opt/vex/vex" << 1043 << QStringList{"/opt/vex/vex.NLD", "/opt/vex/vex.NL"};
        QTest::newRow("no such language") << "/opt/vex/vex" << 1033 << QStringList{};
    }
    void packsAreNamedAfterTheProgramAndTheLanguage()
    {
        QFETCH(QString, program);
        QFETCH(qint32, localeId);
        QFETCH(QStringList, expected);
        QCOMPARE(TLanguagePack(program).FileNames(localeId), expected);
    }

    void aPackLoadsUnderThreeOrTwoLetters_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("three letters") << "vex.DEU";
        QTest::newRow("two letters") << "vex.DE";
    }
    void aPackLoadsUnderThreeOrTwoLetters()
    {
        QFETCH(QString, fileName);
        PutPack(fileName);
        TLanguagePack pack(ProgramFile());
        QVERIFY(pack.Load(1031));
        QCOMPARE(pack.LoadedLocaleId(), 1031);
        QCOMPARE(Printer(), QStringLiteral("Drucker"));
    }

    // The pack in use stays when another language has no pack that loads.
    void aMissingOrDamagedPackChangesNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QString() << QByteArray();
        QTest::newRow("damaged") << "vex.FRA" << QByteArray("not a pack");
        QTest::newRow("another name") << "vex.FRA.qm" << QByteArray();
    }
    void aMissingOrDamagedPackChangesNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        PutPack(QStringLiteral("vex.DEU"));
        if (!fileName.isEmpty())
            PutPack(fileName, bytes);
        TLanguagePack pack(ProgramFile());
        QVERIFY(pack.Load(1031));
        QVERIFY(!pack.Load(1036));
        QCOMPARE(pack.LoadedLocaleId(), 1031);
        QCOMPARE(Printer(), QStringLiteral("Drucker"));
    }

    void theBuiltInTextsComeBackWhenThePackGoes()
    {
        PutPack(QStringLiteral("vex.DEU"));
        const QLocale before;
        {
            TLanguagePack pack(ProgramFile());
            QVERIFY(pack.Load(1031));
            QCOMPARE(QLocale().name(), QStringLiteral("de_DE"));
        }
        QCOMPARE(Printer(), QStringLiteral("Printer"));
        QCOMPARE(QLocale(), before);
    }

    // Qt's own texts (here a label of the file dialog) follow the pack where Qt's translations are
    // installed, and stay English without a word where they are not; the pack loads either way.
    void qtsOwnTextsFollowThePackWhereInstalled_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed") << true;
        QTest::newRow("not installed") << false;
    }
    void qtsOwnTextsFollowThePackWhereInstalled()
    {
        QFETCH(bool, installed);
        const QString folder = installed ? TLanguagePack::QtTranslationsFolder() : m_dir->filePath(QStringLiteral("none"));
        if (installed && !QFile::exists(QDir(folder).filePath(QStringLiteral("qtbase_de.qm"))))
            QSKIP("Qt's German translations are not installed (scripts/install-deps installs them)");
        PutPack(QStringLiteral("vex.DEU"));
        PutPack(QStringLiteral("vex.ENG"));
        TLanguagePack pack(ProgramFile(), folder);
        QVERIFY(pack.Load(1031));
        QCOMPARE(pack.HasQtTexts(), installed);
        QCOMPARE(Printer(), QStringLiteral("Drucker"));
        const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
        QCOMPARE(lookIn, installed ? QStringLiteral("Suchen in:") : QStringLiteral("Look in:"));
        // The next language's pack releases Qt's German texts with the German pack.
        QVERIFY(pack.Load(2057));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
        QCOMPARE(QLocale().name(), QStringLiteral("en_GB"));
    }

    void theLanguageIsStoredAsALocaleId()
    {
        SettingsStore::SetValue(QLatin1String(SettingsStore::Language), QStringLiteral("German"));
        QVERIFY(!Languages::Stored());
        Languages::Store(1043);
        QCOMPARE(Languages::Stored(), std::optional<qint32>(1043));
        QCOMPARE(SettingsStore::Value(QLatin1String(SettingsStore::Language)).toInt(), 1043);
    }
};

QTEST_GUILESS_MAIN(TestLanguagePack)
#include "tst_languagepack.moc"
