#include "CommandLine.h"

#include "ConsoleViews.h"
#include "HelpText.h"
#include "comm/XLMessage.h"
#include "station/NumericRequest.h"

#include <QRegularExpression>

TCommandLine::TCommandLine()
{
    Parser.setApplicationDescription(HelpText());
    Parser.addHelpOption();
    Parser.addVersionOption();
    Parser.addOptions({Printer, Serial, Timeout, Json, Overwrite, Fontmap, Output, Scale, Address, Identify,
                       Verify, Set, Sync, AnswerText, AnswerNumber, AnswerDate, Reconnect, Interval, Since,
                       Kind, Csv, Value});
    Parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do; see above."));
}

QString ReadOperatorAnswers(const TCommandLine& line, TOperatorAnswers& answers)
{
    const QCommandLineParser& parser = line.Parser;
    if (parser.isSet(line.AnswerText)) {
        const QString text = parser.value(line.AnswerText);
        if (!TXLMessage::IsWireString(text))
            return QStringLiteral("--answer-text holds a character a printer message cannot carry");
        answers.Text = text;
    }
    if (parser.isSet(line.AnswerNumber)) {
        // What the numeric window's entry field takes.
        static const QRegularExpression digits(
            QStringLiteral("^[0-9]{1,%1}$").arg(TNumericRequest::EntryDigits));
        const QString number = parser.value(line.AnswerNumber);
        if (!digits.match(number).hasMatch())
            return QStringLiteral("--answer-number takes 1 to %1 decimal digits")
                .arg(TNumericRequest::EntryDigits);
        answers.Number = number.toInt();
    }
    if (parser.isSet(line.AnswerDate)) {
        const QDate date = QDate::fromString(parser.value(line.AnswerDate), QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return QStringLiteral("--answer-date takes a date like 2024-03-05");
        answers.Date = date;
    }
    return {};
}

QString ReadJobEntries(const TCommandLine& line, TJobEntries& entries)
{
    for (const QString& given : line.Parser.values(line.Value)) {
        const qsizetype equals = given.indexOf(QLatin1Char('='));
        const QString name = given.left(equals);
        if (equals <= 0)
            return QStringLiteral("--value takes NAME=VALUE, not '%1'").arg(given);
        if (entries.contains(name))
            return QStringLiteral("--value gives %1 twice").arg(name);
        entries.insert(name, given.mid(equals + 1));
    }
    return {};
}

namespace {
const QStringList PrinterCommands{"status", "images", "send",  "print",  "stop",    "delete",
                                  "params", "clock",  "items", "modify", "monitor", "job"};
const QStringList CommandsWithoutPrinter{"encode", "preview", "discover", "history"};
} // namespace

bool IsCommand(const QString& command)
{
    return PrinterCommands.contains(command) || CommandsWithoutPrinter.contains(command);
}

QString PrinterCommandUsage(const QString& command, const QStringList& rest,
                            const Commands::TOptions& options)
{
    if (!PrinterCommands.contains(command))
        return QStringLiteral("unknown command '%1'").arg(command);
    if ((command == QLatin1String("send") || command == QLatin1String("delete")) && rest.isEmpty())
        return QStringLiteral("%1 needs at least one name").arg(command);
    if (command == QLatin1String("print") && (rest.isEmpty() || rest.size() > 2))
        return QStringLiteral("print takes IMAGE [IMAGE_B]");
    if (command == QLatin1String("params"))
        return Commands::ParamsUsage(rest);
    if (command == QLatin1String("clock") && (!rest.isEmpty() || (options.ClockSet && options.ClockSync)))
        return QStringLiteral("clock takes either --set \"YYYY-MM-DD HH:MM\" or --sync, or neither");
    if (command == QLatin1String("items") && rest.size() != 1)
        return QStringLiteral("items takes one image name");
    if (command == QLatin1String("modify") && rest.size() != 3)
        return QStringLiteral("modify takes IMAGE ITEM VALUE");
    if (command == QLatin1String("job") && (rest.size() != 2 || rest.first() != QLatin1String("run")))
        return QStringLiteral("job takes run JOB|PRODUCT-CODE, or check JOB without a printer");
    const bool takesNoArguments = command == QLatin1String("status") || command == QLatin1String("images") ||
                                  command == QLatin1String("stop") || command == QLatin1String("monitor");
    if (takesNoArguments && !rest.isEmpty())
        return QStringLiteral("%1 takes no arguments").arg(command);
    return {};
}
