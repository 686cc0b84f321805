#pragma once

#include <QHash>
#include <QString>

// The station's topics on the broker, all under "vex/v1/<station>/":
//   status                      online or offline (retained; offline is the will)
//   event                       events without a printer (the history's own, a gap in publishing)
//   <printer>/state             the printer's whole state (retained)
//   <printer>/event             each of the printer's events as the history recorded it
//   <printer>/cmd/<verb>        remote commands, answered on .../cmd/<verb>/result
// A station's and a printer's name become a topic level made safe: see SafeLevel. The real names
// are in the payloads.
namespace TopicNames {

inline constexpr char Prefix[] = "vex/v1/";
inline constexpr qsizetype MaxLevelLength = 64;

// Letters, digits, '-', '_' and '.' stay; any other character (the wildcards '+' and '#', the level
// separator '/', blanks, control characters, '$') becomes '_'. A name that had to change, or is
// longer than MaxLevelLength, is cut and followed by '~' and 12 hexadecimal digits of its SHA-256:
// '~' is never kept, so a changed name cannot meet a name that did not need to change, and two
// names that were changed alike still differ. The same name gives the same level on every station
// and after every restart. An empty name is "_~" followed by the digits.
QString SafeLevel(const QString& name);
// The same, with the hash taken of key instead of the name: for names that are the same.
QString DistinctLevel(const QString& name, const QString& key);

// "vex/v1/<station>/"
QString StationRoot(const QString& stationName);

} // namespace TopicNames

// The printers' topic levels in this run. A printer is its name and its address; two printers that
// report the same name (or names made safe alike) do not share a level: the one that came second
// gets a level made distinct by its address.
class TPrinterTopics
{
public:
    QString LevelFor(const QString& name, const QString& address);
    // The printer (name and address) whose level that is; false when none has it.
    bool PrinterOf(const QString& level, QString& name, QString& address) const;

private:
    struct TPrinterKey
    {
        QString Name;
        QString Address;
        bool operator==(const TPrinterKey&) const = default;
    };
    static constexpr qsizetype MaxPrinters = 10000; // beyond it, levels are made and not remembered

    QHash<QString, TPrinterKey> m_byLevel;
    QHash<QString, QString> m_levelByKey; // name + '\n' + address
};
