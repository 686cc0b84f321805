#include "SimCommands.h"

#include "SimPrinter.h"

#include <optional>

namespace {

// Words separated by blanks; a word in double quotes may hold blanks, and "" is an empty word.
QStringList Words(const QString& line)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

// A number in decimal, or in hexadecimal after 0x.
std::optional<quint32> Number(const QString& text, quint32 max = 0xFFFFFFFF)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qulonglong value = hex ? text.mid(2).toULongLong(&ok, 16) : text.toULongLong(&ok, 10);
    if (!ok || value > max)
        return std::nullopt;
    return quint32(value);
}

SimCommands::TResult Error(const QString& text)
{
    return {false, text};
}

SimCommands::TResult Fault(TSimPrinter& printer, const QStringList& words)
{
    static const QList<QPair<QString, XLReceive::StatusSub>> faults = {
        {QStringLiteral("timeout"), XLReceive::PrintCycleTimeout},
        {QStringLiteral("position"), XLReceive::PositioningError},
        {QStringLiteral("ribbon"), XLReceive::RibbonFault},
        {QStringLiteral("memory"), XLReceive::MemoryWriteError},
    };
    for (const auto& [name, sub] : faults)
        if (words.size() == 2 && words[1] == name) {
            printer.SendFault(sub);
            return {};
        }
    return Error(QStringLiteral("usage: fault timeout|position|ribbon|memory"));
}

SimCommands::TResult Request(TSimPrinter& printer, const QStringList& words)
{
    const QString kind = words.value(1);
    if (kind == QLatin1String("date") && words.size() == 2) {
        printer.SendOperatorDateRequest();
        return {};
    }
    if (kind == QLatin1String("text") && words.size() == 5) {
        if (const auto maxLength = Number(words[4], 0xFF)) {
            printer.SendOperatorTextRequest(words[2], words[3], quint8(*maxLength));
            return {};
        }
    }
    if (kind == QLatin1String("numeric") && words.size() == 6) {
        const auto value = Number(words[2]);
        const auto limitA = Number(words[3]);
        const auto limitB = Number(words[4]);
        const auto item = Number(words[5], 0xFF);
        if (value && limitA && limitB && item) {
            printer.SendOperatorNumericRequest(*value, *limitA, *limitB, quint8(*item));
            return {};
        }
    }
    return Error(QStringLiteral("usage: request text PROMPT DEFAULT MAXLEN | request date | "
                                "request numeric VALUE LIMIT_A LIMIT_B ITEM"));
}

SimCommands::TResult Status(TSimPrinter& printer, const QStringList& words)
{
    const auto word = words.size() == 2 ? Number(words[1], 0xFFFF) : std::nullopt;
    if (!word)
        return Error(QStringLiteral("usage: status WORD (decimal, or hexadecimal after 0x)"));
    printer.SetStatusWord(quint16(*word));
    return {};
}

SimCommands::TResult Count(TSimPrinter& printer, const QStringList& words)
{
    const auto count = words.size() == 2 ? Number(words[1]) : std::nullopt;
    if (!count)
        return Error(QStringLiteral("usage: count N (decimal, or hexadecimal after 0x)"));
    printer.SetPrintCount(*count);
    return {};
}

SimCommands::TResult Silent(TSimPrinter& printer, const QStringList& words)
{
    const QString state = words.value(1);
    if (words.size() != 2 || (state != QLatin1String("on") && state != QLatin1String("off")))
        return Error(QStringLiteral("usage: silent on|off"));
    printer.Faults().Silent = state == QLatin1String("on");
    return {};
}

SimCommands::TResult Modify(TSimPrinter& printer, const QStringList& words)
{
    if (words.size() != 4)
        return Error(QStringLiteral("usage: modify IMAGE ITEM VALUE"));
    if (!printer.State().ModifyItem(words[1], words[2], words[3]))
        return Error(QStringLiteral("modify: no item %1 of an image %2 that takes that value").arg(words[2], words[1]));
    return {};
}

SimCommands::TResult Store(TSimPrinter& printer, const QStringList& words)
{
    if (words.size() != 2)
        return Error(QStringLiteral("usage: store FILE"));
    if (const QString refused = printer.State().StoreDesignFile(words[1]); !refused.isEmpty())
        return Error(QStringLiteral("store: ") + refused);
    return {};
}

} // namespace

QString SimCommands::Help()
{
    return QStringLiteral(
        "Commands on standard input, one per line (put a word that holds blanks, or an empty word, in "
        "\"\"):\n"
        "  fault timeout|position|ribbon|memory\n"
        "      report a print cycle timeout, positioning error, ribbon fault or memory write error\n"
        "  request text PROMPT DEFAULT MAXLEN   ask the operator for a text\n"
        "  request date                         ask the operator for a date\n"
        "  request numeric VALUE LIMIT_A LIMIT_B ITEM\n"
        "      ask the operator for a number between the two limits for item ITEM\n"
        "  disconnect      tell the station the printer ends the connection (DisconnectNotice)\n"
        "  disconnected    report the printer disconnected (status 17)\n"
        "  status WORD     set the status word (decimal, or hexadecimal after 0x) and report it\n"
        "  count N         set the print count and report it\n"
        "  silent on|off   stop or resume answering anything: acknowledgements, replies, discovery\n"
        "  modify IMAGE ITEM VALUE   give an item of a stored image a new value, as an operator at the\n"
        "                  printer would (the station sees it in the next description of the items)\n"
        "  store FILE      store the image of a design file, replacing one of the same name, as an\n"
        "                  operator at the printer would\n"
        "  quit            end the program (so does the end of standard input, or SIGTERM)\n"
        "Messages of the printer's own go to every open link whose station has not disconnected.\n");
}

SimCommands::TResult SimCommands::Execute(TSimPrinter& printer, const QString& line)
{
    const QStringList words = Words(line);
    const QString command = words.value(0);
    if (command.isEmpty())
        return {};
    if (command == QLatin1String("quit") && words.size() == 1)
        return {true, {}};
    if (command == QLatin1String("fault"))
        return Fault(printer, words);
    if (command == QLatin1String("request"))
        return Request(printer, words);
    if (command == QLatin1String("status"))
        return Status(printer, words);
    if (command == QLatin1String("count"))
        return Count(printer, words);
    if (command == QLatin1String("silent"))
        return Silent(printer, words);
    if (command == QLatin1String("modify"))
        return Modify(printer, words);
    if (command == QLatin1String("store"))
        return Store(printer, words);
    if (command == QLatin1String("disconnect") && words.size() == 1) {
        printer.SendDisconnectNotice();
        return {};
    }
    if (command == QLatin1String("disconnected") && words.size() == 1) {
        printer.SendDisconnected();
        return {};
    }
    return Error(QStringLiteral("unknown command: ") + line.trimmed());
}
