#include "images/PictureRunCoder.h"

#include "comm/XLMessage.h"
#include "images/ItemPayload.h"
#include "images/MonochromePicture.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

namespace PictureRunCoder {
namespace {

using TRowCoding = std::vector<quint8>;

constexpr quint64 MaxCount = 255;

quint64 LoadBigEndian64(const quint8* bytes)
{
    quint64 word;
    std::memcpy(&word, bytes, sizeof word);
    return qFromBigEndian(word);
}

// The first bit position in [from, end) whose pixel is not of the given colour, or end. The bits are
// read as big-endian words, so the leading zeros of (word ^ colour) count the pixels before a change.
quint64 NextColourChange(const quint8* bits, quint64 from, quint64 end, bool black)
{
    const quint64 colour = black ? ~quint64(0) : 0;
    quint64 position = from;
    while (position < end) {
        const unsigned skew = unsigned(position % 8);
        // Shifting out the bits before position brings in zeros, which never count as a change.
        const quint64 changes = (LoadBigEndian64(bits + position / 8) ^ colour) << skew;
        if (changes != 0)
            return std::min(position + unsigned(std::countl_zero(changes)), end);
        position += 64 - skew;
    }
    return end;
}

void AppendRun(TRowCoding& coding, quint64 length, bool black)
{
    const auto appendPair = [&](quint8 count) {
        coding.push_back(black ? 0 : count);
        coding.push_back(black ? count : 0);
    };
    for (; length >= MaxCount; length -= MaxCount)
        appendPair(quint8(MaxCount));
    if (length > 0)
        appendPair(quint8(length));
}

void CodeRow(const TMonochromePicture& picture, int y, TRowCoding& coding)
{
    coding.clear();
    const quint64 start = quint64(y) * quint64(picture.Width());
    const quint64 end = start + quint64(picture.Width());
    bool black = false; // a row that starts black begins with a (0, n) pair
    for (quint64 position = start; position < end; black = !black) {
        const quint64 change = NextColourChange(picture.Bits(), position, end, black);
        AppendRun(coding, change - position, black);
        position = change;
    }
}

} // namespace

PictureRefusal WritePayload(TXLMessage& message, const TMonochromePicture& picture)
{
    if (picture.Width() > MaxSide || picture.Height() > MaxSide)
        return PictureRefusal::TooLarge;
    ItemPayload::WriteLE16(message, picture.Width());
    ItemPayload::WriteLE16(message, picture.Height());

    TRowCoding previous;
    TRowCoding current;
    quint64 repeats = 0;
    const auto writeGroup = [&] {
        message.WriteU8(quint8(repeats));
        message.WriteBytes(
            QByteArrayView(reinterpret_cast<const char*>(previous.data()), qsizetype(previous.size())));
    };
    // The first row always opens a group: no row before it can be repeated. With no rows at all the
    // single group is empty.
    if (picture.Height() > 0)
        CodeRow(picture, 0, previous);
    for (int y = 1; y < picture.Height(); ++y) {
        CodeRow(picture, y, current);
        if (current == previous && repeats < MaxCount) {
            ++repeats;
            continue;
        }
        writeGroup();
        std::swap(previous, current);
        repeats = 0;
    }
    writeGroup();
    return PictureRefusal::None;
}

} // namespace PictureRunCoder
