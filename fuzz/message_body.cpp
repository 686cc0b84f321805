// Reading numbers, strings and string lists from an arbitrary message body. The first byte chooses
// the sequence of reads; reading must stay inside the body whatever it holds.
#include "comm/XLMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    TXLMessage message(0x21, 1);
    message.WriteBytes(QByteArrayView(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)));
    message.SetPosition(0);
    quint8 program = data[0];
    while (!message.AtEnd()) {
        const qsizetype before = message.Position();
        switch (program & 0x7) {
        case 0:
            message.ReadU8();
            break;
        case 1:
            message.ReadU16();
            break;
        case 2:
            message.ReadU32();
            break;
        case 3:
            message.ReadStringList();
            break;
        default:
            message.ReadString();
            break;
        }
        if (message.Position() <= before || message.Position() > message.Size())
            __builtin_trap();
        program = quint8((program >> 3) | (program << 5));
    }
    return 0;
}
