#pragma once

#include <QMainWindow>

// The station's main window: shows the selected printer and carries the main menu.
class TVexMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TVexMainForm(QWidget* parent = nullptr);
};
