#pragma once

#include <QStringList>

class TCoder;
class TMessageSink;

// Deletes a set of images from the selected printer one at a time: each DeleteImage goes out when
// the printer has reported the previous deletion, and when none is left the printer writes its
// memory to flash. The names go in sorted order.
class TImageDeletion
{
public:
    explicit TImageDeletion(TMessageSink& sink) : m_sink(sink) {}

    // The names that may be chosen for deletion: the printer's images except its protected one.
    static QStringList Offered(const TCoder& coder);

    // Starts deleting; false (nothing sent) when there is nothing to delete.
    bool Start(QStringList names);
    // The printer's ImageDeleted report, with its message number: the first report after a start
    // that repeats the number of the last accepted one is an old report sent again, and is ignored.
    void DeletionReported(quint8 reportNo);
    void Cancel() { m_names.clear(); }

    bool IsRunning() const { return !m_names.isEmpty(); }
    const QStringList& Remaining() const { return m_names; }

private:
    void SendNextDelete();

    TMessageSink& m_sink;
    QStringList m_names;
    bool m_awaitingFirst = false;
    quint8 m_lastReportNo = 0; // kept across batches
};
