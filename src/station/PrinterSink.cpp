#include "station/PrinterSink.h"

#include "comm/CommChannel.h"
#include "station/ConnectionManager.h"

void TPrinterSink::SendToSelected(std::unique_ptr<TXLMessage> message)
{
    for (TCommChannel* channel : m_manager.ConnectedList())
        if (channel->Id() == m_printerId) {
            channel->QueueMessage(std::move(message));
            return;
        }
}
