#include "app/print/PrintForm.h"

#include "ui_PrintForm.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "station/Station.h"
#include "widgets/PlainText.h"

#include <QHideEvent>

TPrintForm::TPrintForm(QWidget* mainWindow) : QDialog(mainWindow), m_ui(std::make_unique<Ui::TPrintForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(ClientSize);
    connect(m_ui->imageAList, &QComboBox::currentIndexChanged, this,
            [this](int row) { m_choice.SelectA(row); });
    connect(m_ui->imageBList, &QComboBox::currentIndexChanged, this,
            [this](int row) { m_choice.SelectB(row); });
    connect(m_ui->startButton, &QPushButton::clicked, this, &TPrintForm::StartButtonClick);
    connect(m_ui->stopButton, &QPushButton::clicked, this, &TPrintForm::StopButtonClick);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::hide);
    ShowRows();
}

TPrintForm::~TPrintForm() = default;

void TPrintForm::Attach(TStation& station)
{
    m_station = &station;
}

void TPrintForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    ShowRows();
}

// A one-image printer has one "Current image:"; the two-head model has A and B.
void TPrintForm::ShowRows()
{
    const bool twoImages = m_choice.OffersImageB();
    m_ui->imageALabel->setText(twoImages ? tr("Current image A:") : tr("Current image:"));
    m_ui->imageBLabel->setVisible(twoImages);
    m_ui->imageBList->setVisible(twoImages);
}

// The lists are filled again only when the names changed, so an open list stays open.
void TPrintForm::ShowChoice()
{
    const QSignalBlocker blockA(m_ui->imageAList);
    const QSignalBlocker blockB(m_ui->imageBList);
    for (QComboBox* list : {m_ui->imageAList, m_ui->imageBList}) {
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown.append(list->itemText(row));
        if (shown != m_choice.Names()) {
            list->clear();
            list->addItems(m_choice.Names());
        }
    }
    m_ui->imageAList->setCurrentIndex(m_choice.SelectedA());
    m_ui->imageBList->setCurrentIndex(m_choice.SelectedB());
}

void TPrintForm::ShowPrintWindow()
{
    const TCommChannel* selected = m_station ? m_station->Manager().SelectedChannel() : nullptr;
    if (!selected)
        return;
    SetManagerEnabled(false);
    const TCoder& coder = TCoder::Of(*selected);
    m_choice.Open(coder.CurrentImageA, coder.CurrentImageB, coder.Model);
    ShowRows();
    ShowChoice();
    show();
    raise();
    activateWindow();
}

void TPrintForm::UpdateImageList(const QStringList& names)
{
    m_choice.SetImages(names);
    ShowChoice();
}

void TPrintForm::SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model)
{
    m_choice.SetCurrentImages(imageA, imageB, model);
    ShowChoice();
}

void TPrintForm::StartButtonClick()
{
    if (m_station) {
        if (const TCommChannel* selected = m_station->Manager().SelectedChannel())
            m_station->StartPrint(m_choice.ImageA(), m_choice.ImageB(TCoder::Of(*selected).Model));
    }
    hide();
}

void TPrintForm::StopButtonClick()
{
    if (m_station)
        m_station->StopPrint();
    hide();
}

void TPrintForm::SetManagerEnabled(bool enabled)
{
    if (m_station)
        m_station->Manager().SetEnabled(enabled);
}

// Hidden by any means, the window no longer works with the selected printer.
void TPrintForm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        SetManagerEnabled(true);
}
