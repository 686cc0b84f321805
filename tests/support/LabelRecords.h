#pragma once

#include "DesignFileWriter.h"

#include <QByteArray>
#include <QList>

#include <utility>

// Item records for label fixtures: each its type name, common part and fields, so a test states a
// label as a list of items and gets its design file.
namespace LabelRecords {

struct TRecord
{
    QByteArray TypeName;
    TDesignItemCommon Common;
    QByteArray Fields; // after the common part
};

// A version 3.1 design file of the records.
QByteArray DesignFile(const QList<TRecord>& records, QByteArrayView imageName = "LABEL");

// Barcodes at x, y. kind: 0 EAN-8, 1 EAN-13, 2 UPC-A, 3 UPC-E.
TRecord EanUpc(quint32 kind, QByteArrayView data, qint32 x, qint32 y, quint32 barHeight, quint32 moduleWidth);
TRecord Code128(QByteArrayView data, qint32 x, qint32 y, quint32 barHeight, quint32 moduleWidth);
// Elements as (application identifier text, value).
TRecord Gs1(const QList<std::pair<QByteArray, QByteArray>>& elements, qint32 x, qint32 y, quint32 barHeight,
            quint32 moduleWidth);
TRecord Code39(QByteArrayView data, qint32 x, qint32 y, qint32 barHeight, qint32 narrowWidth,
               qint32 wideRatio);
// ITF has no bar height of its own: the item's height.
TRecord Itf(QByteArrayView data, qint32 x, qint32 y, qint32 height, qint32 narrowWidth, qint32 wideRatio);

// A picture of width x height pixels from its packed bits.
TRecord Graphic(qint32 x, qint32 y, qint32 width, qint32 height, QByteArrayView bits);
TRecord Text(QByteArrayView text, qint32 x, qint32 y, qint32 height);
TRecord Memo(QByteArrayView text, qint32 x, qint32 y, qint32 height);
TRecord Date(qint32 x, qint32 y, qint32 height);
TRecord Time(qint32 x, qint32 y, qint32 height);
TRecord Shift(qint32 x, qint32 y, qint32 height);
TRecord Counter(qint32 x, qint32 y, qint32 height);

} // namespace LabelRecords
