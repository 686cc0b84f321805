#include "history/HistoryText.h"

#include "history/HistoryReader.h"
#include "station/StationEvent.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace {
QString ValueText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double:
        return QString::number(value.toInteger());
    case QJsonValue::Array: {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            if (const QString text = ValueText(item); !text.isEmpty())
                items << text;
        return items.join(QLatin1Char('/'));
    }
    case QJsonValue::Object:
        return QString::fromUtf8(StationEventJson::Canonical(value.toObject()));
    default:
        return {};
    }
}

QString CsvCell(QString text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}
} // namespace

QString HistoryText::Details(const THistoryRow& row)
{
    const QJsonObject values = row.Values();
    QStringList parts;
    for (auto value = values.begin(); value != values.end(); ++value)
        parts << value.key() + QLatin1Char('=') + ValueText(value.value());
    return parts.join(QStringLiteral("; "));
}

QString HistoryText::Source(const THistoryRow& row)
{
    const QJsonObject source = row.Event.value(QLatin1String("source")).toObject();
    const QString kind = source.value(QLatin1String("kind")).toString();
    const QString client = source.value(QLatin1String("client")).toString();
    return client.isEmpty() ? kind : QStringLiteral("%1 (%2)").arg(kind, client);
}

QString HistoryText::LocalTime(const THistoryRow& row)
{
    return row.Time().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString HistoryText::CsvHeader()
{
    return QStringLiteral("seq,time,printer,model,address,kind,source,host,user,values,hash");
}

QString HistoryText::CsvLine(const THistoryRow& row)
{
    const QJsonObject printer = row.Event.value(QLatin1String("printer")).toObject();
    const QStringList cells{QString::number(row.Seq),
                            row.Time().toString(Qt::ISODateWithMs),
                            printer.value(QLatin1String("name")).toString(),
                            printer.value(QLatin1String("model")).toString(),
                            printer.value(QLatin1String("address")).toString(),
                            row.Kind(),
                            Source(row),
                            row.Event.value(QLatin1String("host")).toString(),
                            row.Event.value(QLatin1String("user")).toString(),
                            QString::fromUtf8(StationEventJson::Canonical(row.Values())),
                            row.Hash};
    QStringList line;
    for (const QString& cell : cells)
        line << CsvCell(cell);
    return line.join(QLatin1Char(','));
}
