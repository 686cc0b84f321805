#pragma once

#include "comm/XLMessage.h"

#include <memory>

// Where windows and records hand the messages they build: the selected printer's link. A message
// handed over belongs to the sink; with no selected printer it is dropped.
class TMessageSink
{
public:
    virtual ~TMessageSink() = default;
    virtual void SendToSelected(std::unique_ptr<TXLMessage> message) = 0;
};
