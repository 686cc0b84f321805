#pragma once

#include "app/StationWindow.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TMessageForm;
}

// The one window in which printer faults and disconnections are shown, in large letters. It never
// blocks the other windows; a new message replaces the one shown. "OK" hides it.
class TMessageForm : public QDialog, public TStationWindow
{
    Q_OBJECT

public:
    explicit TMessageForm(QWidget* parent = nullptr);
    ~TMessageForm() override;

    void ReloadWindowTexts() override;

    void ShowMessage(const QString& text);
    QString Message() const;

private:
    void FitText();

    std::unique_ptr<Ui::TMessageForm> m_ui;
};
