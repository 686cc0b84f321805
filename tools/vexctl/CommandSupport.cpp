#include "CommandSupport.h"

#include "ConsoleStation.h"
#include "coder/Coder.h"

#include <QJsonObject>
#include <QTextStream>

QTextStream& Commands::Err()
{
    static QTextStream err(stderr);
    return err;
}

QJsonObject Commands::Identity(const TCoder& coder)
{
    return {{QStringLiteral("name"), coder.PrinterName},
            {QStringLiteral("model"), coder.Model},
            {QStringLiteral("modelName"), PrinterModels::Name(coder.Model)},
            {QStringLiteral("version"), coder.Version}};
}

int Commands::NoAnswer(const QString& what)
{
    Err() << "vexctl: the printer does not answer " << what << Qt::endl;
    return ExitCode::NoAnswer;
}

int Commands::PrinterGone(const QString& what)
{
    Err() << "vexctl: the printer went away " << what << Qt::endl;
    return ExitCode::NoAnswer;
}

// "MEMORY WRITE ERROR!" is on standard error already, as the printer's fault.
int Commands::FlashWriteResult(const TConsoleStation& station)
{
    return station.Views().FlashWriteFailed ? ExitCode::FlashWriteFailed : ExitCode::Ok;
}

bool Commands::Ask(TConsoleStation& station, TXLMessageKind request, const std::function<bool()>& answered)
{
    station.Manager().SendToSelected(std::make_unique<TXLMessage>(request));
    return station.Await(answered);
}
