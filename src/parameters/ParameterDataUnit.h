#pragma once

#include "coder/PrinterModels.h"
#include "comm/MessageSink.h"
#include "comm/XLMessage.h"

#include <QtGlobal>

#include <memory>
#include <span>

class QIODevice;

// Parameter numbers: the Sub of the WriteParameter message that writes a setting. 15 is not used;
// the spare settings have none.
namespace ParameterNo {
inline constexpr quint16 Rotation = 1;
inline constexpr quint16 XOffset = 2;
inline constexpr quint16 YOffset = 3;
inline constexpr quint16 PrintRequest = 4;
inline constexpr quint16 Debounce = 5;
inline constexpr quint16 DelayA = 6;
inline constexpr quint16 DelayB = 7;
inline constexpr quint16 DirectionA = 8;
inline constexpr quint16 DirectionB = 9;
inline constexpr quint16 EncoderSource = 10;
inline constexpr quint16 Speed = 11;
inline constexpr quint16 Stretch = 12;
inline constexpr quint16 Alignment = 13;
inline constexpr quint16 HeadCapInterval = 14;
inline constexpr quint16 Contrast = 16;
inline constexpr quint16 RibbonGap = 17;
inline constexpr quint16 InhibitDelay = 18;
inline constexpr quint16 InhibitOffDelay = 19;
inline constexpr quint16 SpitDelay = 20;
inline constexpr quint16 SpitInterval = 21;
} // namespace ParameterNo

// The print settings of one printer. Every record carries the settings of every model; the model
// classes differ in the message layout they read and in which settings they write back, and in
// which order. The record stores what it is given and checks no ranges.
class TParameterData
{
public:
    virtual ~TParameterData() = default;

    qint32 Rotation = 0;
    qint32 XOffset = 0;
    qint32 YOffset = 0;
    qint32 Debounce = 0;
    qint32 PrintRequest = 0;
    qint32 DelayA = 0;
    qint32 DelayB = 0;
    qint32 DirectionA = 0;
    qint32 DirectionB = 0;
    qint32 EncoderSource = 0;
    qint32 Speed = 0;
    qint32 Stretch = 0;
    qint32 Alignment = 0;
    qint32 HeadCapInterval = 0;
    qint32 SpitInterval = 0;
    qint32 SpitDelay = 0;
    qint32 Spare1 = 0;
    qint32 Contrast = 0;
    qint32 RibbonGap = 0;
    qint32 InhibitOffDelay = 0;
    qint32 InhibitDelay = 0;
    qint32 Spare2 = 0;
    qint32 Spare3 = 0;

    // Whether the last SendChanges sent anything, which decides whether FlashWrite follows.
    bool Changed = false;

    // Reads the settings of a ParameterData body positioned just after the model code. Settings
    // beyond the end of a short body read as 0.
    virtual void ReadFromMessage(TXLMessage& message);
    // A record of the same model with the same settings; Changed is false in the copy.
    virtual std::unique_ptr<TParameterData> Clone() const = 0;
    // Reads the settings in file order (the model byte already consumed). Reading stops at the end
    // of the stream; the settings after it, and one cut off in its middle, keep their values.
    virtual void LoadFromStream(QIODevice& stream);
    // Writes the settings in file order; false if the stream did not take all of them.
    virtual bool SaveToStream(QIODevice& stream) const;
    // Called on the edited record with the record as received from the printer: writes every
    // setting of this model that differs, in the model's order, brings received up to date, and
    // ends with FlashWrite when Changed is set.
    virtual void SendChanges(TParameterData& received, TMessageSink& sink);

    // Sets Changed and sends WriteParameter with the number as Sub and the value as body.
    void SendParameter(quint16 number, qint32 value, TMessageSink& sink);

    using Setting = qint32 TParameterData::*;

    // Size of the settings in a parameter file, after the model byte.
    static constexpr qsizetype FileSettingsSize = 23 * 4;

protected:
    TParameterData() = default;
    TParameterData(const TParameterData&) = default;
    TParameterData& operator=(const TParameterData&) = default;

    // Reads one big-endian word into each setting, in the given order.
    void ReadSettings(TXLMessage& message, std::span<const Setting> settings);
    // Compares and sends the settings of the given numbers in that order, then the base part of
    // SendChanges. Changed must already be set as the model wants it.
    void SendChangesInOrder(std::span<const quint16> order, TParameterData& received, TMessageSink& sink);

    template <class Model> static std::unique_ptr<TParameterData> CloneOf(const Model& record)
    {
        auto copy = std::make_unique<Model>(record);
        copy->Changed = false;
        return copy;
    }
};

// A setting that the station can write, with its parameter number.
struct TNumberedSetting
{
    quint16 Number;
    TParameterData::Setting Field;
};
// The one map from parameter numbers to record fields, in number order; the spare settings have no
// number and are not in it.
std::span<const TNumberedSetting> NumberedSettings();
// The record field a parameter number writes; null for a number no setting has.
TParameterData::Setting FieldOfParameter(quint16 number);

// The record class of a model code; every code without a record of its own gets the Vega record.
std::unique_ptr<TParameterData> CreateParameterRecord(quint8 modelCode);

// A ParameterData message read into the record of the printer's model.
struct TReceivedParameters
{
    quint8 ModelCode = 0; // low byte of the reported model code
    std::unique_ptr<TParameterData> Record;
};
TReceivedParameters ReadParameterData(TXLMessage& message);

// Parameter files: the model code as one byte, then the settings. A file only loads into a record
// of the model it was saved from.
enum class TParameterFileLoad
{
    Loaded,
    NoModelByte, // the file is empty
    OtherModel,  // saved from a printer of another model
};
TParameterFileLoad LoadParameterFile(QIODevice& file, quint8 modelCode, TParameterData& record);
bool SaveParameterFile(QIODevice& file, quint8 modelCode, const TParameterData& record);
