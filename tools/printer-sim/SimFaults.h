#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// The faults the simulated printer puts on its links, and the switch that makes it fall silent. One
// random source serves every link, so the same seed repeats the same run of faults.
class TSimFaults
{
public:
    explicit TSimFaults(quint32 seed = QRandomGenerator::system()->generate()) : m_random(seed) {}

    void SetSeed(quint32 seed) { m_random.seed(seed); }

    double DropIncoming = 0;    // probability that an incoming packet is lost on the wire
    double SkipAck = 0;         // probability that a data packet is taken but not acknowledged
    double CorruptOutgoing = 0; // probability that one byte of an outgoing packet is damaged
    int AckDelayMs = 0;         // wait before each acknowledgement
    int MaxDataLength = 0;      // a receiver that drops every data packet with a longer Length; 0: none
    bool Silent = false;        // the printer answers nothing: no acknowledgements, replies or discovery

    // True with the given probability.
    bool Happens(double probability);
    // With the probability CorruptOutgoing, changes one byte after the start byte; true if it did.
    bool MaybeCorrupt(QByteArray& packetBytes);

private:
    QRandomGenerator m_random;
};
