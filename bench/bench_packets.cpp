// Cutting a 1 MiB message into packets, serialising them, and joining them again through the TCP
// assembler and the message joiner of a link, against a plain copy of the same bytes. The link is
// kept from one run to the next, as it is from one message to the next.
#include "BenchSupport.h"
#include "comm/XLMessage.h"
#include "comm/XLMessageJoiner.h"
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
    TXLMessageJoiner joiner;
    bool joined = false;
    TXLPacketAssembler assembler([&](std::unique_ptr<TXLPacket> packet) { joined = joiner.Take(*packet); },
                                 3000);
    quint8 messageNo = 0;
    const double roundTrip = Bench::BestSeconds(
        [&] {
            sent.SetPosition(0);
            joined = false;
            ++messageNo;
            bool more = true;
            for (quint8 packetNo = 1; more; ++packetNo) {
                TXLPacket packet;
                packet.MessageNo = messageNo;
                packet.PacketNo = packetNo;
                more = packet.BuildFromMessage(sent);
                assembler.ProcessBytes(packet.Stream.Bytes());
            }
            if (!joined || joiner.Message().Body() != body)
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
