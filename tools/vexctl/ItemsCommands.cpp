// vexctl items and modify: the items of a stored image as the modify image window lists them, and
// the change of one item's value as the modify item dialog makes it.
#include "CommandSupport.h"
#include "Commands.h"
#include "ConsoleStation.h"

#include "coder/Coder.h"
#include "coder/ReplyLimits.h"
#include "comm/XLMessage.h"
#include "station/ModifyImage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Commands;

namespace {

QString EndText(TImageItemsEnd end)
{
    switch (end) {
    case TImageItemsEnd::Complete:
        break;
    case TImageItemsEnd::OtherImage:
        return QStringLiteral("the printer described another image");
    case TImageItemsEnd::NoItemMark:
    case TImageItemsEnd::UnknownType:
    case TImageItemsEnd::NotANumber:
        return QStringLiteral("the printer's description goes on in a way the station does not read; the "
                              "items after that point are not listed");
    case TImageItemsEnd::TooManyRows:
        return QStringLiteral("the printer describes more rows than an image can have; only the first %1 "
                              "are listed")
            .arg(ReplyLimits::MaxItemRows);
    }
    return {};
}

// Opens the modify image window's logic on the image and waits for the printer's description of its
// items. Returns an exit code; the rows are in the views.
int ReadItems(TConsoleStation& station, TModifyImage& modify, const QString& image)
{
    const TCoder& coder = TCoder::Of(*station.Printer());
    if (!coder.HasImage(image)) {
        Err() << "IMAGE " << image << ": the printer does not hold it" << Qt::endl;
        return ExitCode::Refused;
    }
    TConsoleViews& views = station.Views();
    views.ItemRows.reset();
    modify.Open(&coder, image);
    if (!station.Await([&views] { return views.ItemRows.has_value(); }))
        return NoAnswer(QStringLiteral("the request for the items of ") + image);
    if (const QString end = EndText(views.ItemsEnd); !end.isEmpty())
        Err() << "IMAGE " << image << ": " << end << Qt::endl;
    return ExitCode::Ok;
}

void PrintRows(const QList<TImageItemRow>& rows, const TOptions& options, QTextStream& out)
{
    if (options.Json) {
        QJsonArray items;
        for (const TImageItemRow& row : rows)
            items.append(QJsonObject{{QStringLiteral("number"), row.Number},
                                     {QStringLiteral("type"), row.TypeName},
                                     {QStringLiteral("value"), row.Value}});
        out << QJsonDocument(items).toJson(QJsonDocument::Compact) << Qt::endl;
        return;
    }
    qsizetype numberWidth = 0;
    qsizetype typeWidth = 0;
    for (const TImageItemRow& row : rows) {
        numberWidth = qMax(numberWidth, row.Number.size());
        typeWidth = qMax(typeWidth, row.TypeName.size());
    }
    for (const TImageItemRow& row : rows)
        out << row.Number.leftJustified(numberWidth + 2) << row.TypeName.leftJustified(typeWidth + 2)
            << row.Value << Qt::endl;
}

qsizetype RowOf(const QList<TImageItemRow>& rows, const QString& number)
{
    for (qsizetype row = 0; row < rows.size(); ++row)
        if (rows[row].Number == number)
            return row;
    return -1;
}

} // namespace

int Commands::Items(TConsoleStation& station, const QString& image, const TOptions& options, QTextStream& out)
{
    TModifyImage& modify = station.Station().ModifyImage();
    const int read = ReadItems(station, modify, image);
    if (read == ExitCode::Ok)
        PrintRows(*station.Views().ItemRows, options, out);
    modify.Close();
    return read;
}

int Commands::Modify(TConsoleStation& station, const QString& image, const QString& item,
                     const QString& value)
{
    if (!TXLMessage::IsWireString(value)) {
        Err() << "IMAGE " << image << " ITEM " << item
              << ": the value holds a character a printer message cannot "
              << "carry" << Qt::endl;
        return ExitCode::Refused;
    }
    TModifyImage& modify = station.Station().ModifyImage();
    const auto run = [&]() -> int {
        if (const int read = ReadItems(station, modify, image); read != ExitCode::Ok)
            return read;
        TConsoleViews& views = station.Views();
        const std::optional<TItemEdit> edit = modify.EditOf(RowOf(*views.ItemRows, item));
        if (!edit) {
            Err() << "IMAGE " << image << " has no item " << item << Qt::endl;
            return ExitCode::Refused;
        }
        // "OK" in the modify item dialog, then the items as the printer now describes them.
        views.ItemRows.reset();
        modify.EditAccepted(*edit, value);
        if (!station.Await([&views] { return views.ItemRows.has_value(); }))
            return NoAnswer(QStringLiteral("the request for the items of ") + image);
        const qsizetype row = RowOf(*views.ItemRows, item);
        const QString shown = row >= 0 ? views.ItemRows->at(row).Value : QString();
        if (row < 0 || shown != value) {
            Err() << "IMAGE " << image << " ITEM " << item << ": the printer shows \"" << shown
                  << "\", not \"" << value << "\"" << Qt::endl;
            return ExitCode::Refused;
        }
        return ExitCode::Ok;
    };
    const int result = run();
    modify.Close();
    return result;
}
