#include "TestSupport.h"

QByteArray TestSupport::Hex(const char* spacedHex)
{
    return QByteArray::fromHex(QByteArray(spacedHex).replace(' ', ""));
}

QString TestSupport::ToHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}
