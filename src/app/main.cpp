#include "VexVersion.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "widgets/ProgramIcon.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telvos Vex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Telvos Vex"));
    QApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));
    QApplication::setWindowIcon(ProgramIcon::Icon());
    // The program ends when its main window has closed every link, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    TStationWindows windows;
    QObject::connect(&windows.MainForm(), &TVexMainForm::Closed, &app, &QCoreApplication::quit);
    windows.Start();
    return app.exec();
}
