// Reading an image design file as the image transfer does (version, names, month names, shifts,
// items) and writing every item into an image message. Whatever the file holds, reading must stay
// inside it and allocate nothing for counts it cannot hold.
#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/FontUnit.h"
#include "images/ImageDesignFile.h"
#include "platform/StationClock.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A fixed day, so a finding reproduces.
    StationClock::SetSource([] { return QDateTime(QDate(2024, 3, 15), QTime(12, 0)); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBinaryFileStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    TImageDesignFile file;
    const std::optional<TImageError> error = file.Read(stream);
    if (stream.Position() > qsizetype(size) || stream.Remaining() < 0)
        __builtin_trap();
    if (error)
        return 0;
    static const TFontMap fonts({{1, 0, 0x21}, {2, 0, 0x122}});
    TXLMessage message(XLSend::ImageData);
    file.Items.WriteToMessage(message, fonts);
    return 0;
}
