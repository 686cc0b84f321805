#pragma once

#include "InProcessPrinter.h"
#include "SimDiscovery.h"

#include <QDir>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TStationWindows;

// The printers the pictures show, in this process: LINE1 a Deneb, LINE2 a Vega, LINE4 a Rigel and
// LINE5 a Lyra over TCP, found by discovery on the loopback broadcast address, and LINE3 an Altair
// on a pseudo-terminal that the station knows as COM3.
class TScreenshotPrinters
{
public:
    struct TPrinter
    {
        TPrinter(const TSimPrinterConfig& config, const QString& logPath);
        TInProcessPrinter Sim;
        TSimDiscovery Discovery;
    };

    // Starts them, each with the example labels of its model; empty, or what failed.
    QString Start(const QString& labelFolder, const QString& logFolder);
    // Settings for a station that finds them and nothing else.
    void WriteStationSettings() const;

    TPrinter& At(int line) { return *m_printers.at(size_t(line - 1)); }
    static constexpr int SerialLine = 3;
    static constexpr int SerialPort = 3; // COM3

private:
    std::vector<std::unique_ptr<TPrinter>> m_printers;
    quint16 m_discoveryPort = 0;
};

// Opens every window and dialog of the station as an operator does and saves a picture of each into
// a folder, in the language the station shows at the time.
class TScreenshotTour
{
public:
    TScreenshotTour(TStationWindows& windows, TScreenshotPrinters& printers, QString labelFolder)
        : m_windows(windows), m_printers(printers), m_labelFolder(std::move(labelFolder))
    {}

    // The printers found and LINE1 to LINE3 connected; false (with Failures) when they were not.
    bool Connect();
    // Every picture into the folder; what could not be taken is in Failures.
    void Run(const QDir& folder);

    const QStringList& Failures() const { return m_failures; }

private:
    quint64 ChannelOf(int line) const;
    bool Select(int line);
    bool Save(const QString& name, QWidget* window);
    bool Check(bool done, const QString& what);
    // act runs on the next modal dialog as soon as it shows, from within its wait; false when none
    // showed in time. Unlike AppTest::OnNextModal it stops looking then, so that a later dialog is
    // not taken for it.
    bool OnNextModal(const std::function<void(QWidget&)>& act, const std::function<void()>& open);

    void MainWindow();
    void Connections();
    void PrintWindows();
    void ImageDialogs();
    void OperatorWindows();
    void ParametersWindows();
    void TransferAndFlashWrite();
    void Changeover();
    void Preview();
    void AboutBox();
    void History();
    void Line();

    TStationWindows& m_windows;
    TScreenshotPrinters& m_printers;
    QString m_labelFolder;
    QDir m_folder;
    QStringList m_failures;
};
