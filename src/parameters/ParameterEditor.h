#pragma once

#include "parameters/ParameterPages.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

class TMessageSink;

// What came of a change the operator made to one setting.
struct TEditResult
{
    enum class TOutcome
    {
        Unchanged,    // the setting already had the value
        Stored,       // the edited record took it
        OutOfRange,   // outside the rule's limits: the field beeps and keeps the focus
        NotAnInteger, // the stretch text is no whole number: the station shows Rule in a box
        NotANumber,   // a typed text that is not a value of the setting (command line)
        UnknownEntry, // a typed text that names no entry of the list (command line)
        ReadOnly,     // the setting cannot be changed on this printer's page
    };

    TOutcome Outcome = TOutcome::Unchanged;
    int Row = -1;
    QString Setting; // the setting's label, translated
    QString Rule;    // for a refusal: the value and the rule that refused it
    // Other rows whose format, limits or value changed with the setting, and the row that takes
    // the input focus (-1: none).
    QList<int> Refresh;
    int Focus = -1;

    bool Refused() const { return Outcome > TOutcome::Stored; }
    // "Speed: 0.39 m/min is not between 0.40 m/min and 35.00 m/min"
    QString Text() const { return Setting + QStringLiteral(": ") + Rule; }
};

// A setting written to the printer: its label and its value before and after, as the page shows
// them, untranslated (a setting the page does not show is named by its number).
struct TSettingChange
{
    QString Setting;
    QString Old;
    QString New;

    bool operator==(const TSettingChange&) const = default;
};

// What came of saving or loading a parameter file.
struct TFileResult
{
    QString Error;           // the station's message; empty when the file was written or read
    bool OtherModel = false; // Load: the file was saved from a printer of another model
    // Save: what the values shown in the controls did; a refusal stops the save before the file
    // is created.
    TEditResult Collected;

    bool Ok() const { return Error.isEmpty() && !Collected.Refused(); }
};

// The parameters editor below its window: the printer's parameters as received and the copy the
// operator edits, the page of the printer's model with the rules of its settings, the parameter
// files, and the writing back of what changed. The parameters window shows it and hands it what the
// operator does; the command-line tool sets settings by their labels.
//
// Rows are positions in Rows(), the page of the printer's model, top to bottom.
class TParameterEditor
{
public:
    TParameterEditor();
    TParameterEditor(TParameterEditor&&) noexcept;
    TParameterEditor& operator=(TParameterEditor&&) noexcept;
    ~TParameterEditor();

    // A ParameterData message from the printer: a new pair of records and the page of its model,
    // also while an edit is open.
    void SetParameters(const TXLMessage& parameterData);
    // The edit is over; the records are freed.
    void Close();
    bool IsOpen() const { return m_received != nullptr; }

    // The rest only while an edit is open; Rows() is empty otherwise.
    quint8 ModelCode() const { return m_modelCode; }
    ParameterPages::TPage Page() const { return ParameterPages::PageOfModel(m_modelCode); }
    std::span<const ParameterPages::TRow> Rows() const
    {
        return IsOpen() ? ParameterPages::Rows(Page()) : std::span<const ParameterPages::TRow>();
    }
    const TParameterData& Received() const { return *m_received; }
    const TParameterData& Edited() const { return *m_edited; }

    // The row of a setting, -1 if the page has none; the row labelled so (the label as shown or
    // untranslated, in any case), -1 if none.
    int RowOf(quint16 parameter) const;
    int FindRow(const QString& label) const;

    // What the control of a row shows (see ParameterPages).
    QString Label(int row) const;
    QStringList Entries(int row) const;
    QString Format(int row) const;
    ParameterPages::TLimits Limits(int row) const;
    qint32 ShownValue(int row) const;
    bool IsReadOnly(int row) const;
    // The setting as text: the list entry (or the number when it names none), the number with its
    // unit.
    QString DisplayText(int row) const;

    // The operator's changes in the window. A value the control shows already changes nothing, so
    // a setting the page cannot show exactly keeps its value until the operator changes it.
    TEditResult ChooseEntry(int row, int position);
    TEditResult LeaveNumber(int row, qint32 value);
    TEditResult EditStretch(int row, const QString& text);
    // The values shown in the page's controls, by row: the list positions and number values as
    // int, the stretch text as a string. Each is taken as leaving its control would take it; the
    // first refusal ends it. A menu choice does not leave the field that has the focus, so saving
    // starts with this.
    TEditResult Collect(const QList<QVariant>& shown);
    // A setting given as text (an entry, or a number with or without its unit), checked by the same
    // rules as the window's controls.
    TEditResult SetText(int row, const QString& text);

    // The rules of the settings whose change changes others; nothing happens on a page without the
    // setting.
    TEditResult EncoderComboChange(int position);
    TEditResult SpeedEditExit(qint32 value);
    TEditResult SpitIntervalEditExit(qint32 value);
    TEditResult StretchEditExit(const QString& text);

    // Writes every setting that differs from the printer's to the printer, in the model's order, and
    // FlashWrite when the record asks for it; the received record is brought up to date. Returns
    // the settings written.
    QList<TSettingChange> SendChanges(TMessageSink& sink);
    // The settings SendChanges would write, in that order (the ribbon printer's record asks for
    // FlashWrite also when it writes none).
    QList<TSettingChange> Changes() const;
    bool HasChanges() const { return !Changes().isEmpty(); }

    // Parameter files: the model byte, then the settings. Save first collects the shown values (none
    // for a caller without controls); it replaces an existing file only once the new one is
    // complete. Load takes only a file of the printer's model, into the edited record.
    TFileResult Save(const QString& path, const QList<QVariant>& shown = {});
    TFileResult Load(const QString& path);

    static QString FileFilter();
    static QString DefaultSuffix() { return QStringLiteral("prm"); }
    // The file name proposed for the selected printer: its name, without characters a file name
    // cannot hold.
    static QString ProposedFileName(const QString& printerName);
    // The folder "Data" in the working folder, or the working folder where it has none.
    static QString InitialFolder(const QString& workingFolder);

private:
    const ParameterPages::TRow& RowAt(int row) const;
    qint32& Setting(quint16 parameter);
    TEditResult Result(int row, TEditResult::TOutcome outcome, const QString& rule = {}) const;
    TEditResult ChangeNumber(int row, qint32 value);
    TEditResult ChangeStretch(int row, qint32 value);
    TEditResult Store(int row, qint32 value);
    TEditResult Refusal(int row, qint32 value, ParameterPages::TLimits limits) const;
    // A row's value in a record as its control shows it, with the entries translated or not.
    QString ValueIn(int row, const TParameterData& record, bool translated) const;

    quint8 m_modelCode = 0;
    std::unique_ptr<TParameterData> m_received;
    std::unique_ptr<TParameterData> m_edited;
};
