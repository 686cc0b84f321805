#pragma once

#include "parameters/ParameterDataUnit.h"

// The thermal-transfer (ribbon) printer. Accepting an edit always ends with FlashWrite, even when no
// setting changed.
class TParametersAltair : public TParameterData
{
public:
    void ReadFromMessage(TXLMessage& message) override;
    std::unique_ptr<TParameterData> Clone() const override;
    void SendChanges(TParameterData& received, TMessageSink& sink) override;
};
