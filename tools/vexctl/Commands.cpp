#include "Commands.h"

#include "CommandSupport.h"
#include "ConsoleStation.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/NetChannel.h"
#include "images/FontUnit.h"
#include "images/ImageData.h"
#include "preview/LabelPreview.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Commands;

namespace {

int Refused(const TImageError& error, const QString& file, const QString& imageName)
{
    Err() << ImageErrorText(error, file, imageName) << Qt::endl;
    return error.Kind == TImageErrorKind::FileUnreadable ? ExitCode::Usage : ExitCode::Refused;
}

} // namespace

int Commands::Encode(const QString& file, const TFontMap& fonts, const QString& outputFile)
{
    TImageDownload download;
    if (std::optional<TImageError> error = download.Begin(file))
        return Refused(*error, file, download.ImageName());
    auto result = download.Finish(fonts);
    if (auto* error = std::get_if<TImageError>(&result))
        return Refused(*error, file, download.ImageName());
    const QByteArray body = std::get<std::unique_ptr<TXLMessage>>(result)->Body();
    QFile output;
    const bool opened = outputFile.isEmpty()
                            ? output.open(stdout, QIODevice::WriteOnly)
                            : (output.setFileName(outputFile), output.open(QIODevice::WriteOnly));
    if (!opened || output.write(body) != body.size()) {
        Err() << "vexctl: cannot write "
              << (outputFile.isEmpty() ? QStringLiteral("standard output") : outputFile) << ": "
              << output.errorString() << Qt::endl;
        return ExitCode::Usage;
    }
    return ExitCode::Ok;
}

int Commands::Status(TConsoleStation& station, const TOptions& options, QTextStream& out)
{
    station.Views().StatusReported = false;
    if (!Ask(station, XLSend::RequestStatus, [&station] { return station.Views().StatusReported; }))
        return NoAnswer(QStringLiteral("the status request"));
    const TCoder& coder = TCoder::Of(*station.Printer());
    // As the main window's print lamp shows it: the printer's status word says whether it prints.
    const bool printing = (coder.StatusWord & TCoder::PrintingBit) != 0;
    if (options.Json) {
        QJsonObject status = Identity(coder);
        status.insert(QStringLiteral("imageA"), coder.CurrentImageA);
        status.insert(QStringLiteral("imageB"), coder.CurrentImageB);
        status.insert(QStringLiteral("printing"), printing);
        status.insert(QStringLiteral("printCount"), coder.PrintCount);
        status.insert(QStringLiteral("statusWord"), coder.StatusWord);
        status.insert(QStringLiteral("freeMemory"), qint64(coder.FreeMemory));
        status.insert(QStringLiteral("images"), QJsonArray::fromStringList(coder.Images));
        out << QJsonDocument(status).toJson(QJsonDocument::Compact) << Qt::endl;
        return ExitCode::Ok;
    }
    const QString images = coder.CurrentImageB.isEmpty()
                               ? coder.CurrentImageA
                               : coder.CurrentImageA + QLatin1String(", ") + coder.CurrentImageB;
    out << "Name:          " << coder.PrinterName << Qt::endl
        << "Model:         " << PrinterModels::Name(coder.Model) << " (" << coder.Model << ")" << Qt::endl
        << "Version:       " << coder.Version << Qt::endl
        << "Current image: " << images << Qt::endl
        << "Printing:      " << (printing ? "yes" : "no") << Qt::endl
        << "Print count:   " << coder.PrintCount << Qt::endl
        << "Status word:   0x" << QStringLiteral("%1").arg(coder.StatusWord, 4, 16, QLatin1Char('0'))
        << Qt::endl
        << "Free memory:   " << coder.FreeMemory << " bytes" << Qt::endl
        << "Stored images: " << coder.Images.join(QLatin1String(", ")) << Qt::endl;
    return ExitCode::Ok;
}

int Commands::Images(TConsoleStation& station, const TOptions& options, QTextStream& out)
{
    const QStringList& images = TCoder::Of(*station.Printer()).Images;
    if (options.Json)
        out << QJsonDocument(QJsonArray::fromStringList(images)).toJson(QJsonDocument::Compact) << Qt::endl;
    else
        for (const QString& name : images)
            out << name << Qt::endl;
    return ExitCode::Ok;
}

int Commands::Send(TConsoleStation& station, const QStringList& files, const TOptions& options)
{
    TConsoleViews& views = station.Views();
    views.Overwrite = options.Overwrite;
    views.Skipped = 0;
    views.FlashWriteDone = false;
    TTransferBatch& batch = station.Station().Batch();
    // Without --verify nothing is checked, whatever the settings say: the command does not ask.
    batch.SetBarcodeCheck(
        options.Verify ? &LabelPreview::FirstUnreadableBarcode : TTransferBatch::BarcodeCheck(), false);
    batch.Start(files);
    // The batch ends with the flash write, or with the printer's refusal, or when the printer goes.
    const bool ended = station.Await(
        [&] { return !batch.IsRunning() && (views.FlashWriteDone || !views.TransferFailure.isEmpty()); });
    if (!station.Printer()->IsConnected())
        return PrinterGone(QStringLiteral("during the transfer"));
    if (!views.TransferFailure.isEmpty() && batch.Index() > 1)
        station.Await([&] { return views.FlashWriteDone; });
    if (!views.TransferFailure.isEmpty())
        return ExitCode::TransferAborted;
    if (!ended)
        return NoAnswer(QStringLiteral("during the transfer"));
    if (const int flashed = FlashWriteResult(station); flashed != ExitCode::Ok)
        return flashed;
    return views.Skipped > 0 ? ExitCode::Refused : ExitCode::Ok;
}

int Commands::Print(TConsoleStation& station, const QString& imageA, const QString& imageB)
{
    station.Views().PrintStartedReported = false;
    station.Station().StartPrint(imageA, imageB);
    if (!station.Await([&station] { return station.Views().PrintStartedReported; }))
        return NoAnswer(QStringLiteral("that printing started"));
    return ExitCode::Ok;
}

int Commands::Stop(TConsoleStation& station)
{
    station.Views().PrintStoppedReported = false;
    station.Station().StopPrint();
    if (!station.AwaitQueueSent() || !station.Await([&station] { return station.Views().PrintStoppedReported; }))
        return NoAnswer(QStringLiteral("that printing stopped"));
    return ExitCode::Ok;
}

int Commands::Delete(TConsoleStation& station, QStringList names)
{
    // Only what the station offers for deletion: the printer's images but its protected one.
    const TCoder& coder = TCoder::Of(*station.Printer());
    const QStringList offered = TImageDeletion::Offered(coder);
    names.removeDuplicates();
    const qsizetype asked = names.size();
    names.removeIf([&](const QString& name) {
        if (offered.contains(name))
            return false;
        Err() << "IMAGE " << name << " not deleted: "
              << (coder.HasImage(name) ? "it is the printer's protected image"
                                       : "the printer does not hold it")
              << Qt::endl;
        return true;
    });

    TImageDeletion& deletion = station.Station().Deletion();
    TConsoleViews& views = station.Views();
    views.FlashWriteDone = false;
    const bool started = deletion.Start(names);
    const bool done =
        !started || station.Await([&] { return !deletion.IsRunning() && views.FlashWriteDone; });
    if (!done)
        return NoAnswer(QStringLiteral("the deletions"));
    if (const int flashed = FlashWriteResult(station); flashed != ExitCode::Ok)
        return flashed;
    return names.size() == asked ? ExitCode::Ok : ExitCode::Refused;
}

int Commands::Discover(TConsoleStation& station, int collectMs, bool identify, const TOptions& options,
                       QTextStream& out)
{
    TNetworkList& network = station.Manager().NetworkList();
    network.SetCollectMs(collectMs);
    network.BuildList();
    station.Await([&network] { return !network.CollectTimer().isActive(); }, collectMs + 1000);
    QJsonArray printers;
    for (TNetChannel* channel : QList<TNetChannel*>(network.Channels())) {
        QJsonObject printer{{QStringLiteral("host"), channel->Host()},
                            {QStringLiteral("port"), channel->Port()}};
        if (identify) {
            channel->Close();
            station.Views().ImageListReceived = false;
            station.Manager().ConnectPrinter(channel->Id());
            if (station.Await([&] { return channel->IsConnected() && station.Views().ImageListReceived; })) {
                const QJsonObject identity = Identity(TCoder::Of(*channel));
                for (auto it = identity.begin(); it != identity.end(); ++it)
                    printer.insert(it.key(), it.value());
            }
            station.Manager().DisconnectAll();
            station.Await([channel] { return channel->QueuedMessages() == 0 && !channel->IsConnected(); });
        }
        printers.append(printer);
        if (!options.Json) {
            out << channel->Name();
            if (printer.contains(QStringLiteral("name")))
                out << "  " << printer.value(QStringLiteral("name")).toString() << "  "
                    << printer.value(QStringLiteral("modelName")).toString() << "  "
                    << printer.value(QStringLiteral("version")).toString();
            out << Qt::endl;
        }
    }
    if (options.Json)
        out << QJsonDocument(printers).toJson(QJsonDocument::Compact) << Qt::endl;
    return ExitCode::Ok;
}
