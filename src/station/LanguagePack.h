#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTranslator;

// The interface languages, in the order of the "Language" menu, with the locale id the settings
// store keeps for each and the three-letter abbreviation its pack is named after.
namespace Languages {

struct TLanguage
{
    qint32 LocaleId;
    const char* Abbreviation;
    const char* LocaleName; // the locale the id stands for, as Qt names it
};

inline constexpr TLanguage All[] = {
    {1031, "DEU", "de_DE"}, {2057, "ENG", "en_GB"}, {1036, "FRA", "fr_FR"}, {1043, "NLD", "nl_NL"}};

// The language's position in the menu; -1 for a locale id the station has no language for.
int PositionOf(qint32 localeId);
// The stored LANGUAGE value, when there is one that reads as a number.
std::optional<qint32> Stored();
void Store(qint32 localeId);

} // namespace Languages

// The language pack whose texts the station shows: a Qt translation file beside the program file,
// named after the program with its extension replaced by the language's three-letter abbreviation
// ("vex.DEU"), or by the abbreviation's first two letters ("vex.DE") when no pack loads under three.
// The texts built into the program (English) are no pack.
//
// With a pack come Qt's own texts of the same language (the buttons and labels of the file dialog,
// for example) where Qt's translations are installed, and the language's locale, which names the
// months of the calendar and orders dates; without Qt's translations those texts stay English.
class TLanguagePack
{
public:
    // Qt's own translations are read from qtTranslations, Qt's installed ones unless told otherwise.
    explicit TLanguagePack(const QString& programFile, const QString& qtTranslations = QtTranslationsFolder());
    // The locale in use before the first pack comes back.
    ~TLanguagePack();
    TLanguagePack(const TLanguagePack&) = delete;
    TLanguagePack& operator=(const TLanguagePack&) = delete;

    // The files tried for a language, in order; none for a locale id without a language.
    QStringList FileNames(qint32 localeId) const;
    // Makes the language's pack the source of every text and releases the pack before. False, with
    // nothing changed, when no file of that language loads as a pack.
    bool Load(qint32 localeId);
    // The locale id of the pack in use; 0 while the built-in texts are.
    qint32 LoadedLocaleId() const { return m_localeId; }
    static QString QtTranslationsFolder();
    // Whether Qt's own texts come in the pack's language too.
    bool HasQtTexts() const { return m_qtTranslator != nullptr; }

private:
    void UseLocaleOf(int position);

    QString m_programFile;
    QString m_qtTranslations;
    QByteArray m_data; // the pack's bytes, which the translator reads from; outlives it
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    std::optional<QLocale> m_localeBefore;
    qint32 m_localeId = 0;
};
