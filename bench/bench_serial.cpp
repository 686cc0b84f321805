// A 20 KB image message queued on a serial channel to the simulated printer over a pseudo-terminal
// that the simulator paces as a serial line (8N1), until its last acknowledgement. The floor is the
// time the line itself needs: every byte that has to cross it, the image's packets one way and
// their acknowledgements the other, at ten bits a byte. Stop and wait sends a packet only once the
// last one's acknowledgement is through, so nothing can be faster.
//
// The 9600 baud transfer takes over 20 s and runs once; the 115200 baud one runs three times and
// the best counts.
#include "BenchSupport.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "images/FontUnit.h"
#include "station/SilentViews.h"
#include "station/Station.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

constexpr int BodySize = 20 * 1024;
constexpr int AckBytes = 9;

struct TLine
{
    int Baud;
    int Runs;
    const char* What;
    const char* Goal;
};

// A simulator process whose pseudo-terminal is a line of the given rate; the device once it is ready.
QString StartPrinter(QProcess& printer, int baud)
{
    printer.start(QStringLiteral(VEX_PRINTER_SIM), {"--pty", "--baud", QString::number(baud)});
    while (!printer.canReadLine() && printer.waitForReadyRead(10000)) {
    }
    const QList<QByteArray> ready = printer.readLine().trimmed().split(' ');
    if (ready.value(0) != "READY" || !ready.value(2).startsWith("pty=")) {
        std::fprintf(stderr, "the simulator did not start: %s\n", printer.readAllStandardError().constData());
        return {};
    }
    return QString::fromLocal8Bit(ready.value(2).mid(4));
}

TXLMessage ImageMessage()
{
    TXLMessage message(XLSend::ImageData);
    QByteArray body("BENCH", 6);
    body.append(QByteArray(BodySize - body.size(), 'i'));
    message.WriteBytes(body);
    return message;
}

// The bytes that cross the line for one message: its packets at the full size, and an
// acknowledgement of each.
qint64 LineBytes(TXLMessage message)
{
    message.SetPosition(0);
    qint64 bytes = 0;
    for (bool more = true; more;) {
        TXLPacket packet(0);
        more = packet.BuildFromMessage(message);
        bytes += packet.Size() + AckBytes;
    }
    return bytes;
}

// Seconds the station needs for the image, best of the runs; 0 when the printer cannot be reached.
double TransferSeconds(const TLine& line, const TXLMessage& image)
{
    QProcess printer;
    const QString device = StartPrinter(printer, line.Baud);
    if (device.isEmpty())
        return 0;
    TSilentViews views;
    const TFontMap fonts;
    TStation station(views.Views(), fonts, TDiscoveryAddress::NothingToFind());
    TSerialChannel channel(QStringLiteral("COM1"), 1, station.PrinterFactory(), nullptr, device);
    channel.Connect();
    // Connected once the printer has told its images, and the line is quiet again.
    const TCoder& coder = TCoder::Of(channel);
    const auto quiet = [&] {
        QElapsedTimer settle;
        settle.start();
        Bench::Await([&] { return settle.elapsed() >= 100 + 40 * 10000 / line.Baud; }, 10);
    };
    Bench::Await([&] { return !coder.Images.isEmpty() && channel.QueuedMessages() == 0; }, 1);
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < line.Runs; ++run) {
        quiet(); // after the last run: the printer's request for the next image, and its acknowledgement
        QElapsedTimer clock;
        clock.start();
        channel.QueueMessage(std::make_unique<TXLMessage>(image));
        Bench::Await([&] { return channel.QueuedMessages() == 0; }, 1);
        best = std::min(best, double(clock.nsecsElapsed()) / 1e9);
    }
    channel.Close();
    printer.closeWriteChannel();
    printer.waitForFinished(10000);
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const TXLMessage image = ImageMessage();
    const qint64 lineBytes = LineBytes(image);
    for (const TLine& line :
         {TLine{115200, 3, "serial, 115200 baud: 20 KB image to the simulator", "<= 1.15"},
          TLine{9600, 1, "serial, 9600 baud: 20 KB image to the simulator", "<= 1.05"}}) {
        const double seconds = TransferSeconds(line, image);
        if (seconds <= 0)
            return 1;
        const double floor = double(lineBytes) * 10 / line.Baud;
        Bench::Report(line.What, seconds * 1000, "ms", floor * 1000, "line time both ways", line.Goal);
    }
    return 0;
}
