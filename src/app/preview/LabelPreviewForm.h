#pragma once

#include "app/StationWindow.h"
#include "preview/LabelPreview.h"

#include <QDialog>

#include <memory>

class TFontMap;
class TLabelPictureView;
class QTableWidget;
namespace Ui {
class TLabelPreviewForm;
}

// "Preview": an image design file as the printer will place it, before it goes to a printer and
// with no printer needed: the picture, a legend of its items and how each is drawn, and every
// barcode read back; a barcode that does not read back is framed in red on the picture and its row
// is red. A file the station would refuse to send is refused in a box with the station's message.
class TLabelPreviewForm : public QDialog, public TStationWindow
{
    Q_OBJECT

public:
    enum LegendColumn
    {
        ItemColumn,
        TypeColumn,
        PositionColumn,
        DrawnColumn,
        ContentColumn,
        ReadBackColumn,
        NoteColumn
    };

    // The fonts are those a transfer maps the items' fonts with.
    explicit TLabelPreviewForm(const TFontMap& fonts, QWidget* parent = nullptr);
    ~TLabelPreviewForm() override;

    void Attach(TStation& station) override;
    // The texts in the language now loaded; a label shown is drawn again, in that language.
    void ReloadWindowTexts() override;

    // The main menu's "Preview" and the window's "Open...": the operator picks a design file, and
    // the window shows it.
    void OpenClick();
    // Shows the window with the file's preview; or a box why the file cannot be previewed, leaving
    // what the window showed. True when it shows the file.
    bool ShowFile(const QString& fileName);

    TLabelPictureView& PictureView();
    QTableWidget& LegendTable();

private:
    void NamePicture();
    void ShowDesignState();
    void ShowPreview(const TLabelPreview& preview);
    void ShowLegend(const TLabelPreview& preview);
    void ShowSummary(const TLabelPreview& preview);
    void ShowZoom(double zoom);
    void LegendRowSelected();

    std::unique_ptr<Ui::TLabelPreviewForm> m_ui;
    const TFontMap& m_fonts;
    TStation* m_station = nullptr;
    QString m_fileName; // of the label shown; empty when none is
};
