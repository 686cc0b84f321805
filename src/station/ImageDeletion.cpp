#include "station/ImageDeletion.h"

#include "coder/Coder.h"
#include "comm/MessageSink.h"

QStringList TImageDeletion::Offered(const TCoder& coder)
{
    QStringList names = coder.Images;
    names.removeAll(coder.ProtectedImage);
    return names;
}

bool TImageDeletion::Start(QStringList names)
{
    names.sort();
    m_names = names;
    m_awaitingFirst = true;
    if (m_names.isEmpty())
        return false;
    SendNextDelete();
    return true;
}

void TImageDeletion::SendNextDelete()
{
    if (m_names.isEmpty()) {
        m_sink.SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
        return;
    }
    auto message = std::make_unique<TXLMessage>(XLSend::DeleteImage);
    message->WriteString(m_names.first());
    m_sink.SendToSelected(std::move(message));
}

void TImageDeletion::DeletionReported(quint8 reportNo)
{
    if (m_names.isEmpty())
        return;
    if (m_awaitingFirst && reportNo == m_lastReportNo)
        return;
    m_names.removeFirst();
    SendNextDelete();
    m_awaitingFirst = false;
    m_lastReportNo = reportNo;
}
