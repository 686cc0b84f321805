// Parameter records read from arbitrary ParameterData bodies and parameter files. Every model class
// reads the input as a message body and a ParameterData message picks its record; the input is
// also loaded as a parameter file. Reading stays inside the input, a clone keeps the settings, and
// a file that holds every setting saves back to the same bytes. The editor shows the record on its
// page: what the controls show, taken back, changes nothing, and every value's text reads back.
#include "parameters/ParameterDataUnit.h"
#include "parameters/ParameterEditor.h"

#include <QBuffer>

namespace {
constexpr quint8 ModelsWithRecords[] = {PrinterModels::Altair, PrinterModels::Vega, PrinterModels::Rigel,
                                        PrinterModels::Deneb, PrinterModels::Lyra};

QByteArray Saved(const TParameterData& record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!record.SaveToStream(buffer) || buffer.size() != TParameterData::FileSettingsSize)
        __builtin_trap();
    return buffer.data();
}

TXLMessage ParameterDataMessage(const QByteArray& body)
{
    TXLMessage message(XLReceive::StatusId, XLReceive::ParameterData);
    message.WriteBytes(body);
    message.SetPosition(0);
    return message;
}

void ReadAsEveryModel(const QByteArray& body)
{
    for (const quint8 model : ModelsWithRecords) {
        TXLMessage message = ParameterDataMessage(body);
        const auto record = CreateParameterRecord(model);
        record->ReadFromMessage(message);
        if (message.Position() > message.Size() || Saved(*record->Clone()) != Saved(*record))
            __builtin_trap();
    }
    TXLMessage message = ParameterDataMessage(body);
    const TReceivedParameters received = ReadParameterData(message);
    if (!received.Record || message.Position() > message.Size())
        __builtin_trap();
}

void ShowInTheEditor(const QByteArray& body)
{
    TParameterEditor editor;
    editor.SetParameters(ParameterDataMessage(body));
    const QByteArray before = Saved(editor.Edited());
    QList<QVariant> shown;
    for (int row = 0; row < int(editor.Rows().size()); ++row) {
        const qint32 value = editor.Edited().*FieldOfParameter(editor.Rows()[size_t(row)].Parameter);
        const QString format = editor.Format(row);
        if (editor.Rows()[size_t(row)].Control == ParameterPages::TControl::Number &&
            qAbs(qint64(value)) < 1'000'000'000 &&
            ParameterPages::ParseValueText(editor.DisplayText(row), format) != value)
            __builtin_trap();
        editor.Limits(row);
        shown << (editor.Rows()[size_t(row)].Control == ParameterPages::TControl::Stretch
                      ? QVariant(QString::number(editor.ShownValue(row)))
                      : QVariant(editor.ShownValue(row)));
    }
    if (editor.Collect(shown).Outcome != TEditResult::TOutcome::Unchanged || Saved(editor.Edited()) != before)
        __builtin_trap();
}

void LoadAsFile(const QByteArray& bytes)
{
    const quint8 model = bytes.isEmpty() ? PrinterModels::Altair : quint8(bytes[0]);
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    const auto record = CreateParameterRecord(model);
    const TParameterFileLoad result = LoadParameterFile(file, model, *record);
    if ((result == TParameterFileLoad::NoModelByte) != bytes.isEmpty())
        __builtin_trap();
    if (bytes.size() > TParameterData::FileSettingsSize &&
        Saved(*record) != bytes.mid(1, TParameterData::FileSettingsSize))
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    ReadAsEveryModel(input);
    ShowInTheEditor(input);
    LoadAsFile(input);
    return 0;
}
