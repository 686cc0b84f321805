#include "AppTestSupport.h"

#include "platform/ComPortNames.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QFileDialog>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

void AppTest::UseQuietSettings(const QString& discoveryAddress, quint16 discoveryPort)
{
    const std::unique_ptr<QSettings> settings = SettingsStore::Open();
    settings->clear();
    settings->setValue(QLatin1String(SettingsStore::DiscoveryAddress), discoveryAddress);
    settings->setValue(QLatin1String(SettingsStore::DiscoveryPort), discoveryPort);
    settings->setValue(QLatin1String(SettingsStore::DiscoveryLocalPort), 0);
    for (int n = ComPortNames::FirstPort; n <= ComPortNames::LastPort; ++n)
        settings->setValue(QStringLiteral("%1/%2").arg(QLatin1String(SettingsStore::ComPortDevicesGroup),
                                                       ComPortNames::Name(n)),
                           QStringLiteral("/nonexistent/tty%1").arg(n));
}

void AppTest::MapComPort(int portNumber, const QString& device)
{
    SettingsStore::SetValue(
        QStringLiteral("%1/%2").arg(QLatin1String(SettingsStore::ComPortDevicesGroup), ComPortNames::Name(portNumber)),
        device);
}

namespace {
QAction* EntryOf(const QList<QAction*>& entries, const QString& text)
{
    for (QAction* entry : entries)
        if (entry->text() == text && entry->isVisible())
            return entry;
    return nullptr;
}
} // namespace

bool AppTest::ClickMenu(QMainWindow& window, const QStringList& path)
{
    return ClickMenu(*window.menuBar(), path);
}

bool AppTest::ClickMenu(QMenuBar& bar, const QStringList& path)
{
    QAction* entry = EntryOf(bar.actions(), path.value(0));
    if (!entry)
        return false;
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(entry).center());
    for (int depth = 1; depth < path.size(); ++depth) {
        QMenu* menu = entry->menu();
        if (!menu || !QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
            return false;
        entry = EntryOf(menu->actions(), path[depth]);
        if (!entry)
            return false;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    }
    return true;
}

void AppTest::OnNextModal(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(10);
}

bool AppTest::ChooseFiles(QWidget* fileDialog, const QString& folder, const QStringList& fileNames)
{
    auto* dialog = qobject_cast<QFileDialog*>(fileDialog);
    auto* nameEdit = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    auto* files = dialog ? dialog->findChild<QAbstractItemView*>(QStringLiteral("listView")) : nullptr;
    if (!nameEdit || !files)
        return false;
    // The folder's entries are read in the background; typing before they are there loses keys.
    dialog->setDirectory(folder);
    if (!QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) > 0; }, 5000))
        return false;
    QString typed;
    for (const QString& name : fileNames)
        typed += QStringLiteral("\"%1\" ").arg(name);
    typed = typed.trimmed();
    // The dialog may still settle on its folder and reset the name field while the first keys come:
    // what it lost is typed again.
    for (int attempt = 0; attempt < 3 && nameEdit->text() != typed; ++attempt) {
        QTest::keyClick(nameEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(nameEdit, typed);
        QTest::qWait(20);
    }
    QTest::keyClick(nameEdit, Qt::Key_Return);
    if (dialog->isVisible()) {
        dialog->reject(); // the test goes on, and fails
        return false;
    }
    return true;
}
