#include "comm/XLCrcFold.h"

#include "comm/XLPackets.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VEX_CRC_CLMUL 1
#endif

// A block of 16 bytes, read with its first byte as the highest coefficients, is a polynomial V of
// degree below 128. Appending the next block makes it V x^128 + next; with V = A x^64 + B that is
// congruent, modulo the CRC polynomial P, to A (x^192 mod P) + B (x^128 mod P) + next: two carry-less
// multiplications fold the data into 128 bits without changing its remainder modulo P. The CRC of
// the folded 16 bytes is then that of the blocks.
namespace {

// x^n modulo the CRC polynomial P = x^16 + x^12 + x^5 + 1.
constexpr quint64 XPowerModP(int n)
{
    quint32 r = 1;
    for (int i = 0; i < n; ++i) {
        r <<= 1;
        if (r & 0x10000)
            r ^= 0x11021;
    }
    return r;
}

#ifdef VEX_CRC_CLMUL

// The powers the folding multiplies by, computed while compiling.
constexpr quint64 XPower128 = XPowerModP(128);
constexpr quint64 XPower192 = XPowerModP(192);
constexpr quint64 XPower512 = XPowerModP(512);
constexpr quint64 XPower576 = XPowerModP(576);

#define VEX_CLMUL_TARGET __attribute__((target("pclmul,ssse3")))

VEX_CLMUL_TARGET inline __m128i LoadBlock(const uchar* data)
{
    const __m128i firstByteHighest = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data)), firstByteHighest);
}

// V x^distance + next, reduced to 128 bits; powers holds x^distance and x^(distance + 64) mod P.
VEX_CLMUL_TARGET inline __m128i FoldInto(__m128i folded, __m128i powers, __m128i next)
{
    const __m128i high = _mm_clmulepi64_si128(folded, powers, 0x11); // A times x^(distance + 64)
    const __m128i low = _mm_clmulepi64_si128(folded, powers, 0x00);  // B times x^distance
    return _mm_xor_si128(_mm_xor_si128(high, low), next);
}

VEX_CLMUL_TARGET XLCrc::TFolded Fold(quint16 crc, const uchar* data, qsizetype count)
{
    const __m128i by128 = _mm_set_epi64x(qint64(XPower192), qint64(XPower128));
    const __m128i by512 = _mm_set_epi64x(qint64(XPower576), qint64(XPower512));
    // The CRC so far enters as the first two bytes' worth of coefficients.
    __m128i folded = _mm_xor_si128(LoadBlock(data), _mm_set_epi64x(qint64(quint64(crc) << 48), 0));
    qsizetype taken = 16;
    if (count >= 128) {
        // Four blocks at a time in four lanes, each folded over 512 bits: the multiplications of
        // one lane do not wait for those of another. The lanes are then folded into one.
        __m128i lanes[4] = {folded, LoadBlock(data + 16), LoadBlock(data + 32), LoadBlock(data + 48)};
        for (taken = 64; count - taken >= 64; taken += 64)
            for (int lane = 0; lane < 4; ++lane)
                lanes[lane] = FoldInto(lanes[lane], by512, LoadBlock(data + taken + 16 * lane));
        folded = lanes[0];
        for (int lane = 1; lane < 4; ++lane)
            folded = FoldInto(folded, by128, lanes[lane]);
    }
    for (; count - taken >= 16; taken += 16)
        folded = FoldInto(folded, by128, LoadBlock(data + taken));
    const __m128i lastByteLowest = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    alignas(16) uchar bytes[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(bytes), _mm_shuffle_epi8(folded, lastByteLowest));
    return {XLCrc::Update(0, bytes, 16), taken};
}

bool ProcessorFolds()
{
    static const bool folds = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("ssse3");
    return folds;
}

#endif

} // namespace

XLCrc::TFolded XLCrc::UpdateFolded(quint16 crc, const uchar* data, qsizetype count)
{
#ifdef VEX_CRC_CLMUL
    if (count >= 32 && ProcessorFolds())
        return Fold(crc, data, count);
#else
    Q_UNUSED(crc);
    Q_UNUSED(data);
    Q_UNUSED(count);
#endif
    return {crc, 0};
}
