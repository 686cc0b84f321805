// Reading a font map file: it must stay inside the file, keep only entries read completely and
// allocate nothing for a count the file cannot hold.
#include "images/BinaryFileStream.h"
#include "images/FontUnit.h"

namespace {
// Three empty texts and five int32: the smallest entry.
constexpr size_t SmallestEntry = 32;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBinaryFileStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const TFontMap map = TFontMap::Read(stream);
    if (size_t(map.Entries().size()) > size / SmallestEntry || stream.Remaining() < 0)
        __builtin_trap();
    for (const TFontItem& entry : map.Entries())
        map.CoderFontID(entry.FontNo);
    return 0;
}
