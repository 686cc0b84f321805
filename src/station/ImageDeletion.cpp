#include "station/ImageDeletion.h"

#include "coder/Coder.h"
#include "comm/MessageSink.h"
#include "station/ImageMessages.h"
#include "station/StationEvents.h"
#include "station/views/ImageDialogsView.h"

QStringList TImageDeletion::Offered(const TCoder& coder)
{
    QStringList names = coder.Images;
    names.removeAll(coder.ProtectedImage);
    return names;
}

bool TImageDeletion::Start(QStringList names)
{
    ImageMessages::SortImageNames(names);
    m_names = names;
    m_printer = m_selectedPrinter();
    m_awaitingFirst = true;
    if (m_names.isEmpty()) {
        m_view.HideImageDelete();
        return false;
    }
    m_sink.SendToSelected(ImageMessages::DeleteImage(m_names.first()));
    return true;
}

void TImageDeletion::DeletionReported(quint64 printer, quint8 reportNo)
{
    if (m_names.isEmpty() || printer != m_printer)
        return;
    const auto last = m_lastReportOf.constFind(printer);
    if (m_awaitingFirst && last != m_lastReportOf.cend() && *last == reportNo)
        return;
    // Settled before anything is told: the dialog may wait for the operator meanwhile.
    m_awaitingFirst = false;
    m_lastReportOf.insert(printer, reportNo);
    const QString deleted = m_names.takeFirst();
    if (m_events)
        m_events->EmitForSelected(TStationEventKind::ImageDeleted,
                                  {{QStringLiteral("image"), TStationEvent::Bounded(deleted)}});
    const QStringList remaining = m_names;
    if (remaining.isEmpty())
        m_sink.SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
    else
        m_sink.SendToSelected(ImageMessages::DeleteImage(remaining.first()));
    m_view.ShowImagesToDelete(remaining);
    if (remaining.isEmpty())
        m_view.HideImageDelete();
}
