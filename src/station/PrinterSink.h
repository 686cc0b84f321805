#pragma once

#include "comm/MessageSink.h"

class TConnectionManager;

// Where a window that belongs to one printer sends (the parameters editor, the clock dialog): that
// printer's link while it is connected, whichever printer is selected by then; nowhere once it has
// gone.
class TPrinterSink : public TMessageSink
{
public:
    TPrinterSink(const TConnectionManager& manager, quint64 printerId) : m_manager(manager), m_printerId(printerId)
    {}

    void SendToSelected(std::unique_ptr<TXLMessage> message) override;

private:
    const TConnectionManager& m_manager;
    quint64 m_printerId;
};
