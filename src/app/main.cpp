#include "VexVersion.h"
#include "app/VexMainForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telvos Vex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Telvos Vex"));
    QApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));

    TVexMainForm mainForm;
    mainForm.show();
    return app.exec();
}
