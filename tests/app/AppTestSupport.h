#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMainWindow;
class QMenuBar;
class QWidget;

// What the window tests share: a station that keeps to itself, and the main menu used as the
// operator uses it.
namespace AppTest {

// Settings for a station under test: discovery goes to a loopback address and port (by default one
// where nothing answers) from a free local port, and every serial port maps to a device that does
// not exist unless the test maps it.
void UseQuietSettings(const QString& discoveryAddress = QStringLiteral("127.0.0.1"), quint16 discoveryPort = 9);
// Maps a serial port name (COM4) to a device.
void MapComPort(int portNumber, const QString& device);

// Opens the menus of the path with the mouse ("Settings", "Language", "Deutsch") and clicks its
// last entry; false when a menu does not open or the entry is not there.
bool ClickMenu(QMainWindow& window, const QStringList& path);
// The same in a menu bar of a window of its own (a dialog's).
bool ClickMenu(QMenuBar& bar, const QStringList& path);
// Runs act on the next modal dialog as soon as it shows (one a menu entry opens and waits for).
void OnNextModal(std::function<void(QWidget*)> act);
// Picks files in the file dialog as an operator types them, relative to its folder, and confirms.
bool ChooseFiles(QWidget* fileDialog, const QString& folder, const QStringList& fileNames);

} // namespace AppTest
