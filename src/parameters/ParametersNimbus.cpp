#include "parameters/ParametersNimbus.h"

namespace {
constexpr TParameterData::Setting MessageSettings[] = {
    &TParameterData::DirectionA,    &TParameterData::DelayB,          &TParameterData::DirectionB,
    &TParameterData::EncoderSource, &TParameterData::Speed,           &TParameterData::Stretch,
    &TParameterData::Alignment,     &TParameterData::HeadCapInterval, &TParameterData::Spare1,
    &TParameterData::SpitInterval,  &TParameterData::SpitDelay,
};

// Every ink-jet model compares and sends the spit settings, also those whose page does not show
// them: they can still change through a loaded parameter file.
constexpr quint16 VegaOrder[] = {
    ParameterNo::Stretch,   ParameterNo::Debounce,     ParameterNo::DelayA,        ParameterNo::DirectionA,
    ParameterNo::Rotation,  ParameterNo::PrintRequest, ParameterNo::EncoderSource, ParameterNo::Speed,
    ParameterNo::SpitDelay, ParameterNo::SpitInterval,
};
constexpr quint16 RigelOrder[] = {
    ParameterNo::Stretch,    ParameterNo::Debounce,  ParameterNo::DelayA,       ParameterNo::Alignment,
    ParameterNo::DirectionA, ParameterNo::Rotation,  ParameterNo::PrintRequest, ParameterNo::EncoderSource,
    ParameterNo::Speed,      ParameterNo::SpitDelay, ParameterNo::SpitInterval,
};
constexpr quint16 DenebOrder[] = {
    ParameterNo::Stretch,       ParameterNo::Debounce,   ParameterNo::DelayA,    ParameterNo::DelayB,
    ParameterNo::DirectionA,    ParameterNo::DirectionB, ParameterNo::Rotation,  ParameterNo::PrintRequest,
    ParameterNo::EncoderSource, ParameterNo::Speed,      ParameterNo::SpitDelay, ParameterNo::SpitInterval,
};
constexpr quint16 LyraOrder[] = {
    ParameterNo::Stretch,    ParameterNo::Debounce,  ParameterNo::DelayA,       ParameterNo::HeadCapInterval,
    ParameterNo::DirectionA, ParameterNo::Rotation,  ParameterNo::PrintRequest, ParameterNo::EncoderSource,
    ParameterNo::Speed,      ParameterNo::SpitDelay, ParameterNo::SpitInterval,
};
} // namespace

void TParametersNimbus::ReadFromMessage(TXLMessage& message)
{
    TParameterData::ReadFromMessage(message);
    ReadSettings(message, MessageSettings);
}

std::unique_ptr<TParameterData> TParametersVega::Clone() const
{
    return CloneOf(*this);
}

void TParametersVega::SendChanges(TParameterData& received, TMessageSink& sink)
{
    Changed = false;
    SendChangesInOrder(VegaOrder, received, sink);
}

std::unique_ptr<TParameterData> TParametersRigel::Clone() const
{
    return CloneOf(*this);
}

void TParametersRigel::SendChanges(TParameterData& received, TMessageSink& sink)
{
    Changed = false;
    SendChangesInOrder(RigelOrder, received, sink);
}

std::unique_ptr<TParameterData> TParametersDeneb::Clone() const
{
    return CloneOf(*this);
}

void TParametersDeneb::SendChanges(TParameterData& received, TMessageSink& sink)
{
    Changed = false;
    SendChangesInOrder(DenebOrder, received, sink);
}

std::unique_ptr<TParameterData> TParametersLyra::Clone() const
{
    return CloneOf(*this);
}

void TParametersLyra::SendChanges(TParameterData& received, TMessageSink& sink)
{
    Changed = false;
    SendChangesInOrder(LyraOrder, received, sink);
}
