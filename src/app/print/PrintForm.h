#pragma once

#include "app/StationWindow.h"
#include "station/PrintChoice.h"
#include "station/views/PrintWindowView.h"

#include <QDialog>
#include <QPointer>

#include <memory>

namespace Ui {
class TPrintForm;
}

// The print window: the operator chooses the image the selected printer prints (two on the two-head
// model) and starts or stops printing. While it is shown the "Connections" window is disabled. The
// lists follow the selected printer's reports also while the window is hidden.
class TPrintForm : public QDialog, public TPrintWindowView, public TStationWindow
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{327, 188};

    // The window is centred on the main window.
    explicit TPrintForm(QWidget* mainWindow = nullptr);
    ~TPrintForm() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    // "Print" in the main menu: opens the window for the selected printer, its current images
    // preselected; without a selected printer nothing happens.
    void ShowPrintWindow();

    void UpdateImageList(const QStringList& names) override;
    void SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model) override;
    void HidePrintWindow() override { hide(); }

    const TPrintChoice& Choice() const { return m_choice; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void StartButtonClick();
    void StopButtonClick();
    void ShowRows();
    void ShowChoice();
    void SetManagerEnabled(bool enabled);

    std::unique_ptr<Ui::TPrintForm> m_ui;
    QPointer<TStation> m_station;
    TPrintChoice m_choice;
};
