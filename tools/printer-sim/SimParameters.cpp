#include "SimParameters.h"

#include "coder/PrinterModels.h"
#include "comm/XLMessage.h"
#include "parameters/ParameterDataUnit.h"

namespace {

using namespace ParameterNo;

// Word order after the model code in the parameter message of each layout.
constexpr std::array<int, 12> AltairLayout = {Rotation,
                                              XOffset,
                                              YOffset,
                                              PrintRequest,
                                              Debounce,
                                              DelayA,
                                              Contrast,
                                              RibbonGap,
                                              InhibitOffDelay,
                                              InhibitDelay,
                                              TSimParameters::Spare2,
                                              TSimParameters::Spare3};
constexpr std::array<int, 17> InkJetLayout = {
    Rotation,     XOffset,    YOffset,   PrintRequest,    Debounce,
    DelayA,       DirectionA, DelayB,    DirectionB,      EncoderSource,
    Speed,        Stretch,    Alignment, HeadCapInterval, TSimParameters::Spare1,
    SpitInterval, SpitDelay};

} // namespace

TSimParameters::TSimParameters()
{
    // Plausible settings of a printer fresh from the factory.
    m_values[Debounce] = 10;
    m_values[DelayA] = 100;
    m_values[DelayB] = 100;
    m_values[EncoderSource] = 1;
    m_values[Speed] = 3000;
    m_values[Stretch] = 1;
    m_values[HeadCapInterval] = 30;
    m_values[Contrast] = 80;
    m_values[RibbonGap] = 10;
    m_values[InhibitOffDelay] = 50;
}

bool TSimParameters::IsWritable(int number)
{
    return number >= Rotation && number <= SpitInterval && number != 15;
}

bool TSimParameters::Write(int number, qint32 value)
{
    if (!IsWritable(number))
        return false;
    m_values[size_t(number)] = value;
    return true;
}

void TSimParameters::WriteMessage(quint8 model, TXLMessage& message) const
{
    message.WriteU32(model);
    const auto writeAll = [&](const auto& layout) {
        for (const int slot : layout)
            message.WriteU32(quint32(m_values[size_t(slot)]));
    };
    if (model == PrinterModels::Altair)
        writeAll(AltairLayout);
    else
        writeAll(InkJetLayout);
}
