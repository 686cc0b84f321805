#pragma once

#include "app/StationWindow.h"
#include "history/HistoryModel.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <memory>

class QProgressDialog;
class THistoryStore;
namespace Ui {
class THistoryForm;
}

// "History": what happened to the printers and what was done to them, newest first, filtered by
// printer, kind and time range. Rows the station records appear on top as they are written (rows
// another program writes, within PollMs); "Export..." writes the rows the filter passes to a CSV
// file, a slice per turn of the event loop with its progress shown.
class THistoryForm : public QDialog, public TStationWindow
{
    Q_OBJECT

public:
    static constexpr int PollMs = 2000;
    static constexpr int MaxPrinters = 500;
    static constexpr int ExportSliceRows = 2000;

    explicit THistoryForm(QWidget* mainWindow = nullptr);
    ~THistoryForm() override;

    // The history the window reads and follows.
    void SetStore(THistoryStore& store);
    void ReloadWindowTexts() override;

    // "Printer", "History": the window with the newest rows.
    void ShowWindow();
    THistoryModel& Model() { return m_model; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillPrinters();
    void FillKinds();
    void SetTimeFormat();
    void FilterChanged();
    void ShowStatus(const QString& text = {});
    void ExportClick();
    QString ChooseExportFile();
    void StartExport(const QString& path);
    void ExportStep();
    void EndExport(const QString& status);

    struct TExportRun;

    std::unique_ptr<Ui::THistoryForm> m_ui;
    THistoryModel m_model;
    THistoryStore* m_store = nullptr;
    QTimer m_poll;
    std::unique_ptr<TExportRun> m_export;
    QTimer m_exportStep;
    bool m_filling = false; // the lists are being filled: their changes are no filter of the operator's
};
