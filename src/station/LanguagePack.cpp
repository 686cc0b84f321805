#include "station/LanguagePack.h"

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TLanguagePack::TLanguagePack(const QString& programFile) : m_programFile(programFile) {}

TLanguagePack::~TLanguagePack() = default;

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
        return true;
    }
    return false;
}
