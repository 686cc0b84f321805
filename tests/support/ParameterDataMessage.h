#pragma once

#include "coder/PrinterModels.h"
#include "comm/XLMessage.h"

#include <QMap>

namespace TestSupport {
// A ParameterData message as a printer of the model sends it, with the settings given by parameter
// number and every other word 0. The word order is the printers', written out here apart from the
// code under test: parameter numbers, 0 for a spare word.
inline TXLMessage ParameterDataMessage(quint8 model, const QMap<int, qint32>& settings)
{
    static const int AltairWords[] = {1, 2, 3, 4, 5, 6, 16, 17, 19, 18, 0, 0};
    static const int InkJetWords[] = {1, 2, 3, 4, 5, 6, 8, 7, 9, 10, 11, 12, 13, 14, 0, 21, 20};
    TXLMessage message(XLReceive::StatusId, XLReceive::ParameterData);
    message.WriteU32(model);
    const auto writeAll = [&](const auto& words) {
        for (const int number : words)
            message.WriteU32(quint32(number ? settings.value(number) : 0));
    };
    if (model == PrinterModels::Altair)
        writeAll(AltairWords);
    else
        writeAll(InkJetWords);
    message.SetPosition(0);
    return message;
}
} // namespace TestSupport
