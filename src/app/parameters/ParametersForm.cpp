#include "app/parameters/ParametersForm.h"

#include "comm/CommChannel.h"
#include "comm/XLMessage.h"
#include "station/ConnectionManager.h"
#include "station/PrinterSink.h"
#include "widgets/MessageBox.h"
#include "widgets/NumberEdit.h"
#include "widgets/PlainText.h"
#include "widgets/SystemBeep.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace ParameterPages;
using TOutcome = TEditResult::TOutcome;

namespace {
constexpr TPage AllPages[] = {TPage::Altair, TPage::Vega, TPage::Rigel, TPage::Deneb, TPage::Lyra};
constexpr const char* PageNames[] = {"altairPage", "vegaPage", "rigelPage", "denebPage", "lyraPage"};
} // namespace

TParametersForm::TParametersForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TParametersForm"));
    // Ended by "OK" or "Cancel" only: a title without buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenu();
    // The pages share one place above the buttons; the window takes the size of the one shown.
    layout->addLayout(BuildButtons());
    ReloadWindowTexts();
}

TParametersForm::~TParametersForm() = default;

void TParametersForm::BuildMenu()
{
    auto* menuBar = new QMenuBar(this);
    m_fileMenu = menuBar->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    m_loadAction = m_fileMenu->addAction(QString(), this, &TParametersForm::OpenClick);
    m_saveAction = m_fileMenu->addAction(QString(), this, &TParametersForm::SaveClick);
    m_dateTimeAction = menuBar->addAction(QString(), this, &TParametersForm::TimeParameterClick);
    m_dateTimeAction->setObjectName(QStringLiteral("dateTimeAction"));
    layout()->setMenuBar(menuBar);
}

QLayout* TParametersForm::BuildButtons()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    connect(m_okButton, &QPushButton::clicked, this, &TParametersForm::OKButtonClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &TParametersForm::CancelButtonClick);
    return buttons;
}

// A page is made the first time a printer of its model is edited: a line has one or two models,
// and the window program starts sooner without the pages of the others.
void TParametersForm::EnsurePage(TPage page)
{
    if (m_pages[size_t(page)].Box)
        return;
    static_cast<QBoxLayout*>(layout())->insertWidget(0, BuildPage(page));
    RetranslatePage(page);
}

QGroupBox* TParametersForm::BuildPage(TPage page)
{
    TPageControls& controls = m_pages[size_t(page)];
    controls.Box = new QGroupBox(this);
    controls.Box->setObjectName(QLatin1String(PageNames[size_t(page)]));
    controls.Box->setVisible(false);
    auto* rows = new QFormLayout(controls.Box);
    rows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int row = 0; row < qsizetype(Rows(page).size()); ++row) {
        auto* label = new QLabel(controls.Box);
        QWidget* control = CreateControl(page, row, controls.Box);
        label->setBuddy(control);
        rows->addRow(label, control);
        controls.Labels.append(label);
        controls.Controls.append(control);
    }
    PlainText::ForLabelsOf(*controls.Box);
    return controls.Box;
}

QWidget* TParametersForm::CreateControl(TPage page, int row, QWidget* box)
{
    switch (Rows(page)[size_t(row)].Control) {
    case TControl::List: {
        auto* list = new QComboBox(box);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, page, row](int position) { ListChange(page, row, position); });
        return list;
    }
    case TControl::Number: {
        auto* field = new TNumberEdit(box);
        connect(field, &TCustomNumberEdit::Exited, this, [this, page, row] { NumberEditExit(page, row); });
        return field;
    }
    case TControl::Stretch: {
        auto* field = new QSpinBox(box);
        field->setRange(StretchLimits.Min, StretchLimits.Max);
        // The spin box reports whole numbers within its range only; leaving it puts back its
        // last one in place of any other text.
        connect(field, &QSpinBox::textChanged, this, [this, page, row] { StretchEditExit(page, row); });
        connect(field, &QSpinBox::editingFinished, this, [this, page, row] { StretchEditExit(page, row); });
        return field;
    }
    }
    return nullptr;
}

void TParametersForm::Attach(TConnectionManager& manager)
{
    m_manager = &manager;
    connect(&manager, &TConnectionManager::SelectionChanged, this, [this] {
        if (isVisible())
            CloseEdit();
    });
}

void TParametersForm::ReloadWindowTexts()
{
    setWindowTitle(tr("Print parameters"));
    m_fileMenu->setTitle(tr("File"));
    m_loadAction->setText(tr("Load"));
    m_saveAction->setText(tr("Save"));
    m_dateTimeAction->setText(tr("Date/Time"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    for (const TPage page : AllPages)
        RetranslatePage(page);
}

void TParametersForm::RetranslatePage(TPage page)
{
    TPageControls& controls = m_pages[size_t(page)];
    if (!controls.Box)
        return;
    controls.Box->setTitle(tr("Parameters"));
    const std::span<const TRow> rows = Rows(page);
    for (int row = 0; row < qsizetype(rows.size()); ++row) {
        // A list's own accessible name would be its entry: every control is named by its label.
        controls.Labels[row]->setText(LabelText(rows[size_t(row)]));
        controls.Controls[row]->setAccessibleName(controls.Labels[row]->text());
        if (auto* list = qobject_cast<QComboBox*>(controls.Controls[row])) {
            const QSignalBlocker quiet(list);
            const int chosen = list->currentIndex();
            list->clear();
            list->addItems(EntryTexts(rows[size_t(row)]));
            list->setCurrentIndex(chosen);
        }
    }
}

// Only the selected printer's parameters come here.
void TParametersForm::SetParameters(const TXLMessage& parameterData)
{
    const TCommChannel* selected = m_manager ? m_manager->SelectedChannel() : nullptr;
    m_printerId = selected ? selected->Id() : 0;
    m_editor.SetParameters(parameterData);
    ShowModelPage();
}

void TParametersForm::HideParameters()
{
    CloseEdit();
}

// The window is hidden before the records are freed: nothing the controls do on the way out
// reaches a record that is gone.
void TParametersForm::CloseEdit()
{
    hide();
    m_editor.Close();
}

void TParametersForm::ShowModelPage()
{
    const TPage shown = m_editor.Page();
    EnsurePage(shown);
    for (int row = 0; row < qsizetype(m_editor.Rows().size()); ++row)
        FillRow(row);
    for (const TPage page : AllPages)
        if (QGroupBox* box = PageBox(page))
            box->setVisible(page == shown);
    if (!isVisible())
        ControlAt(0)->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

// Lists are filled without telling: filling is no choice of the operator's.
void TParametersForm::FillRow(int row)
{
    QWidget* control = ControlAt(row);
    switch (m_editor.Rows()[size_t(row)].Control) {
    case TControl::List: {
        auto* list = static_cast<QComboBox*>(control);
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(m_editor.Entries(row));
        list->setCurrentIndex(m_editor.ShownValue(row));
        break;
    }
    case TControl::Number: {
        auto* field = static_cast<TNumberEdit*>(control);
        const TLimits limits = m_editor.Limits(row);
        field->SetFormatString(m_editor.Format(row));
        field->SetMinValue(limits.Min);
        field->SetMaxValue(limits.Max);
        field->SetValue(m_editor.ShownValue(row));
        break;
    }
    case TControl::Stretch: {
        auto* field = static_cast<QSpinBox*>(control);
        const QSignalBlocker quiet(field);
        field->setValue(m_editor.ShownValue(row));
        field->setReadOnly(m_editor.IsReadOnly(row));
        break;
    }
    }
}

// What the controls show, by row, as the editor collects it.
QList<QVariant> TParametersForm::ShownValues() const
{
    QList<QVariant> shown;
    for (int row = 0; row < qsizetype(m_editor.Rows().size()); ++row) {
        QWidget* control = ControlAt(row);
        switch (m_editor.Rows()[size_t(row)].Control) {
        case TControl::List:
            shown.append(static_cast<QComboBox*>(control)->currentIndex());
            break;
        case TControl::Number:
            shown.append(static_cast<TNumberEdit*>(control)->Value());
            break;
        case TControl::Stretch:
            shown.append(static_cast<QSpinBox*>(control)->cleanText());
            break;
        }
    }
    return shown;
}

void TParametersForm::Apply(const TEditResult& result)
{
    if (result.Outcome == TOutcome::NotAnInteger) {
        TMessageBox::ShowError(result.Rule, this);
        return;
    }
    for (const int row : result.Refresh)
        FillRow(row);
    if (QWidget* focus = result.Focus >= 0 ? ControlAt(result.Focus) : nullptr)
        focus->setFocus(Qt::OtherFocusReason);
}

// A value out of range is refused as its field refuses it when left: a beep, and the field keeps
// the focus.
void TParametersForm::ShowRefusal(const TEditResult& refused, bool fieldHasBeeped)
{
    if (refused.Outcome != TOutcome::NotAnInteger && !fieldHasBeeped)
        SystemBeep::Sound();
    Apply(refused);
}

void TParametersForm::ListChange(TPage page, int row, int position)
{
    if (IsCurrent(page) && position >= 0)
        Apply(m_editor.ChooseEntry(row, position));
}

void TParametersForm::NumberEditExit(TPage page, int row)
{
    if (IsCurrent(page))
        Apply(m_editor.LeaveNumber(row, static_cast<TNumberEdit*>(ControlAt(row))->Value()));
}

void TParametersForm::StretchEditExit(TPage page, int row)
{
    if (IsCurrent(page))
        Apply(m_editor.EditStretch(row, static_cast<QSpinBox*>(ControlAt(row))->cleanText()));
}

// The field that had the focus was left when the button took it; its check has already beeped
// for a value out of range.
void TParametersForm::OKButtonClick()
{
    if (!m_editor.IsOpen()) {
        CloseEdit();
        return;
    }
    const TEditResult collected = m_editor.Collect(ShownValues());
    if (collected.Refused()) {
        ShowRefusal(collected, true);
        return;
    }
    if (m_manager) {
        TPrinterSink printer(*m_manager, m_printerId);
        emit ParametersWritten(m_printerId, m_editor.SendChanges(printer));
    }
    CloseEdit();
}

void TParametersForm::CancelButtonClick()
{
    CloseEdit();
}

void TParametersForm::reject()
{
    CancelButtonClick();
}

QString TParametersForm::ChooseFile(QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(this, save ? tr("Save") : tr("Load"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Saving replaces a file of the name chosen.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, save);
    dialog.setNameFilter(TParameterEditor::FileFilter());
    dialog.setDefaultSuffix(TParameterEditor::DefaultSuffix());
    dialog.setDirectory(TParameterEditor::InitialFolder(QDir::currentPath()));
    dialog.selectFile(
        TParameterEditor::ProposedFileName(m_manager ? m_manager->SelectedPrinterName() : QString()));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// A menu choice does not leave the field that has the focus: saving collects what the controls
// show. The printer may have gone while the dialog was open, and the edit with it.
void TParametersForm::SaveClick()
{
    const QString path = ChooseFile(QFileDialog::AcceptSave);
    if (path.isEmpty() || !m_editor.IsOpen())
        return;
    const TFileResult saved = m_editor.Save(path, ShownValues());
    if (saved.Collected.Refused()) {
        ShowRefusal(saved.Collected, false);
        return;
    }
    Apply(saved.Collected);
    if (!saved.Error.isEmpty())
        TMessageBox::ShowError(saved.Error, this);
}

// Loading changes the edit only; nothing reaches the printer before "OK".
void TParametersForm::OpenClick()
{
    const QString path = ChooseFile(QFileDialog::AcceptOpen);
    if (path.isEmpty() || !m_editor.IsOpen())
        return;
    const TFileResult loaded = m_editor.Load(path);
    if (!loaded.Ok()) {
        TMessageBox::ShowError(loaded.Error, this);
        return;
    }
    ShowModelPage();
}

// The printer's answer opens the clock dialog.
void TParametersForm::TimeParameterClick()
{
    if (!m_manager || !m_editor.IsOpen())
        return;
    emit ClockRequested(m_printerId);
    TPrinterSink(*m_manager, m_printerId).SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestClock));
}

void TParametersForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && m_manager)
        m_manager->SetEnabled(this, false);
}

void TParametersForm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous() && m_manager)
        m_manager->SetEnabled(this, true);
}
