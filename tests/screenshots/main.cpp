// vex-screenshots: pictures of the station's windows and dialogs, for the documentation and for
// looking at them. The window program runs offscreen against simulated printers in this process;
// every window is opened as an operator opens it and grabbed, in English and then in German.
//
//     vex-screenshots [--program PATH] [--labels DIR] OUTDIR   ->  OUTDIR/en/*.png, OUTDIR/de/*.png
//
// The texts come from the language packs beside PATH (by default the window program of this
// build), found as the station finds its packs. The printers hold the example labels of DIR.

#include "ScreenshotTour.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// The languages of the pictures, each chosen in the main menu as an operator chooses it: its pack
// brings the texts, Qt's own texts and the language's date format.
const struct
{
    const char* Folder;
    qint32 LocaleId;
} PictureLanguages[] = {{"en", 2057}, {"de", 1031}};

// The offscreen window system says for every window that it cannot raise it or pass size hints on;
// everything else goes to Qt's own handler.
QtMessageHandler StandardMessageHandler = nullptr;
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        StandardMessageHandler(type, context, text);
}

// The offscreen window system with the screen of a line PC (1280 x 1024), which the windows that
// take their size from the screen size themselves by, as on the line.
QByteArray OffscreenPlatform(const QString& configFile)
{
    const QJsonObject screen{{QStringLiteral("name"), QStringLiteral("line")},
                             {QStringLiteral("x"), 0},
                             {QStringLiteral("y"), 0},
                             {QStringLiteral("width"), 1280},
                             {QStringLiteral("height"), 1024},
                             {QStringLiteral("logicalDpi"), 96},
                             {QStringLiteral("logicalBaseDpi"), 96},
                             {QStringLiteral("dpr"), 1}};
    QFile file(configFile);
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("screens"), QJsonArray{screen}}}).toJson());
    return "offscreen:configfile=" + configFile.toLocal8Bit();
}

int Fail(const QString& text)
{
    std::fprintf(stderr, "vex-screenshots: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // The pictures are taken offscreen, with settings and a data folder (the history) of their own in
    // a folder that goes at the end, which is also the working folder (a transfer leaves the last
    // image body there).
    QTemporaryDir work;
    qputenv("QT_QPA_PLATFORM", OffscreenPlatform(work.filePath(QStringLiteral("screen.json"))));
    qputenv("VEX_SETTINGS_FILE", work.filePath(QStringLiteral("vex.ini")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", work.filePath(QStringLiteral("data")).toLocal8Bit());
    StandardMessageHandler = qInstallMessageHandler(&QuietOffscreenNotes);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telvos Vex"));
    QApplication::setWindowIcon(ProgramIcon::Icon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pictures of every window of the station, in English and German."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("program"),
                      QStringLiteral("The window program whose language packs to use."),
                      QStringLiteral("PATH"), QStringLiteral(VEX_PROGRAM)});
    parser.addOption({QStringLiteral("labels"), QStringLiteral("The folder of the example labels."),
                      QStringLiteral("DIR"), QStringLiteral(VEX_EXAMPLE_LABELS)});
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Where the pictures go."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !work.isValid())
        parser.showHelp(2);
    const QDir out(parser.positionalArguments().first());
    // Both before the working folder changes.
    const QString labels = QDir(parser.value(QStringLiteral("labels"))).absolutePath();
    const QString program = QFileInfo(parser.value(QStringLiteral("program"))).absoluteFilePath();
    QDir::setCurrent(work.path());

    TScreenshotPrinters printers;
    if (const QString failed = printers.Start(labels, work.path()); !failed.isEmpty())
        return Fail(failed);
    printers.WriteStationSettings();

    QStringList failures;
    {
        TStationWindows windows(program);
        windows.Start();
        TScreenshotTour tour(windows, printers, labels);
        if (tour.Connect()) {
            for (const auto& [folderName, localeId] : PictureLanguages) {
                windows.LanguageSelectClick(localeId);
                if (windows.LanguagePack().LoadedLocaleId() != localeId) {
                    failures << QStringLiteral("no %1 language pack beside %2")
                                    .arg(QLatin1String(folderName), program);
                    break;
                }
                const QDir folder(out.filePath(QLatin1String(folderName)));
                if (!QDir().mkpath(folder.path()))
                    return Fail(QStringLiteral("cannot make ") + folder.path());
                tour.Run(folder);
            }
        }
        failures << tour.Failures();

        // The station closes as an operator closes it: every printer is told.
        QSignalSpy closed(&windows.MainForm(), &TVexMainForm::Closed);
        windows.MainForm().close();
        closed.wait(2000);
    }
    for (const QString& failure : failures)
        Fail(failure);
    return failures.isEmpty() ? 0 : 1;
}
