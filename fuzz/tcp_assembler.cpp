// Arbitrary bytes through the TCP packet assembler, split into chunks, every packet joined into a
// message. First byte: port choice and chunk size.
#include "comm/XLMessage.h"
#include "comm/XLPacketAssembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const quint16 port = (data[0] & 0x80) ? 14003 : 3000;
    const size_t chunk = (data[0] & 0x7F) + 1;
    TXLMessage joined;
    TXLPacketAssembler assembler(
        [&](std::unique_ptr<TXLPacket> packet) {
            if (!packet->IsAcknowledgement())
                packet->ReadPayload(joined);
        },
        port);
    for (size_t at = 1; at < size; at += chunk)
        assembler.ProcessBytes(
            QByteArrayView(reinterpret_cast<const char*>(data) + at, qMin(chunk, size - at)));
    return 0;
}
