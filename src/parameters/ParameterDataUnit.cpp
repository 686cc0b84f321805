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

constexpr TNumberedSetting NumberedSettingTable[] = {
    {ParameterNo::Rotation, &TParameterData::Rotation},
    {ParameterNo::XOffset, &TParameterData::XOffset},
    {ParameterNo::YOffset, &TParameterData::YOffset},
    {ParameterNo::PrintRequest, &TParameterData::PrintRequest},
    {ParameterNo::Debounce, &TParameterData::Debounce},
    {ParameterNo::DelayA, &TParameterData::DelayA},
    {ParameterNo::DelayB, &TParameterData::DelayB},
    {ParameterNo::DirectionA, &TParameterData::DirectionA},
    {ParameterNo::DirectionB, &TParameterData::DirectionB},
    {ParameterNo::EncoderSource, &TParameterData::EncoderSource},
    {ParameterNo::Speed, &TParameterData::Speed},
    {ParameterNo::Stretch, &TParameterData::Stretch},
    {ParameterNo::Alignment, &TParameterData::Alignment},
    {ParameterNo::HeadCapInterval, &TParameterData::HeadCapInterval},
    {ParameterNo::Contrast, &TParameterData::Contrast},
    {ParameterNo::RibbonGap, &TParameterData::RibbonGap},
    {ParameterNo::InhibitDelay, &TParameterData::InhibitDelay},
    {ParameterNo::InhibitOffDelay, &TParameterData::InhibitOffDelay},
    {ParameterNo::SpitDelay, &TParameterData::SpitDelay},
    {ParameterNo::SpitInterval, &TParameterData::SpitInterval},
};
} // namespace

std::span<const TNumberedSetting> NumberedSettings()
{
    return NumberedSettingTable;
}

TParameterData::Setting FieldOfParameter(quint16 number)
{
    for (const TNumberedSetting& setting : NumberedSettingTable)
        if (setting.Number == number)
            return setting.Field;
    return nullptr;
}

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
        Q_ASSERT(field);
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
