#pragma once

#include <QString>

// A printer's request for a number: the value it holds, the two limits in the order it sent them,
// and the item the number is for. The operator's entry must lie between the limits, the limit sent
// first excluded and the one sent second included (so equal limits take no entry at all); an
// accepted entry becomes the value. The answer is the value, also when nothing was accepted.
class TNumericRequest
{
public:
    enum class TSaveResult
    {
        Accepted,
        OutOfRange,
        NotANumber,
    };

    // The entry field takes 1 to this many decimal digits and nothing else.
    static constexpr int EntryDigits = 8;

    TNumericRequest() = default;
    TNumericRequest(qint32 value, qint32 limitA, qint32 limitB, quint8 itemNumber)
        : m_value(value), m_limitA(limitA), m_limitB(limitB), m_itemNumber(itemNumber)
    {}

    qint32 Value() const { return m_value; }
    quint8 ItemNumber() const { return m_itemNumber; }
    qint32 Minimum() const { return qMin(m_limitA, m_limitB); }
    qint32 Maximum() const { return qMax(m_limitA, m_limitB); }
    bool Accepts(qint64 number) const;

    // "Save" with the operator's entry, a decimal number.
    TSaveResult Save(const QString& entry);
    // What the operator is told when the entry is not a number.
    static QString NotANumberText(const QString& entry);

private:
    qint32 m_value = 0;
    qint32 m_limitA = 0;
    qint32 m_limitB = 0;
    quint8 m_itemNumber = 0;
};
