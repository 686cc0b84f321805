#pragma once

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

// The file dialog for image design files, shared by "Transfer" and "Preview": the image files of
// every printer model, those of the given model offered first, opened in the folder files were last
// chosen from. The folder of the files chosen is remembered for the next time.
class TImageFileDialog
{
    Q_DECLARE_TR_FUNCTIONS(TImageFileDialog)

public:
    // The filters, in order: Vega/Deneb, Rigel, Altair, all files.
    static QStringList NameFilters();
    // The filter offered first for a printer model: Altair and Rigel have their own, every other
    // model (one not yet reported too) the first.
    static int PresetFilter(quint8 model);

    // The files the operator chose (ExistingFiles) or the file (ExistingFile); none when the dialog
    // was cancelled.
    static QStringList Choose(QWidget* parent, const QString& caption, quint8 model,
                              QFileDialog::FileMode mode);
};
