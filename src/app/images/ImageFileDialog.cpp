#include "app/images/ImageFileDialog.h"

#include "coder/PrinterModels.h"
#include "platform/SettingsStore.h"

#include <QDir>

QStringList TImageFileDialog::NameFilters()
{
    return {tr("Vega/Deneb Images (*.Vega)"), tr("Rigel Images (*.Rigel)"), tr("Altair Images (*.Altair)"),
            tr("All Files (*)")};
}

int TImageFileDialog::PresetFilter(quint8 model)
{
    return model == PrinterModels::Altair ? 2 : model == PrinterModels::Rigel ? 1 : 0;
}

QStringList TImageFileDialog::Choose(QWidget* parent, const QString& caption, quint8 model,
                                     QFileDialog::FileMode mode)
{
    QFileDialog dialog(parent, caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(mode);
    const QStringList filters = NameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[PresetFilter(model)]);
    const QString folderKey = QLatin1String(SettingsStore::TransferDirectory);
    if (const QString folder = SettingsStore::Value(folderKey).toString();
        !folder.isEmpty() && QDir(folder).exists())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    SettingsStore::SetValue(folderKey, dialog.directory().absolutePath());
    return dialog.selectedFiles();
}
