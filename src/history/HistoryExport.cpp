#include "history/HistoryExport.h"

#include "history/HistoryText.h"

#include <QIODevice>

THistoryExport::THistoryExport(const THistoryReader& reader, const THistoryFilter& filter, QIODevice& device)
    : m_reader(reader), m_filter(filter), m_device(device)
{}

bool THistoryExport::WriteNext(int rows)
{
    QByteArray text;
    if (!m_started) {
        m_started = true;
        text = HistoryText::CsvHeader().toUtf8() + "\r\n";
    }
    const QList<THistoryRow> page = m_reader.RowsBefore(m_before, rows, m_filter);
    for (const THistoryRow& row : page)
        text += HistoryText::CsvLine(row).toUtf8() + "\r\n";
    if (m_device.write(text) != text.size()) {
        m_failed = true;
        return false;
    }
    m_written += page.size();
    if (!page.isEmpty())
        m_before = page.last().Seq;
    return page.size() == rows;
}
