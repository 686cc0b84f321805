#include "app/main/VexMainForm.h"

#include "ui_VexMainForm.h"

#include "app/images/ImageFileDialog.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/XLMessage.h"
#include "station/ComPortChoices.h"
#include "station/LanguagePack.h"
#include "station/Station.h"
#include "widgets/ElidingLabel.h"
#include "widgets/PlainText.h"
#include "widgets/WindowPlacement.h"

#include <QActionGroup>
#include <QCloseEvent>

TVexMainForm::TVexMainForm(QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TVexMainForm>()), m_languageGroup(new QActionGroup(this))
{
    PlainText::SetupForm(*m_ui, this);
    // Closed only through "Exit": a title without buttons, and a size of its own.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    m_ui->clientArea->setFixedSize(ClientSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_ui->menuComPorts->menuAction()->setVisible(false);

    // A radio group that may have no entry checked: none is before a pack was chosen.
    m_languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* entry : LanguageEntries())
        m_languageGroup->addAction(entry);

    m_flashTimer.setInterval(FlashMs);
    connect(&m_flashTimer, &QTimer::timeout, this, &TVexMainForm::FlashTimerTimeOut);
    ConnectMenu();
    ShowDesignState();
}

TVexMainForm::~TVexMainForm() = default;

void TVexMainForm::ConnectMenu()
{
    connect(m_ui->actionConnections, &QAction::triggered, this, &TVexMainForm::ConnectionsClicked);
    connect(m_ui->actionLineOverview, &QAction::triggered, this, &TVexMainForm::LineOverviewClicked);
    connect(m_ui->actionDisconnectAll, &QAction::triggered, this, [this] {
        if (m_station)
            m_station->Manager().DisconnectAll();
    });
    connect(m_ui->actionParameters, &QAction::triggered, this, &TVexMainForm::ParametersClick);
    connect(m_ui->actionTransfer, &QAction::triggered, this, &TVexMainForm::TransferMenuItemClick);
    connect(m_ui->actionDelete, &QAction::triggered, this, &TVexMainForm::DeleteClicked);
    connect(m_ui->actionModify, &QAction::triggered, this, &TVexMainForm::ModifyClicked);
    connect(m_ui->actionPrint, &QAction::triggered, this, &TVexMainForm::PrintClicked);
    connect(m_ui->actionChangeover, &QAction::triggered, this, &TVexMainForm::ChangeoverClicked);
    connect(m_ui->actionPreview, &QAction::triggered, this, &TVexMainForm::PreviewClicked);
    connect(m_ui->actionHistory, &QAction::triggered, this, &TVexMainForm::HistoryClicked);
    connect(m_ui->actionAbout, &QAction::triggered, this, &TVexMainForm::AboutClicked);
    m_ui->menuSettings->setToolTipsVisible(true); // why "Allow remote control" cannot be ticked
    connect(m_ui->actionAllowRemoteControl, &QAction::toggled, this, [this](bool allowed) {
        ShowRemoteControl(allowed);
        emit RemoteControlToggled(allowed);
    });
    connect(m_ui->actionExit, &QAction::triggered, this, &QWidget::close);
    const QList<QAction*> languages = LanguageEntries();
    for (int position = 0; position < languages.size(); ++position)
        connect(languages[position], &QAction::triggered, this,
                [this, position] { LanguageSelectClick(position); });
}

void TVexMainForm::Attach(TStation& station)
{
    m_station = &station;
}

void TVexMainForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    ShowDesignState();
    ShowTitle();
}

// What the window shows before any printer: the texts of the form, no printer, no language checked.
// The "Com ports" entries stay: they are the ports present, not texts.
void TVexMainForm::ShowDesignState()
{
    m_flashTimer.stop();
    m_ui->imageValue->clear();
    m_ui->printCountValue->setText(QStringLiteral("0"));
    m_ui->freeSpaceValue->clear();
    m_ui->printLamp->SetLit(false);
    m_ui->inkLamp->SetLit(false);
    m_menuState.NoPrinter();
    ApplyMenuState();
    CheckLanguage(0);
    UpdateAccessibleNames();
}

void TVexMainForm::ApplyMenuState()
{
    m_ui->actionDisconnectAll->setEnabled(m_menuState.DisconnectAll);
    m_ui->actionParameters->setEnabled(m_menuState.Parameters);
    m_ui->menuImages->menuAction()->setEnabled(m_menuState.Images);
    m_ui->actionTransfer->setEnabled(m_menuState.TransferAndDelete);
    m_ui->actionDelete->setEnabled(m_menuState.TransferAndDelete);
    // A changeover sends and changes images: not while the printer prints.
    m_ui->actionChangeover->setEnabled(m_menuState.TransferAndDelete);
    m_ui->actionConnections->setEnabled(m_menuState.Connections);
}

void TVexMainForm::SetRemoteControlAvailable(bool available, const QString& reason)
{
    if (!available)
        m_ui->actionAllowRemoteControl->setChecked(false);
    m_ui->actionAllowRemoteControl->setEnabled(available);
    m_ui->actionAllowRemoteControl->setToolTip(reason);
}

bool TVexMainForm::AllowsRemoteControl() const
{
    return m_ui->actionAllowRemoteControl->isChecked();
}

// Visible in the window, not only in the menu: a printer may start without anyone at the station.
void TVexMainForm::ShowRemoteControl(bool allowed)
{
    m_ui->remoteControlNotice->setVisible(allowed);
}

// A value and a lamp say their row and what they show ("Printer: LINE1", "Printing: on").
void TVexMainForm::UpdateAccessibleNames()
{
    const std::pair<QLabel*, TElidingLabel*> rows[] = {
        {m_ui->printerLabel, m_ui->printerValue},       {m_ui->imageLabel, m_ui->imageValue},
        {m_ui->printCountLabel, m_ui->printCountValue}, {m_ui->freeSpaceLabel, m_ui->freeSpaceValue},
    };
    for (const auto& [label, value] : rows)
        value->SetCaption(label->text());
    m_ui->printLamp->SetCaption(m_ui->printingLabel->text());
    m_ui->inkLamp->SetCaption(m_ui->inkLabel->text());
}

void TVexMainForm::UpdateForm(const TCoder& coder)
{
    m_ui->printerValue->setText(coder.PrinterName);
    m_menuState.PrinterShown();
    ApplyMenuState();
    m_ui->inkLabel->setText(coder.Model == PrinterModels::Altair ? tr("Ribbon") : tr("Ink"));
    UpdateAccessibleNames();
    SetCoderStatus(coder.StatusWord);
    m_ui->printCountValue->setText(QString::number(coder.PrintCount));
    m_ui->freeSpaceValue->setText(coder.FreeMemory == 0 ? QString() : TCoder::FreeSpaceText(coder.FreeMemory));
}

void TVexMainForm::SetCurrentImages(const QString& imageA, const QString& imageB)
{
    m_ui->imageValue->setText(imageB.isEmpty() ? imageA : imageA + QStringLiteral(", ") + imageB);
}

void TVexMainForm::SetCoderStatus(quint16 statusWord)
{
    m_flashTimer.stop();
    m_ui->inkLamp->SetLit(statusWord & TCoder::InkBit);
    m_ui->printLamp->SetLit(statusWord & TCoder::PrintingBit);
}

void TVexMainForm::PrintStarted(qint32 printCount)
{
    m_flashTimer.stop();
    m_menuState.PrintingStarted();
    ApplyMenuState();
    m_ui->printCountValue->setText(QString::number(printCount));
    m_ui->printLamp->SetLit(true);
}

void TVexMainForm::PrintStopped()
{
    m_flashTimer.stop();
    m_menuState.PrintingStopped();
    ApplyMenuState();
    m_ui->printLamp->SetLit(false);
}

void TVexMainForm::SetPrintCountText(const QString& text)
{
    m_ui->printCountValue->setText(text);
}

void TVexMainForm::SetFreeSpaceText(const QString& text)
{
    m_ui->freeSpaceValue->setText(text);
}

// The print lamp blinks from the printer's acknowledgement of Start until it reports printing.
void TVexMainForm::GeneratingImage(const QString& imageA, const QString& imageB)
{
    SetCurrentImages(imageA, imageB);
    m_flashTimer.start();
}

void TVexMainForm::FlashTimerTimeOut()
{
    m_ui->printLamp->Toggle();
}

void TVexMainForm::ShowDisconnected()
{
    m_menuState.NoPrinter();
    ApplyMenuState();
    m_flashTimer.stop();
    m_ui->printLamp->SetLit(false);
    m_ui->inkLamp->SetLit(false);
    m_ui->printerValue->setText(tr("Disconnected"));
    m_ui->imageValue->clear();
    m_ui->printCountValue->clear();
    m_ui->freeSpaceValue->clear();
}

void TVexMainForm::ParametersClick()
{
    if (m_station)
        m_station->Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestParameters));
}

// The file dialog starts with the image files of the selected printer's model. The batch goes to
// the printer the files were chosen for: if another was selected meanwhile, or none, nothing starts.
void TVexMainForm::TransferMenuItemClick()
{
    const TCommChannel* selected = m_station ? m_station->Manager().SelectedChannel() : nullptr;
    if (!selected)
        return;
    const quint64 printerId = selected->Id();
    const QStringList files = TImageFileDialog::Choose(this, tr("Transfer"), TCoder::Of(*selected).Model,
                                                       QFileDialog::ExistingFiles);
    if (files.isEmpty())
        return;
    selected = m_station->Manager().SelectedChannel();
    if (selected && selected->Id() == printerId)
        m_station->Batch().Start(files);
}

QList<QAction*> TVexMainForm::ComPortEntries() const
{
    QList<QAction*> entries = m_ui->menuComPorts->actions();
    entries.removeOne(m_ui->actionComPortPlaceholder);
    return entries;
}

void TVexMainForm::ClearComPortMenu()
{
    for (QAction* entry : ComPortEntries()) {
        m_ui->menuComPorts->removeAction(entry);
        entry->deleteLater();
    }
}

void TVexMainForm::AddToComPortMenu(const QString& portName, bool checked)
{
    auto* entry = new QAction(portName, m_ui->menuComPorts);
    entry->setCheckable(true);
    entry->setChecked(checked);
    connect(entry, &QAction::triggered, this, [this, entry] { ComPortClick(entry); });
    m_ui->menuComPorts->addAction(entry);
}

// The entry's check has already been toggled by the menu; the channel of its port follows it.
void TVexMainForm::ComPortClick(QAction* entry)
{
    const int index = int(ComPortEntries().indexOf(entry));
    if (m_station && index >= 0)
        m_station->Manager().SetSerialChannel(index, entry->isChecked());
}

void TVexMainForm::SetValidComPorts()
{
    if (!m_station)
        return;
    QStringList portNames;
    for (const QAction* entry : ComPortEntries())
        portNames.append(entry->text());
    for (const ComPortChoices::TChoice& choice : ComPortChoices::Stored(portNames)) {
        // Looked up each time: setting a port offline tells the other windows, which may wait.
        if (QAction* entry = ComPortEntries().value(choice.Index); entry && entry->text() == portNames[choice.Index])
            entry->setChecked(choice.InUse);
        m_station->Manager().SetSerialChannel(choice.Index, choice.InUse);
    }
}

void TVexMainForm::SaveValidComPorts()
{
    if (!m_station)
        return;
    QList<bool> inUse;
    for (const QAction* entry : ComPortEntries())
        inUse.append(entry->isChecked());
    ComPortChoices::Save(m_station->Manager(), inUse);
}

QList<QAction*> TVexMainForm::LanguageEntries() const
{
    return {m_ui->actionDeutsch, m_ui->actionEnglish, m_ui->actionFrancais, m_ui->actionNederlands};
}

void TVexMainForm::CheckLanguage(qint32 localeId)
{
    m_checkedLocaleId = localeId;
    const int position = Languages::PositionOf(localeId);
    const QList<QAction*> entries = LanguageEntries();
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(i == position);
}

// The shell switches the language, and checks the entry when the pack loaded. The menu has
// already moved the check to the entry: it goes back to the language in use until then.
void TVexMainForm::LanguageSelectClick(int position)
{
    const qint32 checkedBefore = m_checkedLocaleId;
    CheckLanguage(checkedBefore);
    emit LanguageClicked(Languages::All[position].LocaleId);
}

void TVexMainForm::CentreOnScreen()
{
    WindowPlacement::CentreOnScreen(*this);
}

void TVexMainForm::ShowTransferProgress(const QString& fileName, int percent)
{
    m_transferFile = fileName;
    m_transferPercent = percent;
    ShowTitle();
}

void TVexMainForm::ShowLineCounts(const QString& countsText)
{
    m_lineCounts = countsText;
    ShowTitle();
}

void TVexMainForm::ShowTitle()
{
    QString title = tr("Telvos Vex");
    if (!m_lineCounts.isEmpty())
        title = tr("%1 - %2", "program, printers connected").arg(title, m_lineCounts);
    setWindowTitle(m_transferPercent < 0
                       ? title
                       : tr("%1% %2 - %3").arg(QString::number(m_transferPercent), m_transferFile, title));
}

void TVexMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownBefore) {
        m_shownBefore = true;
        CentreOnScreen();
    }
}

// A transfer under way ends by its abort rule first, and the operator is told which files did not
// go. Every printer is told that the station disconnects, and the links get a short time to send
// that before they close; then the port choices are stored and the program may end.
void TVexMainForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_closing)
        return;
    m_closing = true;
    if (m_station) {
        m_station->Shutdown();
        SaveValidComPorts();
    }
    emit Closed();
}
