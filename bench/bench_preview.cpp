// Drawing a label of 20 items, among them a 1,000 x 1,000 graphic and a barcode of every symbology,
// and reading its barcodes back, against decoding the same picture alone with ZXing-C++.
#define ZX_USE_UTF8
#include "BenchSupport.h"
#include "images/Code128Items.h"
#include "images/Code39Items.h"
#include "images/DateItems.h"
#include "images/EAN128Items.h"
#include "images/EANUPCItems.h"
#include "images/FontUnit.h"
#include "images/GraphicItems.h"
#include "images/ITFItems.h"
#include "images/ImageDesignFile.h"
#include "images/NumberItems.h"
#include "images/TextItems.h"
#include "preview/LabelPreview.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <ZXing/ReadBarcode.h>

#include <cstdlib>

namespace {

template <class Item> Item& Add(TImageDesignFile& image, const char* typeName, int x, int y)
{
    auto item = std::make_unique<Item>();
    Item& added = *item;
    added.X = x;
    added.Y = y;
    image.Items.Append(QLatin1String(typeName), std::move(item));
    return added;
}

// A picture of strokes and noise, as a scanned logo might be.
TMonochromePicture Logo()
{
    TMonochromePicture picture(1000, 1000);
    QRandomGenerator random(3);
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 1000; ++x)
            picture.SetBlack(x, y,
                             (x / 40 + y / 40) % 2 == 0 ? random.bounded(8) != 0 : random.bounded(16) == 0);
    return picture;
}

TImageDesignFile Label()
{
    TImageDesignFile image;
    image.ImageName = QStringLiteral("BENCH");
    auto& graphic = Add<GraphicItem>(image, "GraphicItem", 1200, 50);
    graphic.Picture = Logo();
    graphic.Width = graphic.Height = 1000;

    int y = 50;
    const auto eanUpc = [&](auto item, const char* data) {
        auto& added = Add<decltype(item)>(image, "BarcodeItem", 50, y);
        added.Data = QLatin1String(data);
        added.BarHeight = 80;
        added.ModuleWidth = 3;
        y += 150;
    };
    eanUpc(EAN13_Item(), "400638133393");
    eanUpc(EAN8_Item(), "9638507");
    eanUpc(UPCA_Item(), "03600029145");
    eanUpc(UPCE_Item(), "425261");
    auto& code128 = Add<CODE128_Item>(image, "BarcodeItem", 50, y);
    code128.Data = QStringLiteral("LOT 2024-117/B");
    code128.ModuleWidth = 2;
    code128.BarHeight = 80;
    auto& gs1 = Add<EAN128_Item>(image, "BarcodeItem", 50, y += 150);
    gs1.Elements = {{0, QStringLiteral("01"), {}, {}, QStringLiteral("04006381333931")},
                    {0, QStringLiteral("10"), {}, {}, QStringLiteral("LOT7")},
                    {0, QStringLiteral("17"), {}, {}, QStringLiteral("250131")}};
    gs1.ModuleWidth = 2;
    gs1.BarHeight = 80;
    auto& code39 = Add<Code39_Item>(image, "BarcodeItem", 50, y += 150);
    code39.Data = QStringLiteral("ABC-12345");
    code39.NarrowWidth = 2;
    code39.WideRatio = 50;
    code39.BarHeight = 80;
    auto& itf = Add<ITF_Item>(image, "BarcodeItem", 50, y += 150);
    itf.Data = QStringLiteral("04006381333931");
    itf.NarrowWidth = 2;
    itf.WideRatio = 100;
    itf.Height = 80;
    for (int i = 0; i < 9; ++i) {
        auto& text = Add<TextItem>(image, "TextItem", 1200, 1100 + 40 * i);
        text.Text = QStringLiteral("INGREDIENTS LINE %1").arg(i + 1);
        text.Height = 32;
    }
    Add<DateItem>(image, "DateItem", 1800, 1100).Height = 32;
    Add<NumberItem>(image, "NumberItem", 1800, 1150).Height = 32;
    if (image.Items.Count() != 20)
        std::abort();
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const TImageDesignFile image = Label();
    const TFontMap fonts;

    std::optional<TLabelPreview> preview;
    const double drawAndRead = Bench::BestSeconds([&] {
        auto drawn = LabelPreview::Draw(image, fonts);
        preview = std::get<TLabelPreview>(std::move(drawn));
    });
    if (!preview->Findings().isEmpty() || preview->ReadBacks.size() != 8)
        std::abort();

    const QImage& picture = preview->Picture;
    const ZXing::ImageView view(picture.constBits(), picture.width(), picture.height(),
                                ZXing::ImageFormat::Lum, int(picture.bytesPerLine()));
    const ZXing::DecodeHints hints = ZXing::DecodeHints()
                                         .setFormats(ZXing::BarcodeFormat::LinearCodes)
                                         .setBinarizer(ZXing::Binarizer::FixedThreshold)
                                         .setTryRotate(false)
                                         .setTryDownscale(false);
    size_t found = 0;
    const double decodeAlone = Bench::BestSeconds([&] {
        const ZXing::Results results = ZXing::ReadBarcodes(view, hints);
        found = results.size();
        Bench::KeepAlive(results);
    });

    Bench::Report("preview: draw 20 items and read back 8 barcodes", drawAndRead * 1000, "ms",
                  decodeAlone * 1000, "decode the picture alone");
    std::printf("picture %d x %d dots; decoding it alone finds %zu of the 8 barcodes\n", picture.width(),
                picture.height(), found);
    return 0;
}
