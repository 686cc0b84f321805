// "Preview": a design file's picture, legend and read-back findings, with no printer connected.
#include "AppTestSupport.h"
#include "DesignFileWriter.h"
#include "LabelRecords.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/preview/LabelPictureView.h"
#include "app/preview/LabelPreviewForm.h"
#include "images/FontUnit.h"
#include "platform/SettingsStore.h"
#include "preview/LabelPreview.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using LabelRecords::TRecord;

namespace {

// A label with a barcode that reads back and one that does not: EAN-13 data given with its check
// digit, to which the station adds another.
const QList<TRecord> GoodAndBadBarcodes{LabelRecords::Code128("ABC-123", 20, 20, 60, 2),
                                        LabelRecords::EanUpc(1, "4006381333931", 20, 140, 60, 2),
                                        LabelRecords::Text("LOT", 300, 20, 30)};

bool IsFindingColour(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

int FindingPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += IsFindingColour(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class TestLabelPreviewForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TStationWindows> m_windows;

    TVexMainForm& Form() { return m_windows->MainForm(); }
    TLabelPreviewForm& Window() { return *Form().findChild<TLabelPreviewForm*>(); }
    TLabelPictureView& Picture() { return Window().PictureView(); }
    QTableWidget& Legend() { return Window().LegendTable(); }
    template <typename Control> Control* In(const char* name)
    {
        return Window().findChild<Control*>(QLatin1String(name));
    }

    void StartStation(const QString& programFile = QCoreApplication::applicationFilePath())
    {
        m_windows = std::make_unique<TStationWindows>(programFile);
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
    }
    QString Design(const QString& name, const QList<TRecord>& items)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        [&] {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(LabelRecords::DesignFile(items)) > 0);
        }();
        return path;
    }
    void Show(const QString& path)
    {
        QVERIFY(Window().ShowFile(path));
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
    }
    // "+" for a row in red, "-" for one in the usual colour; one letter per row.
    QString RowColours()
    {
        QString colours;
        for (int row = 0; row < Legend().rowCount(); ++row) {
            bool red = true;
            for (int column = 0; column < Legend().columnCount(); ++column)
                red = red &&
                      Legend().item(row, column)->foreground().color() == TLabelPictureView::FindingColour;
            colours += red ? QLatin1Char('+') : QLatin1Char('-');
        }
        return colours;
    }
    QStringList Column(int column)
    {
        QStringList cells;
        for (int row = 0; row < Legend().rowCount(); ++row)
            cells << Legend().item(row, column)->text();
        return cells;
    }
    void Wheel(int angle, QPoint at)
    {
        QWidget* viewport = Picture().viewport();
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }

private slots:
    void init()
    {
        AppTest::UseQuietSettings();
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_windows.reset();
        m_dir.reset();
    }

    // The entry is there to use while "Images" is not. The file dialog offers the design files of
    // every model, in the folder of the last transfer.
    void theEntryOpensTheWindowWithoutAPrinter()
    {
        StartStation();
        QVERIFY(!Form().findChild<QMenu*>(QStringLiteral("menuImages"))->menuAction()->isEnabled());

        const QString folder = m_dir->filePath(QStringLiteral("Labels"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::rename(Design(QStringLiteral("two.Vega"), GoodAndBadBarcodes),
                              folder + QStringLiteral("/two.Vega")));
        SettingsStore::SetValue(QLatin1String(SettingsStore::TransferDirectory), folder);
        QString opened;
        QStringList filters;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        AppTest::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            opened = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            filters.prepend(dialog->selectedNameFilter());
            mode = dialog->fileMode();
            QVERIFY(AppTest::ChooseFiles(dialog, folder, {"two.Vega"}));
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Printer", "Preview"}));
        QTRY_VERIFY(Window().isVisible());
        QCOMPARE(opened, QDir(folder).absolutePath());
        QCOMPARE(filters,
                 (QStringList{"Vega/Deneb Images (*.Vega)", "Vega/Deneb Images (*.Vega)",
                              "Rigel Images (*.Rigel)", "Altair Images (*.Altair)", "All Files (*)"}));
        QCOMPARE(mode, QFileDialog::ExistingFile);

        QCOMPARE(In<QLineEdit>("fileNameEdit")->text(),
                 QDir::toNativeSeparators(folder + QStringLiteral("/two.Vega")));
        QCOMPARE(In<QLineEdit>("imageEdit")->text(), QStringLiteral("LABEL"));
        QCOMPARE(Column(TLabelPreviewForm::TypeColumn), (QStringList{"CODE128", "EAN13", "Text"}));
        QCOMPARE(Column(TLabelPreviewForm::PositionColumn), (QStringList{"20, 20", "20, 140", "300, 20"}));
        QCOMPARE(Column(TLabelPreviewForm::DrawnColumn), (QStringList{"encoded", "exact", "substituted"}));
        QCOMPARE(In<QLabel>("summaryLabel")->text(), QStringLiteral("Barcodes that read back: 1 of 2"));
        QVERIFY(Picture().IsFitting());
        QCOMPARE(Window().focusWidget(), &Picture()); // the keys zoom at once
    }

    // The wheel zooms about the point under the mouse, the keys about the middle; neither goes
    // beyond 32 pixels a dot nor below the whole picture. While the picture fits it follows the
    // window's size; once zoomed it keeps its zoom.
    void thePictureZoomsAndFits()
    {
        StartStation();
        Show(Design(QStringLiteral("label.Vega"), GoodAndBadBarcodes));
        Window().resize(900, 700);
        QTRY_VERIFY(Picture().viewport()->width() > 700);
        const double fit = Picture().Zoom();
        const QSize picture = Picture().sceneRect().size().toSize();
        QVERIFY(fit > 1);
        QVERIFY(picture.width() * fit <= Picture().viewport()->width());
        QVERIFY(picture.height() * fit <= Picture().viewport()->height());

        QTest::keyClick(&Picture(), Qt::Key_Plus);
        QCOMPARE(Picture().Zoom(), fit * TLabelPictureView::ZoomStep);
        QVERIFY(!Picture().IsFitting());
        QCOMPARE(In<QLabel>("zoomValue")->text(), QStringLiteral("%1 %").arg(qRound(fit * 125)));
        QTest::keyClick(&Picture(), Qt::Key_Minus);
        QCOMPARE(Picture().Zoom(), fit);

        // Zoomed so far that the picture overflows the window both ways: nothing centres it.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&Picture(), Qt::Key_Plus);
        const double zoomed = fit * std::pow(TLabelPictureView::ZoomStep, 3);
        QCOMPARE(Picture().Zoom(), zoomed);
        const QPoint at(Picture().viewport()->width() / 3, Picture().viewport()->height() / 3);
        const QPointF under = Picture().mapToScene(at);
        Wheel(2 * 120, at);
        QCOMPARE(Picture().Zoom(), zoomed * TLabelPictureView::ZoomStep * TLabelPictureView::ZoomStep);
        QVERIFY((Picture().mapToScene(at) - under).manhattanLength() < 1);
        Wheel(-60, at); // half a notch
        QCOMPARE(Picture().Zoom(), zoomed * std::pow(TLabelPictureView::ZoomStep, 1.5));

        for (int i = 0; i < 30; ++i)
            QTest::keyClick(&Picture(), Qt::Key_Plus);
        QCOMPARE(Picture().Zoom(), TLabelPictureView::MaxZoom);
        const QSize zoomedWindow = Window().size();
        Window().resize(zoomedWindow - QSize(100, 100));
        QTRY_COMPARE(Window().size(), zoomedWindow - QSize(100, 100));
        QCOMPARE(Picture().Zoom(), TLabelPictureView::MaxZoom);
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(&Picture(), Qt::Key_Minus);
        QCOMPARE(Picture().Zoom(), 1.0); // the picture fits at more than one pixel a dot

        QTest::keyClick(&Picture(), Qt::Key_0);
        QVERIFY(Picture().IsFitting());
        const double smallerFit = Picture().Zoom();
        QVERIFY(smallerFit < fit);
        Window().resize(900, 700);
        QTRY_COMPARE(Picture().Zoom(), fit);

        QTest::mouseClick(In<QPushButton>("zoomInButton"), Qt::LeftButton);
        QCOMPARE(Picture().Zoom(), fit * TLabelPictureView::ZoomStep);
        QTest::mouseClick(In<QPushButton>("fitButton"), Qt::LeftButton);
        QCOMPARE(Picture().Zoom(), fit);
    }

    // A finding's row is red and its symbol framed in red on the picture; a barcode that cannot be
    // drawn has a red row and nothing to frame.
    void theFindingsAreShownInRed_data()
    {
        QTest::addColumn<QList<TRecord>>("items");
        QTest::addColumn<QString>("redRows");
        QTest::addColumn<int>("framedItem"); // 0: none
        QTest::addColumn<QString>("summary");
        QTest::newRow("a barcode that does not read back")
            << GoodAndBadBarcodes << "-+-" << 2 << "Barcodes that read back: 1 of 2";
        QTest::newRow("every barcode reads back")
            << QList<TRecord>{LabelRecords::Code128("ABC-123", 20, 20, 60, 2),
                              LabelRecords::EanUpc(1, "400638133393", 20, 140, 60, 2)}
            << "--" << 0 << "Barcodes that read back: 2 of 2";
        QTest::newRow("a barcode that cannot be drawn")
            << QList<TRecord>{LabelRecords::Text("LOT", 20, 20, 30),
                              LabelRecords::Itf("12345", 20, 80, 50, 2, 50)}
            << "-+" << 0 << "Barcodes that read back: 0 of 1";
        QTest::newRow("no barcode") << QList<TRecord>{LabelRecords::Date(20, 20, 20)} << "-" << 0
                                    << "The label has no barcodes.";
    }
    void theFindingsAreShownInRed()
    {
        QFETCH(QList<TRecord>, items);
        QFETCH(QString, redRows);
        QFETCH(int, framedItem);
        QFETCH(QString, summary);
        StartStation();
        const QString path = Design(QStringLiteral("label.Vega"), items);
        Show(path);
        QCOMPARE(RowColours(), redRows);
        QCOMPARE(In<QLabel>("summaryLabel")->text(), summary);

        const QImage shown = Picture().viewport()->grab().toImage();
        if (framedItem == 0) {
            QCOMPARE(FindingPixels(shown), 0);
            return;
        }
        const auto preview = LabelPreview::FromFile(path, TFontMap());
        QRect area;
        for (const TReadBack& readBack : std::get<TLabelPreview>(preview).ReadBacks)
            if (readBack.ItemNumber == framedItem)
                area = readBack.Area;
        QVERIFY(!area.isEmpty());
        // The frame runs along the area's edges and nowhere else.
        const QRect frame = Picture().mapFromScene(QRectF(area)).boundingRect();
        const qreal dpr = shown.devicePixelRatio();
        for (const QPoint edge :
             {QPoint(frame.left(), frame.center().y()), QPoint(frame.right(), frame.center().y()),
              QPoint(frame.center().x(), frame.top()), QPoint(frame.center().x(), frame.bottom())})
            QVERIFY2(IsFindingColour(shown.pixel(edge * dpr)),
                     qPrintable(QStringLiteral("%1,%2").arg(edge.x()).arg(edge.y())));
        QVERIFY(!IsFindingColour(shown.pixel(frame.center() * dpr)));
        QCOMPARE(Legend().item(framedItem - 1, TLabelPreviewForm::ReadBackColumn)->text(),
                 QStringLiteral("does not read back (checksum error)"));
    }

    // The box says why, in the station's words; the window goes on showing what it showed.
    void aRefusedFileIsRefusedInABox()
    {
        StartStation();
        const QString refused = m_dir->filePath(QStringLiteral("other.Vega"));
        QVERIFY(TDesignFileWriter::SmallImage("OTHER", "zorbe V9.9X000").WriteTo(refused));
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!Window().ShowFile(refused));
        QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
        QVERIFY2(TMessageBox::LastShown().Text.endsWith(QLatin1String("TRANSFER OF IMAGE ABORTED")),
                 qPrintable(TMessageBox::LastShown().Text));
        QVERIFY(!Window().isVisible());

        const QString good = Design(QStringLiteral("good.Vega"), GoodAndBadBarcodes);
        Show(good);
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!Window().ShowFile(refused));
        QCOMPARE(TMessageBox::ShownCount(), boxes + 2);
        QVERIFY(Window().isVisible());
        QCOMPARE(In<QLineEdit>("fileNameEdit")->text(), QDir::toNativeSeparators(good));
        QCOMPARE(Legend().rowCount(), 3);
    }

    // The label shown is drawn again in the new language.
    void theWindowSpeaksTheLanguageChosen()
    {
        QVERIFY(QFile::copy(QStringLiteral(VEX_GERMAN_PACK), m_dir->filePath(QStringLiteral("vex.DEU"))));
        StartStation(m_dir->filePath(QStringLiteral("vex")));
        Show(Design(QStringLiteral("label.Vega"), GoodAndBadBarcodes));
        QVERIFY(AppTest::ClickMenu(Form(), {"Settings", "Language", "Deutsch"}));
        QTRY_COMPARE(Window().windowTitle(), QStringLiteral("Vorschau"));
        QVERIFY(Window().isVisible());
        QCOMPARE(In<QLabel>("summaryLabel")->text(), QStringLiteral("Lesbare Barcodes: 1 von 2"));
        QCOMPARE(Column(TLabelPreviewForm::DrawnColumn), (QStringList{"kodiert", "exakt", "ersetzt"}));
        QCOMPARE(RowColours(), QStringLiteral("-+-"));
        QCOMPARE(Legend().horizontalHeaderItem(TLabelPreviewForm::ReadBackColumn)->text(),
                 QStringLiteral("Rückgelesen"));
        QCOMPARE(In<QPushButton>("fitButton")->text(), QStringLiteral("Ans Fenster anpassen"));
        QCOMPARE(Picture().accessibleName(), QStringLiteral("Etikettenbild"));
    }

    void everyControlHasAnAccessibleName()
    {
        StartStation();
        Show(Design(QStringLiteral("label.Vega"), GoodAndBadBarcodes));
        for (QWidget* control : Window().findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->window() != &Window() ||
                qobject_cast<QLabel*>(control))
                continue;
            QString name = control->accessibleName();
            if (name.isEmpty())
                name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), control->metaObject()->className());
        }
    }
};

QTEST_MAIN(TestLabelPreviewForm)
#include "tst_labelpreviewform.moc"
