#pragma once

#include "comm/XLMessage.h"
#include "comm/XLPackets.h"

// Joins received data packets into messages, on either end of a link. A packet whose message
// number, Id or Sub differ from those of the message being joined starts a new message; otherwise
// it is taken only if it is the next packet, so a repeat (its acknowledgement was lost) changes
// nothing. A message that would grow beyond MaxSize is dropped whole, so a faulty or hostile peer
// cannot exhaust memory.
class TXLMessageJoiner
{
public:
    static constexpr qsizetype MaxSize = 16 * 1024 * 1024;

    // Takes a data packet; true when it completed a message, which Message() then holds, read from
    // its start.
    bool Take(const TXLPacket& packet);
    TXLMessage& Message() { return m_message; }
    // A new link numbers its messages afresh: nothing received before counts any more.
    void Reset();

private:
    TXLMessage m_message;
    bool m_oversized = false;
};
