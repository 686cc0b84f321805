#include "parameters/ParameterEditor.h"

#include "comm/MessageSink.h"
#include "parameters/NumberMaskUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace ParameterPages;
using TOutcome = TEditResult::TOutcome;

namespace {
constexpr const char* NotBetween = QT_TRANSLATE_NOOP("TParametersForm", "%1 is not between %2 and %3");
constexpr const char* NoSuchEntry = QT_TRANSLATE_NOOP("TParametersForm", "'%1' is none of %2");
constexpr const char* NotANumber =
    QT_TRANSLATE_NOOP("TParametersForm", "'%1' is not a number of the form %2");
constexpr const char* ReadOnlyHere = QT_TRANSLATE_NOOP("TParametersForm", "read-only on this printer model");
constexpr const char* IncompatibleFile = QT_TRANSLATE_NOOP("TParametersForm", "Incompatible printer type");
constexpr const char* EmptyFile = QT_TRANSLATE_NOOP("TParametersForm", "The file %1 holds no parameters.");
constexpr const char* CannotRead = QT_TRANSLATE_NOOP("TParametersForm", "The file %1 cannot be read: %2");
constexpr const char* CannotWrite = QT_TRANSLATE_NOOP("TParametersForm", "The file %1 cannot be written: %2");
constexpr const char* NoParameters = QT_TRANSLATE_NOOP("TParametersForm", "No parameters have been read.");
} // namespace

TParameterEditor::TParameterEditor() = default;
TParameterEditor::TParameterEditor(TParameterEditor&&) noexcept = default;
TParameterEditor& TParameterEditor::operator=(TParameterEditor&&) noexcept = default;
TParameterEditor::~TParameterEditor() = default;

void TParameterEditor::SetParameters(const TXLMessage& parameterData)
{
    TXLMessage message = parameterData;
    message.SetPosition(0);
    TReceivedParameters received = ReadParameterData(message);
    m_modelCode = received.ModelCode;
    m_edited = received.Record->Clone();
    m_received = std::move(received.Record);
}

void TParameterEditor::Close()
{
    m_edited.reset();
    m_received.reset();
}

const TRow& TParameterEditor::RowAt(int row) const
{
    Q_ASSERT(IsOpen() && row >= 0 && row < qsizetype(Rows().size()));
    return Rows()[size_t(row)];
}

qint32& TParameterEditor::Setting(quint16 parameter)
{
    return m_edited.get()->*FieldOfParameter(parameter);
}

int TParameterEditor::RowOf(quint16 parameter) const
{
    const auto rows = Rows();
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].Parameter == parameter)
            return int(row);
    return -1;
}

int TParameterEditor::FindRow(const QString& label) const
{
    const QString wanted = label.trimmed();
    const auto rows = Rows();
    for (size_t row = 0; row < rows.size(); ++row)
        if (wanted.compare(QLatin1String(rows[row].Label), Qt::CaseInsensitive) == 0 ||
            wanted.compare(LabelText(rows[row]), Qt::CaseInsensitive) == 0)
            return int(row);
    return -1;
}

QString TParameterEditor::Label(int row) const
{
    return LabelText(RowAt(row));
}

QStringList TParameterEditor::Entries(int row) const
{
    return EntryTexts(RowAt(row));
}

QString TParameterEditor::Format(int row) const
{
    return FormatOf(RowAt(row), Edited());
}

TLimits TParameterEditor::Limits(int row) const
{
    return LimitsOf(RowAt(row), Edited());
}

qint32 TParameterEditor::ShownValue(int row) const
{
    return ParameterPages::ShownValue(RowAt(row), Edited());
}

bool TParameterEditor::IsReadOnly(int row) const
{
    return ParameterPages::IsReadOnly(Page(), RowAt(row));
}

QString TParameterEditor::DisplayText(int row) const
{
    return ValueIn(row, Edited(), true);
}

QString TParameterEditor::ValueIn(int row, const TParameterData& record, bool translated) const
{
    const TRow& shown = RowAt(row);
    const qint32 value = record.*FieldOfParameter(shown.Parameter);
    if (shown.Control == TControl::List) {
        if (value < 0 || value >= qsizetype(shown.Entries.size()))
            return QString::number(value);
        const char* entry = shown.Entries[size_t(value)];
        return translated ? Translated(entry) : QString::fromLatin1(entry);
    }
    return ValueText(FormatOf(shown, record), value);
}

TEditResult TParameterEditor::Result(int row, TOutcome outcome, const QString& rule) const
{
    TEditResult result;
    result.Outcome = outcome;
    result.Row = row;
    result.Setting = row >= 0 ? Label(row) : QString();
    result.Rule = rule;
    return result;
}

// A value out of range is not stored, and its field keeps the focus.
TEditResult TParameterEditor::Refusal(int row, qint32 value, TLimits limits) const
{
    const QString format = RowAt(row).Control == TControl::Number ? Format(row) : QString();
    TEditResult refused = Result(
        row, TOutcome::OutOfRange,
        Translated(NotBetween)
            .arg(ValueText(format, value), ValueText(format, limits.Min), ValueText(format, limits.Max)));
    refused.Focus = row;
    return refused;
}

TEditResult TParameterEditor::Store(int row, qint32 value)
{
    Setting(RowAt(row).Parameter) = value;
    return Result(row, TOutcome::Stored);
}

TEditResult TParameterEditor::ChooseEntry(int row, int position)
{
    const TRow& list = RowAt(row);
    if (position < 0 || position >= qsizetype(list.Entries.size()))
        return Result(row, TOutcome::UnknownEntry,
                      Translated(NoSuchEntry).arg(position).arg(Entries(row).join(u", ")));
    if (position == Setting(list.Parameter))
        return Result(row, TOutcome::Unchanged);
    if (list.Parameter == ParameterNo::EncoderSource)
        return EncoderComboChange(position);
    return Store(row, position);
}

TEditResult TParameterEditor::LeaveNumber(int row, qint32 value)
{
    if (value == ShownValue(row))
        return Result(row, TOutcome::Unchanged);
    return ChangeNumber(row, value);
}

TEditResult TParameterEditor::ChangeNumber(int row, qint32 value)
{
    const quint16 parameter = RowAt(row).Parameter;
    if (value == Setting(parameter))
        return Result(row, TOutcome::Unchanged);
    if (parameter == ParameterNo::Speed)
        return SpeedEditExit(value);
    if (parameter == ParameterNo::SpitInterval)
        return SpitIntervalEditExit(value);
    if (!Limits(row).Contains(value))
        return Refusal(row, value, Limits(row));
    return Store(row, value);
}

TEditResult TParameterEditor::EditStretch(int row, const QString& text)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    if (!ok)
        return Result(row, TOutcome::NotAnInteger, NumberMaskUtils::NotAnIntegerText(text));
    if (value == ShownValue(row))
        return Result(row, TOutcome::Unchanged);
    return ChangeStretch(row, value);
}

TEditResult TParameterEditor::ChangeStretch(int row, qint32 value)
{
    if (IsReadOnly(row))
        return Result(row, TOutcome::ReadOnly, Translated(ReadOnlyHere));
    if (!StretchLimits.Contains(value))
        return Refusal(row, value, StretchLimits);
    return Store(row, value);
}

TEditResult TParameterEditor::EncoderComboChange(int position)
{
    const int row = RowOf(ParameterNo::EncoderSource);
    if (row < 0)
        return Result(row, TOutcome::Unchanged);
    m_edited->EncoderSource = position;
    m_edited->Speed = SpeedForEncoder(position);
    TEditResult result = Result(row, TOutcome::Stored);
    if (const int speedRow = RowOf(ParameterNo::Speed); speedRow >= 0)
        result.Refresh.append(speedRow);
    return result;
}

TEditResult TParameterEditor::SpeedEditExit(qint32 value)
{
    const int row = RowOf(ParameterNo::Speed);
    if (row < 0)
        return Result(row, TOutcome::Unchanged);
    if (value == m_edited->Speed)
        return Result(row, TOutcome::Unchanged);
    const TLimits limits = SpeedLimits(m_edited->EncoderSource);
    if (!limits.Contains(value))
        return Refusal(row, value, limits);
    return Store(row, value);
}

// Switching spitting on or off changes the unit of the head cap interval, which starts again from
// a value of the new unit and takes the focus.
TEditResult TParameterEditor::SpitIntervalEditExit(qint32 value)
{
    const int row = RowOf(ParameterNo::SpitInterval);
    if (row < 0)
        return Result(row, TOutcome::Unchanged);
    if (!Limits(row).Contains(value))
        return Refusal(row, value, Limits(row));
    const bool switched = (m_edited->SpitInterval == 0) != (value == 0);
    m_edited->SpitInterval = value;
    TEditResult result = Result(row, TOutcome::Stored);
    if (const int headCapRow = RowOf(ParameterNo::HeadCapInterval); switched && headCapRow >= 0) {
        m_edited->HeadCapInterval = HeadCapForSpitInterval(value);
        result.Refresh.append(headCapRow);
        result.Focus = headCapRow;
    }
    return result;
}

TEditResult TParameterEditor::StretchEditExit(const QString& text)
{
    const int row = RowOf(ParameterNo::Stretch);
    return row >= 0 ? EditStretch(row, text) : Result(row, TOutcome::Unchanged);
}

TEditResult TParameterEditor::Collect(const QList<QVariant>& shown)
{
    TEditResult collected;
    const int rows = int(qMin(qsizetype(Rows().size()), shown.size()));
    for (int row = 0; row < rows; ++row) {
        TEditResult result;
        switch (RowAt(row).Control) {
        case TControl::List:
            if (shown[row].toInt() == ShownValue(row))
                continue;
            result = ChooseEntry(row, shown[row].toInt());
            break;
        case TControl::Number:
            result = LeaveNumber(row, shown[row].toInt());
            break;
        case TControl::Stretch:
            if (IsReadOnly(row))
                continue;
            result = EditStretch(row, shown[row].toString());
            break;
        }
        if (result.Refused())
            return result;
        if (result.Outcome == TOutcome::Stored) {
            collected.Outcome = TOutcome::Stored;
            collected.Refresh += result.Refresh;
            if (result.Focus >= 0)
                collected.Focus = result.Focus;
        }
    }
    return collected;
}

TEditResult TParameterEditor::SetText(int row, const QString& text)
{
    const TRow& setting = RowAt(row);
    switch (setting.Control) {
    case TControl::List: {
        const QString wanted = text.trimmed();
        for (size_t entry = 0; entry < setting.Entries.size(); ++entry)
            if (wanted.compare(QLatin1String(setting.Entries[entry]), Qt::CaseInsensitive) == 0 ||
                wanted.compare(Translated(setting.Entries[entry]), Qt::CaseInsensitive) == 0)
                return ChooseEntry(row, int(entry));
        bool isNumber = false;
        const int position = wanted.toInt(&isNumber);
        if (isNumber && position >= 0 && position < qsizetype(setting.Entries.size()))
            return ChooseEntry(row, position);
        return Result(row, TOutcome::UnknownEntry,
                      Translated(NoSuchEntry).arg(text, Entries(row).join(u", ")));
    }
    case TControl::Number: {
        const std::optional<qint32> value = ParseValueText(text, Format(row));
        if (!value)
            return Result(row, TOutcome::NotANumber, Translated(NotANumber).arg(text, Format(row)));
        return ChangeNumber(row, *value);
    }
    case TControl::Stretch: {
        bool ok = false;
        const qint32 value = text.trimmed().toInt(&ok);
        if (!ok)
            return Result(row, TOutcome::NotAnInteger, NumberMaskUtils::NotAnIntegerText(text));
        if (value == Setting(setting.Parameter))
            return Result(row, TOutcome::Unchanged);
        return ChangeStretch(row, value);
    }
    }
    return Result(row, TOutcome::Unchanged);
}

QList<TSettingChange> TParameterEditor::SendChanges(TMessageSink& sink)
{
    if (!IsOpen())
        return {};
    QList<TSettingChange> changes = Changes();
    m_edited->SendChanges(*m_received, sink);
    return changes;
}

QList<TSettingChange> TParameterEditor::Changes() const
{
    // The settings the model's own comparison writes, on copies.
    class TWrites : public TMessageSink
    {
    public:
        QList<quint16> Parameters;
        void SendToSelected(std::unique_ptr<TXLMessage> message) override
        {
            if (message->Id == XLSend::WriteParameterId)
                Parameters.append(message->Sub);
        }
    };
    if (!IsOpen())
        return {};
    TWrites writes;
    const std::unique_ptr<TParameterData> received = m_received->Clone();
    m_edited->Clone()->SendChanges(*received, writes);
    QList<TSettingChange> changes;
    for (const quint16 parameter : writes.Parameters) {
        const int row = RowOf(parameter);
        if (row < 0) {
            const TParameterData::Setting field = FieldOfParameter(parameter);
            changes.append({QStringLiteral("#%1").arg(parameter), QString::number(Received().*field),
                            QString::number(Edited().*field)});
        } else {
            changes.append({QLatin1String(RowAt(row).Label), ValueIn(row, Received(), false),
                            ValueIn(row, Edited(), false)});
        }
    }
    return changes;
}

TFileResult TParameterEditor::Save(const QString& path, const QList<QVariant>& shown)
{
    TFileResult result;
    if (!IsOpen()) {
        result.Error = Translated(NoParameters);
        return result;
    }
    result.Collected = Collect(shown);
    if (result.Collected.Refused())
        return result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !SaveParameterFile(file, m_modelCode, *m_edited) ||
        !file.commit())
        result.Error = Translated(CannotWrite).arg(QDir::toNativeSeparators(path), file.errorString());
    return result;
}

TFileResult TParameterEditor::Load(const QString& path)
{
    TFileResult result;
    if (!IsOpen()) {
        result.Error = Translated(NoParameters);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = Translated(CannotRead).arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    switch (LoadParameterFile(file, m_modelCode, *m_edited)) {
    case TParameterFileLoad::Loaded:
        break;
    case TParameterFileLoad::NoModelByte:
        result.Error = Translated(EmptyFile).arg(QDir::toNativeSeparators(path));
        break;
    case TParameterFileLoad::OtherModel:
        result.Error = Translated(IncompatibleFile);
        result.OtherModel = true;
        break;
    }
    return result;
}

QString TParameterEditor::FileFilter()
{
    return Translated(QT_TRANSLATE_NOOP("TParametersForm", "Parameter Files (*.prm)"));
}

QString TParameterEditor::ProposedFileName(const QString& printerName)
{
    QString name = printerName.trimmed();
    for (QChar& symbol : name)
        if (symbol.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(symbol))
            symbol = u'_';
    return name == QLatin1String(".") || name == QLatin1String("..") ? QString() : name;
}

QString TParameterEditor::InitialFolder(const QString& workingFolder)
{
    const QDir working(workingFolder);
    const QFileInfo data(working.filePath(QStringLiteral("Data")));
    return data.isDir() ? data.absoluteFilePath() : working.absolutePath();
}
