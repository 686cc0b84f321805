#include "SimImageItems.h"

#include "comm/XLMessage.h"
#include "images/BarcodeItems.h"
#include "images/CoderImageItem.h"
#include "images/DateItems.h"
#include "images/ItemPayload.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Reads an image message body; any read past its end, or a text without its closing 0 byte, marks
// the reading as failed.
class TBodyReader
{
public:
    explicit TBodyReader(const QByteArray& body) : m_body(body) {}

    bool Ok() const { return m_ok; }
    void Fail() { m_ok = false; }

    quint8 U8()
    {
        if (!Has(1))
            return 0;
        return quint8(m_body[m_position++]);
    }
    quint16 LE16()
    {
        const quint8 low = U8();
        return quint16(low | (U8() << 8));
    }
    quint32 BE32()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | U8();
        return value;
    }
    QString String()
    {
        const qsizetype end = m_body.indexOf('\0', m_position);
        if (!m_ok || end < 0) {
            m_ok = false;
            return {};
        }
        const QString text = QString::fromLatin1(m_body.constData() + m_position, end - m_position);
        m_position = end + 1;
        return text;
    }
    void Skip(qsizetype count)
    {
        if (Has(count))
            m_position += count;
    }

private:
    bool Has(qsizetype count)
    {
        m_ok = m_ok && m_body.size() - m_position >= count;
        return m_ok;
    }

    const QByteArray& m_body;
    qsizetype m_position = 0;
    bool m_ok = true;
};

void ReadText(TBodyReader& reader, TSimItem& item)
{
    item.Value = reader.String();
    reader.U8(); // option
    if (reader.U8() == 0x20)
        reader.String(); // extra text
    else
        reader.U8();
    reader.U8(); // parameter
}

void ReadPicture(TBodyReader& reader, TSimItem& item)
{
    const int width = reader.LE16();
    const int height = reader.LE16();
    item.Value = QStringLiteral("%1x%2").arg(width).arg(height);
    if (height == 0) {
        reader.U8(); // the one empty group
        return;
    }
    // Groups of rows: a repeat count, then (white, black) pairs that add up to the width.
    for (int rows = 0; rows < height && reader.Ok();) {
        rows += 1 + reader.U8();
        for (int pixels = 0; pixels < width && reader.Ok();) {
            const int white = reader.U8();
            const int black = reader.U8();
            if (white + black == 0)
                reader.Fail();
            pixels += white + black;
        }
    }
}

bool ReadBarcode(TBodyReader& reader, TSimItem& item)
{
    item.BarcodeKind = reader.U8();
    switch (item.BarcodeKind) {
    case BarcodeKindCode::EAN8:
    case BarcodeKindCode::EAN13:
    case BarcodeKindCode::UPCA:
    case BarcodeKindCode::UPCE:
        reader.Skip(8); // module, bar height, guard height, quiet zones, text size
        item.Value = reader.String();
        reader.Skip(14); // the symbol characters and the closing 0x01
        return true;
    case BarcodeKindCode::CODE128:
        reader.Skip(7); // module, bar height, four fixed bytes
        reader.String();
        reader.String();
        item.Value = reader.String();
        return true;
    case BarcodeKindCode::EAN128: {
        reader.Skip(4); // module, bar height, 0x01
        const int count = reader.U8();
        for (int i = 0; i < count && reader.Ok(); ++i) {
            TSimBarcodeElement element;
            element.Kind = reader.U8();
            element.Text1 = reader.String();
            element.Text2 = reader.String();
            element.Text3 = reader.String();
            element.Text4 = reader.String();
            item.Elements.push_back(element);
        }
        return true;
    }
    case BarcodeKindCode::ITF:
    case BarcodeKindCode::Code39:
        reader.Skip(12); // options and widths, then the data's length
        item.Value = reader.String();
        return true;
    default:
        return false;
    }
}

// One item after its header; false for a type the printer does not know.
bool ReadPayload(TBodyReader& reader, TSimItem& item)
{
    switch (item.Type) {
    case ItemTypeCode::Text:
        ReadText(reader, item);
        return true;
    case ItemTypeCode::Date:
        item.Separator = char(reader.U8());
        reader.Skip(2); // option, format
        for (quint8& part : item.DateParts)
            part = reader.U8();
        reader.Skip(7); // day difference, formats, option, value, option
        return true;
    case ItemTypeCode::Number: {
        reader.BE32(); // start
        item.Value = QString::number(qint32(reader.BE32()));
        reader.BE32(); // end
        reader.Skip(4);
        return true;
    }
    case ItemTypeCode::Time:
        reader.U8(); // format
        item.Separator = char(reader.U8());
        reader.U8();
        return true;
    case ItemTypeCode::Shiftcode:
        return true;
    case ItemTypeCode::Graphic:
        ReadPicture(reader, item);
        return true;
    case ItemTypeCode::Barcode:
        return ReadBarcode(reader, item);
    case ItemTypeCode::Memo:
        reader.Skip(5); // two sizes and an option
        item.Lines = reader.String().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
        return true;
    default:
        return false;
    }
}

QString TypeCode(const TSimItem& item)
{
    switch (item.Type) {
    case ItemTypeCode::Text:
        return QStringLiteral("A");
    case ItemTypeCode::Date:
        return QStringLiteral("D");
    case ItemTypeCode::Number:
        return QStringLiteral("N");
    case ItemTypeCode::Time:
        return QStringLiteral("T");
    case ItemTypeCode::Shiftcode:
        return QStringLiteral("S");
    case ItemTypeCode::Graphic:
        return QStringLiteral("G");
    case ItemTypeCode::Memo:
        return QStringLiteral("M");
    default:
        return QStringLiteral("B") + QString::number(item.BarcodeKind);
    }
}

QChar SeparatorOr(char separator, char fallback)
{
    return QLatin1Char(separator > ' ' ? separator : fallback);
}

// The shift that started last before now, or the one that started last on the day before.
QString ShiftLetter(const std::vector<TSimShift>& shifts, const QTime& now)
{
    const auto startOf = [](const TSimShift& shift) { return shift.Hour * 60 + shift.Minute; };
    const TSimShift* current = nullptr;
    const TSimShift* latest = nullptr;
    for (const TSimShift& shift : shifts) {
        if (!latest || startOf(shift) > startOf(*latest))
            latest = &shift;
        if (startOf(shift) <= now.hour() * 60 + now.minute() &&
            (!current || startOf(shift) > startOf(*current)))
            current = &shift;
    }
    const TSimShift* shown = current ? current : latest;
    return shown ? QString(shown->Letter) : QString();
}

QString ShownValue(const TSimItem& item, const TSimImageContent& image, const QDateTime& now)
{
    switch (item.Type) {
    case ItemTypeCode::Date:
        return DateItem::ShownText(now.date().addDays(item.DateOffsetDays), item.Separator, item.DateParts);
    case ItemTypeCode::Time:
        return now.toString(QStringLiteral("hh")) + SeparatorOr(item.Separator, ':') +
               now.toString(QStringLiteral("mm"));
    case ItemTypeCode::Shiftcode:
        return ShiftLetter(image.Shifts, now.time());
    default:
        return item.Value;
    }
}

// The days from today of the date the value shows as the item shows dates, the nearest first.
std::optional<qint32> DateOffset(const TSimItem& item, const QString& value, const QDate& today)
{
    constexpr qint32 tenYears = 3660;
    for (qint32 days = 0; days <= tenYears; ++days)
        for (const qint32 offset : {days, -days})
            if (DateItem::ShownText(today.addDays(offset), item.Separator, item.DateParts) == value)
                return offset;
    return std::nullopt;
}

// The sub-records of a multi-line text or an EAN-128 barcode: the count, then each record.
void WriteSubRecords(TXLMessage& report, const QList<QStringList>& records)
{
    report.WriteString(QString::number(records.size()));
    for (const QStringList& record : records) {
        report.WriteU8(0x1E);
        for (const QString& text : record)
            report.WriteString(text);
    }
}

} // namespace

namespace SimImageItems {

TSimImageContent Read(const QByteArray& body)
{
    TBodyReader reader(body);
    TSimImageContent image;
    reader.String(); // name
    reader.String(); // text
    const int count = reader.U8();
    reader.String(); // month names
    const int shifts = reader.U8();
    for (int i = 0; i < shifts && reader.Ok(); ++i) {
        reader.U8(); // code
        TSimShift shift;
        shift.Hour = reader.U8();
        shift.Minute = reader.U8();
        shift.Letter = QLatin1Char(char(reader.U8()));
        image.Shifts.push_back(shift);
    }
    if (!reader.Ok())
        image.Shifts.clear();
    for (int i = 0; i < count && reader.Ok(); ++i) {
        TSimItem item;
        item.Type = reader.U8();
        item.Font = reader.U8();
        item.X = reader.LE16();
        item.Y = reader.LE16();
        item.Style = reader.U8();
        if (!ReadPayload(reader, item) || !reader.Ok())
            break;
        image.Items.push_back(std::move(item));
    }
    return image;
}

void WriteReport(TXLMessage& report, const QString& imageName, const TSimImageContent& image,
                 const QDateTime& now)
{
    report.WriteString(imageName);
    report.WriteString(QString::number(image.Items.size()));
    int number = 0;
    for (const TSimItem& item : image.Items) {
        const QString itemNumber = QString::number(++number);
        report.WriteU8(0x1D);
        report.WriteString(itemNumber);
        report.WriteString(TypeCode(item));
        const QStringList place{QString::number(item.Font), QString::number(item.X), QString::number(item.Y),
                                QString::number(item.Style)};
        QList<QStringList> records;
        if (item.Type == ItemTypeCode::Memo) {
            for (const QString& line : item.Lines)
                records.append(QStringList{QStringLiteral("%1.%2").arg(itemNumber).arg(records.size() + 1)} +
                               place + QStringList{line});
            WriteSubRecords(report, records);
        } else if (item.Type == ItemTypeCode::Barcode && item.BarcodeKind == BarcodeKindCode::EAN128) {
            for (const TSimBarcodeElement& element : item.Elements)
                records.append({QStringLiteral("%1.%2").arg(itemNumber).arg(records.size() + 1),
                                QString::number(element.Kind), element.Text1, element.Text3, element.Text2,
                                element.Text4});
            WriteSubRecords(report, records);
        } else {
            for (const QString& text : place + QStringList{ShownValue(item, image, now)})
                report.WriteString(text);
        }
    }
}

bool Modify(TSimImageContent& image, const QString& itemNumber, const QString& value, const QDate& today)
{
    const std::optional<qint32> number = ItemPayload::DecimalInt32(itemNumber);
    if (!number || *number < 1 || size_t(*number) > image.Items.size())
        return false;
    TSimItem& item = image.Items[size_t(*number - 1)];
    switch (item.Type) {
    case ItemTypeCode::Text:
        item.Value = value;
        return true;
    case ItemTypeCode::Number:
        if (const std::optional<qint32> counter = ItemPayload::DecimalInt32(value)) {
            item.Value = QString::number(*counter);
            return true;
        }
        return false;
    case ItemTypeCode::Date:
        if (const std::optional<qint32> offset = DateOffset(item, value, today)) {
            item.DateOffsetDays = *offset;
            return true;
        }
        return false;
    case ItemTypeCode::Barcode: {
        if (item.BarcodeKind == BarcodeKindCode::EAN128)
            return false;
        const bool digitsOnly = item.BarcodeKind <= BarcodeKindCode::UPCE;
        if (digitsOnly && (value.isEmpty() || !std::all_of(value.begin(), value.end(), [](QChar c) {
                               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                           })))
            return false;
        item.Value = value;
        return true;
    }
    default:
        return false;
    }
}

} // namespace SimImageItems
