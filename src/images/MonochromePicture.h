#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>
#include <vector>

// A black-and-white raster of Width x Height pixels, stored as the design file stores it: 1 bit per
// pixel, 1 = black, most significant bit first, rows from the top, packed continuously with no
// padding at row ends.
class TMonochromePicture
{
public:
    // Bytes beyond the packed bits, always 0, so a 64-bit word can be loaded at any byte of the bits.
    static constexpr int TailPadding = 8;

    // An empty picture (0 x 0).
    TMonochromePicture() : TMonochromePicture(0, 0) {}
    // All white; negative sizes count as 0.
    TMonochromePicture(int width, int height);

    // Bytes the packed bits of a width x height picture occupy: ceil(width * height / 8).
    static qint64 PackedByteCount(int width, int height);
    // Bytes the design file holds for such a picture: PackedByteCount, but at least 1, since the
    // first byte is always there.
    static qint64 FileByteCount(int width, int height);
    // The picture whose packed bits begin fileBytes; bytes after PackedByteCount are ignored. None
    // when a size is negative or fileBytes is too short.
    static std::optional<TMonochromePicture> FromPacked(int width, int height, QByteArrayView fileBytes);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsBlack(int x, int y) const;
    void SetBlack(int x, int y, bool black);

    // The packed bits, followed by TailPadding zero bytes.
    const quint8* Bits() const { return m_bits.data(); }
    QByteArrayView Packed() const;

private:
    qint64 BitIndex(int x, int y) const { return qint64(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<quint8> m_bits;
};
