#include "app/images/ImageDialogs.h"

#include "app/images/ImageDeleteDlg.h"
#include "app/images/ModifyImageForm.h"

TImageDialogs::TImageDialogs(QWidget* mainWindow)
    : m_deleteDialog(new TImageDeleteDlg(mainWindow)), m_modifyForm(new TModifyImageForm(mainWindow))
{}

TImageDialogs::~TImageDialogs() = default;

void TImageDialogs::Attach(TStation& station)
{
    m_deleteDialog->Attach(station);
    m_modifyForm->Attach(station);
}

void TImageDialogs::ReloadWindowTexts()
{
    m_deleteDialog->ReloadWindowTexts();
    m_modifyForm->ReloadWindowTexts();
}

void TImageDialogs::ShowImageDelete()
{
    m_deleteDialog->ShowDialog();
}

void TImageDialogs::ShowModifyImage()
{
    m_modifyForm->ShowModal();
}

void TImageDialogs::HideImageDelete()
{
    m_deleteDialog->HideDialog();
}

void TImageDialogs::ShowImagesToDelete(const QStringList& remaining)
{
    m_deleteDialog->ShowImagesToDelete(remaining);
}

void TImageDialogs::ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end)
{
    m_modifyForm->ShowImageItems(rows, end);
}
