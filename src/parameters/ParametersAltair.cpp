#include "parameters/ParametersAltair.h"

namespace {
constexpr TParameterData::Setting MessageSettings[] = {
    &TParameterData::Contrast,     &TParameterData::RibbonGap, &TParameterData::InhibitOffDelay,
    &TParameterData::InhibitDelay, &TParameterData::Spare2,    &TParameterData::Spare3,
};

constexpr quint16 SendingOrder[] = {
    ParameterNo::XOffset,  ParameterNo::YOffset,      ParameterNo::Debounce,     ParameterNo::DelayA,
    ParameterNo::Contrast, ParameterNo::RibbonGap,    ParameterNo::InhibitDelay, ParameterNo::InhibitOffDelay,
    ParameterNo::Rotation, ParameterNo::PrintRequest,
};
} // namespace

void TParametersAltair::ReadFromMessage(TXLMessage& message)
{
    TParameterData::ReadFromMessage(message);
    ReadSettings(message, MessageSettings);
}

std::unique_ptr<TParameterData> TParametersAltair::Clone() const
{
    return CloneOf(*this);
}

void TParametersAltair::SendChanges(TParameterData& received, TMessageSink& sink)
{
    Changed = true;
    SendChangesInOrder(SendingOrder, received, sink);
}
