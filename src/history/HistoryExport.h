#pragma once

#include "history/HistoryReader.h"

class QIODevice;

// The rows a filter passes, newest first (as the History window shows them), written as CSV a
// slice at a time, so that a window can show the progress of a long export and stay responsive.
class THistoryExport
{
public:
    THistoryExport(const THistoryReader& reader, const THistoryFilter& filter, QIODevice& device);

    // Writes up to rows more; false once every row is written or the device fails.
    bool WriteNext(int rows);
    qint64 Written() const { return m_written; }
    bool Failed() const { return m_failed; }

private:
    const THistoryReader& m_reader;
    const THistoryFilter m_filter;
    QIODevice& m_device;
    qint64 m_before = 0; // the oldest row written
    qint64 m_written = 0;
    bool m_started = false;
    bool m_failed = false;
};
