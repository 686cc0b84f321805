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
    m_awaitingFirst = true;
    if (m_names.isEmpty()) {
        m_view.HideImageDelete();
        return false;
    }
    m_sink.SendToSelected(ImageMessages::DeleteImage(m_names.first()));
    return true;
}

void TImageDeletion::DeletionReported(quint8 reportNo)
{
    if (m_names.isEmpty())
        return;
    if (m_awaitingFirst && reportNo == m_lastReportNo)
        return;
    // Settled before anything is told: the dialog may wait for the operator meanwhile.
    m_awaitingFirst = false;
    m_lastReportNo = reportNo;
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
