#include "images/MonochromePicture.h"

#include <algorithm>
#include <cstring>

TMonochromePicture::TMonochromePicture(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_bits(size_t(PackedByteCount(m_width, m_height) + TailPadding), 0)
{}

qint64 TMonochromePicture::PackedByteCount(int width, int height)
{
    return (qint64(std::max(width, 0)) * std::max(height, 0) + 7) / 8;
}

qint64 TMonochromePicture::FileByteCount(int width, int height)
{
    return std::max<qint64>(PackedByteCount(width, height), 1);
}

std::optional<TMonochromePicture> TMonochromePicture::FromPacked(int width, int height,
                                                                 QByteArrayView fileBytes)
{
    if (width < 0 || height < 0 || fileBytes.size() < FileByteCount(width, height))
        return std::nullopt;
    TMonochromePicture picture(width, height);
    const qint64 packed = PackedByteCount(width, height);
    if (packed > 0)
        std::memcpy(picture.m_bits.data(), fileBytes.data(), size_t(packed));
    // The bits after the last pixel are no pixels: keep them 0, so equal pictures have equal bits.
    const int usedInLastByte = int((qint64(width) * height) % 8);
    if (usedInLastByte != 0)
        picture.m_bits[size_t(packed - 1)] &= quint8(0xFF << (8 - usedInLastByte));
    return picture;
}

bool TMonochromePicture::IsBlack(int x, int y) const
{
    Q_ASSERT(x >= 0 && x < m_width && y >= 0 && y < m_height);
    const qint64 bit = BitIndex(x, y);
    return (m_bits[size_t(bit / 8)] >> (7 - bit % 8)) & 1;
}

void TMonochromePicture::SetBlack(int x, int y, bool black)
{
    Q_ASSERT(x >= 0 && x < m_width && y >= 0 && y < m_height);
    const qint64 bit = BitIndex(x, y);
    const quint8 mask = quint8(0x80 >> (bit % 8));
    quint8& byte = m_bits[size_t(bit / 8)];
    byte = black ? quint8(byte | mask) : quint8(byte & ~mask);
}

QByteArrayView TMonochromePicture::Packed() const
{
    return QByteArrayView(reinterpret_cast<const char*>(m_bits.data()),
                          qsizetype(m_bits.size()) - TailPadding);
}
