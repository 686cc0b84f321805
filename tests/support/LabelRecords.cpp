#include "LabelRecords.h"

namespace LabelRecords {

namespace {
TRecord Record(QByteArrayView typeName, qint32 x, qint32 y, const TDesignFileWriter& fields, qint32 width = 0,
               qint32 height = 0)
{
    TDesignItemCommon common;
    common.X = x;
    common.Y = y;
    common.Width = width;
    common.Height = height;
    return {typeName.toByteArray(), common, fields.Bytes()};
}
} // namespace

QByteArray DesignFile(const QList<TRecord>& records, QByteArrayView imageName)
{
    TDesignFileWriter file;
    file.Header("zorbe V3.1X000", "", imageName).Shifts().ItemCount(quint32(records.size()));
    for (const TRecord& record : records)
        file.Item(record.TypeName, record.Common).Raw(record.Fields);
    return file.Bytes();
}

TRecord EanUpc(quint32 kind, QByteArrayView data, qint32 x, qint32 y, quint32 barHeight, quint32 moduleWidth)
{
    return Record("BarcodeItem", x, y,
                  TDesignFileWriter().UInt32(kind).String(data).UInt32(barHeight).UInt32(moduleWidth));
}

TRecord Code128(QByteArrayView data, qint32 x, qint32 y, quint32 barHeight, quint32 moduleWidth)
{
    return Record("BarcodeItem", x, y,
                  TDesignFileWriter().UInt32(4).String(data).UInt32(barHeight).UInt32(moduleWidth));
}

TRecord Gs1(const QList<std::pair<QByteArray, QByteArray>>& elements, qint32 x, qint32 y, quint32 barHeight,
            quint32 moduleWidth)
{
    TDesignFileWriter fields;
    fields.UInt32(5).UInt32(quint32(elements.size()));
    for (const auto& [identifier, value] : elements)
        fields.String(identifier).Byte(0).String(value);
    fields.UInt32(barHeight).UInt32(moduleWidth).UInt32(0);
    return Record("BarcodeItem", x, y, fields);
}

TRecord Code39(QByteArrayView data, qint32 x, qint32 y, qint32 barHeight, qint32 narrowWidth,
               qint32 wideRatio)
{
    return Record("BarcodeItem", x, y,
                  TDesignFileWriter()
                      .UInt32(7)
                      .String(data)
                      .Int32(barHeight)
                      .Int32(narrowWidth)
                      .Byte(0)
                      .Int32(wideRatio));
}

TRecord Itf(QByteArrayView data, qint32 x, qint32 y, qint32 height, qint32 narrowWidth, qint32 wideRatio)
{
    const TDesignFileWriter fields = TDesignFileWriter()
                                         .UInt32(6)
                                         .Byte(0)
                                         .Int32(narrowWidth)
                                         .Int32(0)
                                         .Int32(0)
                                         .Byte(0)
                                         .Byte(0)
                                         .Int32(wideRatio)
                                         .String(data);
    return Record("BarcodeItem", x, y, fields, 0, height);
}

TRecord Graphic(qint32 x, qint32 y, qint32 width, qint32 height, QByteArrayView bits)
{
    return Record("GraphicItem", x, y, TDesignFileWriter().Raw(bits), width, height);
}

TRecord Text(QByteArrayView text, qint32 x, qint32 y, qint32 height)
{
    return Record("TextItem", x, y, TDesignFileWriter().String(text).Byte(0).String("").UInt32(1), 0, height);
}

TRecord Memo(QByteArrayView text, qint32 x, qint32 y, qint32 height)
{
    return Record("MemoItem", x, y, TDesignFileWriter().Int32(0).Int32(0).Int32(0).String(text), 0, height);
}

TRecord Date(qint32 x, qint32 y, qint32 height)
{
    TDesignFileWriter fields;
    fields.Char('/');
    for (int i = 0; i < 6; ++i)
        fields.Int32(i < 3 ? 0 : i - 2);
    fields.Double(45000).Int32(0).UInt32(0).UInt32(0).Byte(0).Byte(1);
    return Record("DateItem", x, y, fields, 0, height);
}

TRecord Time(qint32 x, qint32 y, qint32 height)
{
    return Record("TimeItem", x, y, TDesignFileWriter().String("hh:mm").Byte(0).Int32(0).Char(':'), 0,
                  height);
}

TRecord Shift(qint32 x, qint32 y, qint32 height)
{
    return Record("ShiftcodeItem", x, y, TDesignFileWriter(), 0, height);
}

TRecord Counter(qint32 x, qint32 y, qint32 height)
{
    TDesignFileWriter fields;
    for (const char* value : {"1", "1", "999999", "10", "1"})
        fields.String(value);
    return Record("NumberItem", x, y, fields.Byte(0).Byte(1), 0, height);
}

} // namespace LabelRecords
