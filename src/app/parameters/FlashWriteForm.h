#pragma once

#include "station/FlashWriteNotice.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TFlashWriteForm;
}

// The wait notice while the selected printer writes its flash memory: on top of every window,
// centred on the screen, without buttons; the operator cannot close it. When it shows is the
// notice's rule (TFlashWriteNotice).
class TFlashWriteForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFlashWriteForm(QWidget* parent = nullptr);
    ~TFlashWriteForm() override;

    void ReloadWindowTexts();

    // FlashWriteStarted; FlashWriteDone or MemoryWriteError.
    void FlashWriteStarted();
    void FlashWriteEnded();

    TFlashWriteNotice& Notice() { return m_notice; }

public slots:
    // Escape and the window system's close leave the notice up: the printer's report ends it.
    void reject() override {}

private:
    std::unique_ptr<Ui::TFlashWriteForm> m_ui;
    TFlashWriteNotice m_notice;
};
