#pragma once

#include "TestSupport.h"
#include "comm/MessageSink.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace TestSupport {
// Stands in for the selected printer's link: keeps every message handed to it, in order.
class TRecordingSink : public TMessageSink
{
public:
    void SendToSelected(std::unique_ptr<TXLMessage> message) override
    {
        Messages.push_back(std::move(message));
    }

    // One line per message, Id in hex and Sub in decimal, then the body: "33/11: 00 00 0D AC",
    // "31/4" for a message without body.
    QStringList Sent() const
    {
        QStringList lines;
        for (const auto& message : Messages) {
            QString line =
                QStringLiteral("%1/%2").arg(message->Id, 2, 16, QLatin1Char('0')).toUpper().arg(message->Sub);
            if (message->Size() > 0)
                line += QStringLiteral(": ") + ToHex(message->Body());
            lines.append(line);
        }
        return lines;
    }

    std::vector<std::unique_ptr<TXLMessage>> Messages;
};
} // namespace TestSupport
