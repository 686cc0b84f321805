#include "SimFaults.h"

bool TSimFaults::Happens(double probability)
{
    return probability > 0 && m_random.generateDouble() < probability;
}

bool TSimFaults::MaybeCorrupt(QByteArray& packetBytes)
{
    if (packetBytes.size() < 2 || !Happens(CorruptOutgoing))
        return false;
    const qsizetype index = 1 + qsizetype(m_random.bounded(quint32(packetBytes.size() - 1)));
    const char flip = char(1 + m_random.bounded(255u)); // never 0: the byte always changes
    packetBytes[index] = char(packetBytes[index] ^ flip);
    return true;
}
