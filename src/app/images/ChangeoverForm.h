#pragma once

#include "app/StationWindow.h"
#include "jobs/Changeover.h"
#include "jobs/JobDirectory.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class TFontMap;
class TImageDesignFile;
namespace Ui {
class TChangeoverForm;
}

// "Images", "Changeover": a product's changeover on the selected printer. The operator scans or
// types the product code (or picks the job), fills in the entries the job asks for, and "Check"
// sends, sets and reads back what the job needs; the label is shown with the values the printer
// holds, and "Start" is on only when every item matches the job. Any difference is listed with the
// item, what was expected and what was found.
class TChangeoverForm : public QDialog, public TStationWindow
{
    Q_OBJECT

public:
    enum DifferenceColumn
    {
        ItemColumn,
        ExpectedColumn,
        FoundColumn
    };

    explicit TChangeoverForm(const TFontMap& fonts, QWidget* parent = nullptr);
    ~TChangeoverForm() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    // The main menu's "Changeover": the window shows the jobs of the jobs folder.
    void ShowWindow();
    // The job with the product code (or of that name); false, with the reason shown, when none is.
    bool ChooseProductCode(const QString& code);

    TChangeover* Changeover() { return m_changeover.get(); }
    // The entry field of an entry, by its name; null for none.
    QLineEdit* EntryField(const QString& name) const;

protected:
    void reject() override;

private:
    struct TEntryField
    {
        const TJobRule* Rule = nullptr;
        QLabel* Prompt = nullptr;
        QLineEdit* Field = nullptr;
        QLabel* Problem = nullptr;
    };

    void ShowDesignState();
    void ListJobs();
    void JobChosen(int index);
    void BuildEntries();
    void ClearEntries();
    TJobEntries EnteredValues() const;
    bool EntriesTaken();
    void CheckClick();
    void StartClick();
    void CancelClick();
    void ChangeoverStateChanged();
    void ShowStatus(const QString& text, bool problem = false);
    void ShowDifferences(const QList<TItemDifference>& differences);
    void ShowLabel(const QList<TImageItemRow>* printerRows);
    void UpdateButtons();
    QString StateText() const;

    std::unique_ptr<Ui::TChangeoverForm> m_ui;
    const TFontMap& m_fonts;
    TStation* m_station = nullptr;
    std::unique_ptr<TChangeover> m_changeover;
    QString m_folder;
    QList<JobDirectory::TListedJob> m_listed;
    std::optional<TJob> m_job;
    std::unique_ptr<TImageDesignFile> m_image; // the job's design file, for its items and its picture
    QList<TEntryField> m_entries;
};
