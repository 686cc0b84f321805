// Compiled into every test program: a test never touches the user's own settings. Run by hand
// rather than through ctest (which names a settings file per test), it gets a file of its own in
// the temporary folder.
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
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(UseTestSettingsFile)
