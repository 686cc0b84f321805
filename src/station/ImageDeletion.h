#pragma once

#include <QHash>
#include <QStringList>

#include <functional>

class TCoder;
class TImageDialogsView;
class TMessageSink;
class TStationEvents;

// Deletes a set of images from the selected printer one at a time: each DeleteImage goes out when
// the printer has reported the previous deletion, and when none is left the printer writes its
// memory to flash and the delete dialog hides. The names go in sorted order. A deletion belongs to
// the printer it started on: only that printer's reports count.
class TImageDeletion
{
public:
    // The selected printer's channel id; 0 with none.
    using SelectedPrinter = std::function<quint64()>;

    TImageDeletion(TMessageSink& sink, TImageDialogsView& view, SelectedPrinter selectedPrinter)
        : m_sink(sink), m_view(view), m_selectedPrinter(std::move(selectedPrinter))
    {}
    // Where each deletion the printer reports is told as an event.
    void SetEvents(TStationEvents* events) { m_events = events; }

    // The names that may be chosen for deletion: the printer's images except its protected one.
    static QStringList Offered(const TCoder& coder);

    // Starts deleting; false when there is nothing to delete: nothing is sent and the dialog hides.
    bool Start(QStringList names);
    // A printer's ImageDeleted report, with its message number. The first report after a start that
    // repeats the number of the last report accepted from the same printer is an old report sent
    // again, and is ignored; another printer's numbers are its own.
    void DeletionReported(quint64 printer, quint8 reportNo);
    // The rest is dropped, without a flash write.
    void Cancel() { m_names.clear(); }

    bool IsRunning() const { return !m_names.isEmpty(); }
    const QStringList& Remaining() const { return m_names; }

private:
    TMessageSink& m_sink;
    TImageDialogsView& m_view;
    SelectedPrinter m_selectedPrinter;
    TStationEvents* m_events = nullptr;
    QStringList m_names;
    quint64 m_printer = 0; // the deletion's printer
    bool m_awaitingFirst = false;
    QHash<quint64, quint8> m_lastReportOf; // per printer, kept across deletions
};
