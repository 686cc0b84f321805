#include "widgets/WireTextValidator.h"

#include "comm/XLMessage.h"

QValidator::State TWireTextValidator::validate(QString& input, int&) const
{
    return TXLMessage::IsWireString(input) ? Acceptable : Invalid;
}
