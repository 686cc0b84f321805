// Cutting a 1 MiB message into packets, serialising them, and joining them again through the TCP
// assembler and ReadPayload, against a plain copy of the same bytes.
#include "BenchSupport.h"
#include "comm/XLMessage.h"
#include "comm/XLPacketAssembler.h"

#include <cstring>
#include <vector>

int main()
{
    constexpr int Size = 1 << 20;
    QByteArray body(Size, Qt::Uninitialized);
    for (int i = 0; i < Size; ++i)
        body[i] = char((i * 131) ^ (i >> 7));

    TXLMessage sent(0x31, 2);
    sent.WriteBytes(body);
    const double roundTrip = Bench::BestSeconds(
        [&] {
            sent.SetPosition(0);
            TXLMessage joined;
            TXLPacketAssembler assembler(
                [&](std::unique_ptr<TXLPacket> packet) { packet->ReadPayload(joined); }, 3000);
            bool more = true;
            for (quint8 packetNo = 1; more; ++packetNo) {
                TXLPacket packet;
                packet.MessageNo = 1;
                packet.PacketNo = packetNo;
                more = packet.BuildFromMessage(sent);
                assembler.ProcessBytes(packet.Stream.Bytes());
            }
            if (joined.Body() != body)
                std::abort();
        },
        20);

    std::vector<char> target(Size);
    const double copy = Bench::BestSeconds(
        [&] {
            std::memcpy(target.data(), body.constData(), Size);
            Bench::KeepAlive(target);
        },
        20);

    const double mb = double(Size) / 1e6;
    Bench::Report("packets: cut, serialise, assemble, join 1 MiB", mb / roundTrip, "MB/s", mb / copy,
                  "memcpy");
    return 0;
}
