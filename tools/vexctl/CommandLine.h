#pragma once

#include "Commands.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

struct TOperatorAnswers;

// The command line's options; each command reads those it needs.
struct TCommandLine
{
    QCommandLineParser Parser;
    QCommandLineOption Printer{QStringLiteral("printer"), QStringLiteral("Printer on the network."),
                               QStringLiteral("HOST[:PORT]")};
    QCommandLineOption Serial{QStringLiteral("serial"), QStringLiteral("Printer on a serial port."),
                              QStringLiteral("COMn|DEVICE")};
    QCommandLineOption Timeout{QStringLiteral("timeout"),
                               QStringLiteral("Printer commands: seconds the printer may leave unanswered "
                                              "(default 10). discover: milliseconds to collect replies "
                                              "(default 3000)."),
                               QStringLiteral("N")};
    QCommandLineOption Json{QStringLiteral("json"), QStringLiteral("Machine-readable output.")};
    QCommandLineOption Overwrite{QStringLiteral("overwrite"),
                                 QStringLiteral("send: replace images the printer holds already.")};
    QCommandLineOption Fontmap{QStringLiteral("fontmap"),
                               QStringLiteral("Font map file (default: the station's own)."),
                               QStringLiteral("PATH")};
    QCommandLineOption Output{QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("encode: write the body to this file; preview: the PNG."),
                              QStringLiteral("OUT")};
    QCommandLineOption Scale{QStringLiteral("scale"),
                             QStringLiteral("preview: pixels per printer dot, 1 to 16 (default 1)."),
                             QStringLiteral("N")};
    QCommandLineOption Verify{QStringLiteral("verify"),
                              QStringLiteral("send: pass over files whose barcodes do not read back.")};
    QCommandLineOption Address{QStringLiteral("address"),
                               QStringLiteral("discover: where the discovery request goes."),
                               QStringLiteral("ADDR[:PORT]")};
    QCommandLineOption Identify{QStringLiteral("identify"),
                                QStringLiteral("discover: connect to each printer for its identity.")};
    QCommandLineOption Set{QStringLiteral("set"),
                           QStringLiteral("clock: set the printer's clock to this date and time."),
                           QStringLiteral("YYYY-MM-DD HH:MM")};
    QCommandLineOption Sync{QStringLiteral("sync"),
                            QStringLiteral("clock: set the printer's clock to the PC's.")};
    QCommandLineOption AnswerText{QStringLiteral("answer-text"),
                                  QStringLiteral("Answer the printer's text requests with TEXT."),
                                  QStringLiteral("TEXT")};
    QCommandLineOption AnswerNumber{
        QStringLiteral("answer-number"),
        QStringLiteral("Answer the printer's numeric requests with N (1 to 8 digits)."), QStringLiteral("N")};
    QCommandLineOption AnswerDate{QStringLiteral("answer-date"),
                                  QStringLiteral("Answer the printer's date requests with this date."),
                                  QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption Reconnect{QStringLiteral("reconnect"),
                                 QStringLiteral("monitor: connect again to a printer that went away.")};
    QCommandLineOption Interval{QStringLiteral("interval"),
                                QStringLiteral("monitor: seconds between status requests (default 5)."),
                                QStringLiteral("S")};
    QCommandLineOption Since{QStringLiteral("since"),
                             QStringLiteral("history: only events at or after this time."),
                             QStringLiteral("TIME")};
    QCommandLineOption Kind{QStringLiteral("kind"), QStringLiteral("history: only events of this kind."),
                            QStringLiteral("KIND")};
    QCommandLineOption Csv{QStringLiteral("csv"), QStringLiteral("history: comma-separated values.")};
    QCommandLineOption Value{QStringLiteral("value"),
                             QStringLiteral("job run: the value of an operator entry (may be given several "
                                            "times)."),
                             QStringLiteral("NAME=VALUE")};

    TCommandLine();
};

// The script's answers to operator requests; the problem with them, if any.
QString ReadOperatorAnswers(const TCommandLine& line, TOperatorAnswers& answers);
// The script's values of a job's operator entries (--value NAME=VALUE); the problem with them, if
// any.
QString ReadJobEntries(const TCommandLine& line, TJobEntries& entries);
// Whether vexctl has a command of that name.
bool IsCommand(const QString& command);
// What is wrong with the arguments of a printer command, before any printer is reached; nothing when
// they are right.
QString PrinterCommandUsage(const QString& command, const QStringList& rest,
                            const Commands::TOptions& options);
