#include "parameters/ParameterDataUnit.h"

#include "parameters/ParametersAltair.h"
#include "parameters/ParametersNimbus.h"

#include <QIODevice>
#include <QtEndian>

namespace {
using Field = TParameterData::Setting;

// Parameter files keep the declaration order, except that the two spit settings come last.
constexpr Field FileOrder[] = {
    &TParameterData::Rotation,      &TParameterData::XOffset,         &TParameterData::YOffset,
    &TParameterData::Debounce,      &TParameterData::PrintRequest,    &TParameterData::DelayA,
    &TParameterData::DelayB,        &TParameterData::DirectionA,      &TParameterData::DirectionB,
    &TParameterData::EncoderSource, &TParameterData::Speed,           &TParameterData::Stretch,
    &TParameterData::Alignment,     &TParameterData::HeadCapInterval, &TParameterData::Spare1,
    &TParameterData::Contrast,      &TParameterData::RibbonGap,       &TParameterData::InhibitOffDelay,
    &TParameterData::InhibitDelay,  &TParameterData::Spare2,          &TParameterData::Spare3,
    &TParameterData::SpitDelay,     &TParameterData::SpitInterval,
};
static_assert(std::size(FileOrder) * 4 == TParameterData::FileSettingsSize);

// Both message layouts start with these, in parameter-number order.
constexpr Field CommonMessageOrder[] = {
    &TParameterData::Rotation,     &TParameterData::XOffset,  &TParameterData::YOffset,
    &TParameterData::PrintRequest, &TParameterData::Debounce, &TParameterData::DelayA,
};

Field FieldOfParameter(quint16 number)
{
    switch (number) {
    case ParameterNo::Rotation:
        return &TParameterData::Rotation;
    case ParameterNo::XOffset:
        return &TParameterData::XOffset;
    case ParameterNo::YOffset:
        return &TParameterData::YOffset;
    case ParameterNo::PrintRequest:
        return &TParameterData::PrintRequest;
    case ParameterNo::Debounce:
        return &TParameterData::Debounce;
    case ParameterNo::DelayA:
        return &TParameterData::DelayA;
    case ParameterNo::DelayB:
        return &TParameterData::DelayB;
    case ParameterNo::DirectionA:
        return &TParameterData::DirectionA;
    case ParameterNo::DirectionB:
        return &TParameterData::DirectionB;
    case ParameterNo::EncoderSource:
        return &TParameterData::EncoderSource;
    case ParameterNo::Speed:
        return &TParameterData::Speed;
    case ParameterNo::Stretch:
        return &TParameterData::Stretch;
    case ParameterNo::Alignment:
        return &TParameterData::Alignment;
    case ParameterNo::HeadCapInterval:
        return &TParameterData::HeadCapInterval;
    case ParameterNo::Contrast:
        return &TParameterData::Contrast;
    case ParameterNo::RibbonGap:
        return &TParameterData::RibbonGap;
    case ParameterNo::InhibitDelay:
        return &TParameterData::InhibitDelay;
    case ParameterNo::InhibitOffDelay:
        return &TParameterData::InhibitOffDelay;
    case ParameterNo::SpitDelay:
        return &TParameterData::SpitDelay;
    case ParameterNo::SpitInterval:
        return &TParameterData::SpitInterval;
    }
    Q_UNREACHABLE();
    return nullptr;
}
} // namespace

void TParameterData::ReadFromMessage(TXLMessage& message)
{
    ReadSettings(message, CommonMessageOrder);
}

void TParameterData::ReadSettings(TXLMessage& message, std::span<const Setting> settings)
{
    for (const Setting setting : settings)
        this->*setting = qint32(message.ReadU32());
}

void TParameterData::LoadFromStream(QIODevice& stream)
{
    for (const Field field : FileOrder) {
        char word[4];
        if (stream.read(word, sizeof word) != qint64(sizeof word))
            return;
        this->*field = qFromLittleEndian<qint32>(word);
    }
}

bool TParameterData::SaveToStream(QIODevice& stream) const
{
    QByteArray bytes(FileSettingsSize, Qt::Uninitialized);
    char* word = bytes.data();
    for (const Field field : FileOrder) {
        qToLittleEndian(this->*field, word);
        word += 4;
    }
    return stream.write(bytes) == bytes.size();
}

void TParameterData::SendChanges(TParameterData& /*received*/, TMessageSink& sink)
{
    if (Changed)
        sink.SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
}

void TParameterData::SendParameter(quint16 number, qint32 value, TMessageSink& sink)
{
    Changed = true;
    auto message = std::make_unique<TXLMessage>(XLSend::WriteParameterId, number);
    message->WriteU32(quint32(value));
    sink.SendToSelected(std::move(message));
}

void TParameterData::SendChangesInOrder(std::span<const quint16> order, TParameterData& received,
                                        TMessageSink& sink)
{
    for (const quint16 number : order) {
        const Field field = FieldOfParameter(number);
        if (this->*field == received.*field)
            continue;
        received.*field = this->*field;
        SendParameter(number, this->*field, sink);
    }
    TParameterData::SendChanges(received, sink);
}

std::unique_ptr<TParameterData> CreateParameterRecord(quint8 modelCode)
{
    switch (modelCode) {
    case PrinterModels::Altair:
        return std::make_unique<TParametersAltair>();
    case PrinterModels::Rigel:
        return std::make_unique<TParametersRigel>();
    case PrinterModels::Deneb:
        return std::make_unique<TParametersDeneb>();
    case PrinterModels::Lyra:
        return std::make_unique<TParametersLyra>();
    default:
        return std::make_unique<TParametersVega>();
    }
}

TReceivedParameters ReadParameterData(TXLMessage& message)
{
    TReceivedParameters received;
    received.ModelCode = quint8(message.ReadU32());
    received.Record = CreateParameterRecord(received.ModelCode);
    received.Record->ReadFromMessage(message);
    return received;
}

TParameterFileLoad LoadParameterFile(QIODevice& file, quint8 modelCode, TParameterData& record)
{
    char savedModel = 0;
    if (!file.getChar(&savedModel))
        return TParameterFileLoad::NoModelByte;
    if (quint8(savedModel) != modelCode)
        return TParameterFileLoad::OtherModel;
    record.LoadFromStream(file);
    return TParameterFileLoad::Loaded;
}

bool SaveParameterFile(QIODevice& file, quint8 modelCode, const TParameterData& record)
{
    return file.putChar(char(modelCode)) && record.SaveToStream(file);
}
