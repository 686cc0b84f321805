// A printer's ImageItems report read from arbitrary bytes, once about the image it names (so the
// items are read) and once about another image. The rows belong to items that were created, there
// are no more rows than bytes, and a report about another image gives none.
#include "comm/XLMessage.h"
#include "station/ImageItemsReport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TXLMessage report(XLReceive::StatusId, XLReceive::ImageItems);
    report.WriteBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    report.SetPosition(0);
    const QString named = report.ReadString();

    const TImageItems items = ImageItemsReport::Read(report, named);
    if (items.End == TImageItemsEnd::OtherImage || items.Rows.size() > qsizetype(size))
        __builtin_trap();
    for (const TImageItemRow& row : items.Rows)
        if (row.ItemIndex < 0 || row.ItemIndex >= items.Items.Count())
            __builtin_trap();

    const TImageItems other = ImageItemsReport::Read(report, named + QLatin1Char('x'));
    if (other.End != TImageItemsEnd::OtherImage || !other.Rows.isEmpty())
        __builtin_trap();
    return 0;
}
