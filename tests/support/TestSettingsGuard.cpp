// Compiled into every test program: a test never touches the user's own settings or history. Run by
// hand rather than through ctest (which names a settings file and a data folder per test), it gets
// its own in the temporary folder.
#include <QCoreApplication>
#include <QDir>

namespace {
void UseTestSettingsFile()
{
    if (qEnvironmentVariableIsEmpty("VEX_SETTINGS_FILE"))
        qputenv("VEX_SETTINGS_FILE",
                QDir::temp()
                    .filePath(QStringLiteral("vex-test-%1.ini").arg(QCoreApplication::applicationPid()))
                    .toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        qputenv("XDG_DATA_HOME",
                QDir::temp()
                    .filePath(QStringLiteral("vex-test-%1.data").arg(QCoreApplication::applicationPid()))
                    .toLocal8Bit());
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(UseTestSettingsFile)
