#pragma once

#include <QStringList>

class TCoder;
class TImageDialogsView;
class TMessageSink;
class TStationEvents;

// Deletes a set of images from the selected printer one at a time: each DeleteImage goes out when
// the printer has reported the previous deletion, and when none is left the printer writes its
// memory to flash and the delete dialog hides. The names go in sorted order.
class TImageDeletion
{
public:
    TImageDeletion(TMessageSink& sink, TImageDialogsView& view) : m_sink(sink), m_view(view) {}
    // Where each deletion the printer reports is told as an event.
    void SetEvents(TStationEvents* events) { m_events = events; }

    // The names that may be chosen for deletion: the printer's images except its protected one.
    static QStringList Offered(const TCoder& coder);

    // Starts deleting; false when there is nothing to delete: nothing is sent and the dialog hides.
    bool Start(QStringList names);
    // The printer's ImageDeleted report, with its message number: the first report after a start
    // that repeats the number of the last accepted one is an old report sent again, and is ignored.
    void DeletionReported(quint8 reportNo);
    // The rest is dropped, without a flash write.
    void Cancel() { m_names.clear(); }

    bool IsRunning() const { return !m_names.isEmpty(); }
    const QStringList& Remaining() const { return m_names; }

private:
    TMessageSink& m_sink;
    TImageDialogsView& m_view;
    TStationEvents* m_events = nullptr;
    QStringList m_names;
    bool m_awaitingFirst = false;
    quint8 m_lastReportNo = 0; // kept across batches
};
