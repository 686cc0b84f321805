#pragma once

#include "parameters/ParameterEditor.h"

#include <QDialog>
#include <QFileDialog>

#include <array>

class QAction;
class QGroupBox;
class QLayout;
class QLabel;
class QMenu;
class QPushButton;
class TConnectionManager;

// The parameters editor: the settings of the selected printer on the page of its model, built from
// the page model, with every change checked by the editor's rules as the operator leaves a field or
// picks an entry. "OK" writes what changed back to the printer; "Cancel" drops the edit. The menu
// saves and loads parameter files and asks the printer for its clock. While the window shows, the
// "Connections" window is disabled, so the printer being edited stays the selected one.
//
// The edit belongs to the printer whose parameters it shows: what it sends goes to that printer
// only, and when another printer becomes the selected one (another printer connects, or this one
// goes) the edit ends and nothing is sent.
class TParametersForm : public QDialog
{
    Q_OBJECT

public:
    explicit TParametersForm(QWidget* parent = nullptr);
    ~TParametersForm() override;

    void Attach(TConnectionManager& manager);
    // The texts in the language now loaded; an edit going on keeps its values.
    void ReloadWindowTexts();

    // ParameterData from the selected printer: a new edit on the page of its model, and the window
    // shown; while the window shows, the page is filled afresh.
    void SetParameters(const TXLMessage& parameterData);
    // The selected printer went away: the edit ends and nothing is sent.
    void HideParameters();

    const TParameterEditor& Editor() const { return m_editor; }
    // The page of a model, once a printer of that model has been edited; null before.
    QGroupBox* PageBox(ParameterPages::TPage page) const { return m_pages[size_t(page)].Box; }

signals:
    // "Date/Time" asked the printer of that channel id for its clock.
    void ClockRequested(quint64 printerId);

public slots:
    // Escape, and the window system's close: as "Cancel".
    void reject() override;

signals:
    // "OK" wrote these settings to the printer (a channel's id).
    void ParametersWritten(quint64 printerId, const QList<TSettingChange>& changes);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    using TPage = ParameterPages::TPage;

    // One page: a group of labelled controls, one per row of the page model.
    struct TPageControls
    {
        QGroupBox* Box = nullptr;
        QList<QLabel*> Labels;
        QList<QWidget*> Controls;
    };

    void BuildMenu();
    QLayout* BuildButtons();
    void EnsurePage(TPage page);
    QGroupBox* BuildPage(TPage page);
    QWidget* CreateControl(TPage page, int row, QWidget* box);
    void RetranslatePage(TPage page);
    bool IsCurrent(TPage page) const { return m_editor.IsOpen() && m_editor.Page() == page; }
    QWidget* ControlAt(int row) const { return m_pages[size_t(m_editor.Page())].Controls.value(row); }

    void ShowModelPage();
    void FillRow(int row);
    QList<QVariant> ShownValues() const;
    // What follows a change the editor took: the rows it changed are shown afresh, and a row
    // that is to take the input focus gets it.
    void Apply(const TEditResult& result);
    void ShowRefusal(const TEditResult& refused, bool fieldHasBeeped);
    void CloseEdit();
    QString ChooseFile(QFileDialog::AcceptMode mode);

    void ListChange(TPage page, int row, int position);
    void NumberEditExit(TPage page, int row);
    void StretchEditExit(TPage page, int row);
    void OKButtonClick();
    void CancelButtonClick();
    void OpenClick();
    void SaveClick();
    void TimeParameterClick();

    TParameterEditor m_editor;
    TConnectionManager* m_manager = nullptr;
    quint64 m_printerId = 0;
    std::array<TPageControls, 5> m_pages;
    QMenu* m_fileMenu = nullptr;
    QAction* m_loadAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_dateTimeAction = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
