#include "station/NumericRequest.h"

#include <QCoreApplication>

bool TNumericRequest::Accepts(qint64 number) const
{
    if (m_limitB >= m_limitA)
        return m_limitA < number && number <= m_limitB;
    return m_limitB <= number && number < m_limitA;
}

TNumericRequest::TSaveResult TNumericRequest::Save(const QString& entry)
{
    bool isNumber = false;
    const qint64 number = entry.toLongLong(&isNumber, 10);
    if (!isNumber)
        return TSaveResult::NotANumber;
    if (!Accepts(number))
        return TSaveResult::OutOfRange;
    m_value = qint32(number);
    return TSaveResult::Accepted;
}

QString TNumericRequest::NotANumberText(const QString& entry)
{
    if (entry.isEmpty())
        return QCoreApplication::translate("TNumericRequest", "Enter a number.");
    return QCoreApplication::translate("TNumericRequest", "\"%1\" is not a number.").arg(entry);
}
