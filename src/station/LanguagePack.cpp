#include "station/LanguagePack.h"

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <iterator>

int Languages::PositionOf(qint32 localeId)
{
    for (int i = 0; i < int(std::size(All)); ++i)
        if (All[i].LocaleId == localeId)
            return i;
    return -1;
}

std::optional<qint32> Languages::Stored()
{
    const QVariant value = SettingsStore::Value(QLatin1String(SettingsStore::Language));
    bool isNumber = false;
    const qint32 localeId = value.toInt(&isNumber);
    return isNumber ? std::optional(localeId) : std::nullopt;
}

void Languages::Store(qint32 localeId)
{
    SettingsStore::SetValue(QLatin1String(SettingsStore::Language), localeId);
}

TLanguagePack::TLanguagePack(const QString& programFile, const QString& qtTranslations)
    : m_programFile(programFile), m_qtTranslations(qtTranslations)
{}

QString TLanguagePack::QtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

TLanguagePack::~TLanguagePack()
{
    if (m_localeBefore)
        QLocale::setDefault(*m_localeBefore);
}

QStringList TLanguagePack::FileNames(qint32 localeId) const
{
    const int position = Languages::PositionOf(localeId);
    if (position < 0)
        return {};
    const QFileInfo program(m_programFile);
    const QString stem = program.absoluteDir().filePath(program.completeBaseName()) + QLatin1Char('.');
    const QString abbreviation = QLatin1String(Languages::All[position].Abbreviation);
    return {stem + abbreviation, stem + abbreviation.left(2)};
}

// The file is read by name exactly: the translator's own search would also take files named
// otherwise (with ".qm" added, or cut at a dot), which would load a pack from a file of another name.
bool TLanguagePack::Load(qint32 localeId)
{
    for (const QString& fileName : FileNames(localeId)) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray data = file.readAll();
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(reinterpret_cast<const uchar*>(data.constData()), int(data.size())))
            continue;
        QCoreApplication::installTranslator(translator.get());
        // The translator before is removed from the application as it is destroyed, before the
        // bytes it read from go.
        m_translator = std::move(translator);
        m_data = std::move(data);
        m_localeId = localeId;
        UseLocaleOf(Languages::PositionOf(localeId));
        return true;
    }
    return false;
}

// Qt's translations of the language replace those of the language before; where they are not
// installed, Qt's texts are its built-in English. Windows that exist take the new locale too.
void TLanguagePack::UseLocaleOf(int position)
{
    const QLocale locale(QLatin1String(Languages::All[position].LocaleName));
    auto qtTranslator = std::make_unique<QTranslator>();
    if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), m_qtTranslations))
        QCoreApplication::installTranslator(qtTranslator.get());
    else
        qtTranslator.reset();
    m_qtTranslator = std::move(qtTranslator);

    if (!m_localeBefore)
        m_localeBefore = QLocale();
    QLocale::setDefault(locale);
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(application, &change);
    }
}
