// Run-length coding a 4096 x 4096 picture for the printer: a label-like picture (lines of text-like
// strokes inside large white margins) and random noise, against one pass that only reads every byte
// of the packed picture.
#include "BenchSupport.h"
#include "comm/XLMessage.h"
#include "images/MonochromePicture.h"
#include "images/PictureRunCoder.h"

#include <QRandomGenerator>

#include <cstdlib>

namespace {

constexpr int Side = 4096;

void FillRect(TMonochromePicture& picture, int left, int top, int width, int height)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            picture.SetBlack(x, y, true);
}

// Lines of 40 x 56 glyph cells, each glyph a few stems, bars and slants 5 pixels thick, between
// margins of 600 pixels; a rule above and below the text.
TMonochromePicture LabelPicture()
{
    TMonochromePicture picture(Side, Side);
    QRandomGenerator random(7);
    constexpr int Margin = 600;
    constexpr int CellWidth = 40;
    constexpr int CellHeight = 56;
    constexpr int LineHeight = 96;
    constexpr int Stroke = 5;
    FillRect(picture, Margin - 40, Margin - 40, Side - 2 * Margin + 80, Stroke);
    FillRect(picture, Margin - 40, Side - Margin + 40, Side - 2 * Margin + 80, Stroke);
    for (int top = Margin; top + CellHeight < Side - Margin; top += LineHeight) {
        for (int left = Margin; left + CellWidth < Side - Margin; left += CellWidth) {
            if (random.bounded(8) == 0)
                continue; // a space between words
            const int glyph = random.bounded(256);
            const int right = left + CellWidth - 10 - Stroke;
            if (glyph & 1)
                FillRect(picture, left, top, Stroke, CellHeight);
            if (glyph & 2)
                FillRect(picture, right, top, Stroke, CellHeight);
            if (glyph & 4)
                FillRect(picture, left + (CellWidth - 10) / 2 - 2, top, Stroke, CellHeight);
            if (glyph & 8)
                FillRect(picture, left, top, CellWidth - 10, Stroke);
            if (glyph & 16)
                FillRect(picture, left, top + CellHeight / 2, CellWidth - 10, Stroke);
            if (glyph & 32)
                FillRect(picture, left, top + CellHeight - Stroke, CellWidth - 10, Stroke);
            if (glyph & 64) // a slanted stroke makes every row of the line a little different
                for (int y = 0; y < CellHeight; ++y)
                    FillRect(picture, left + y * (CellWidth - 10 - Stroke) / CellHeight, top + y, Stroke, 1);
        }
    }
    return picture;
}

TMonochromePicture NoisePicture()
{
    QByteArray bits(TMonochromePicture::PackedByteCount(Side, Side), Qt::Uninitialized);
    QRandomGenerator random(11);
    random.fillRange(reinterpret_cast<quint32*>(bits.data()), bits.size() / 4);
    return *TMonochromePicture::FromPacked(Side, Side, bits);
}

double CodingSeconds(const TMonochromePicture& picture, qsizetype& payloadSize)
{
    return Bench::BestSeconds(
        [&] {
            TXLMessage message(0x31, 2);
            if (PictureRunCoder::WritePayload(message, picture) != PictureRunCoder::PictureRefusal::None)
                std::abort();
            payloadSize = message.Size();
            Bench::KeepAlive(message);
        },
        10);
}

double ReadEveryByteSeconds(const TMonochromePicture& picture)
{
    const QByteArrayView bytes = picture.Packed();
    return Bench::BestSeconds(
        [&] {
            quint64 sum = 0;
            for (char byte : bytes)
                sum += quint8(byte);
            Bench::KeepAlive(sum);
        },
        10);
}

} // namespace

int main()
{
    const double megapixels = double(Side) * Side / 1e6;
    const TMonochromePicture label = LabelPicture();
    const TMonochromePicture noise = NoisePicture();

    const double floor = megapixels / ReadEveryByteSeconds(label);
    qsizetype labelBytes = 0;
    qsizetype noiseBytes = 0;
    const double labelRate = megapixels / CodingSeconds(label, labelBytes);
    const double noiseRate = megapixels / CodingSeconds(noise, noiseBytes);

    Bench::Report("picture: run-code 4096 x 4096 label", labelRate, "Mpixel/s", floor, "read every byte");
    Bench::Report("picture: run-code 4096 x 4096 noise", noiseRate, "Mpixel/s", floor, "read every byte");
    std::printf("payload bytes: label %lld, noise %lld\n", qint64(labelBytes), qint64(noiseBytes));
    return 0;
}
