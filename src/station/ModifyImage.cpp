#include "station/ModifyImage.h"

#include "coder/Coder.h"
#include "comm/MessageSink.h"
#include "station/ImageMessages.h"
#include "station/StationEvents.h"

bool TModifyImage::Open(const TCoder* selected)
{
    return selected && Open(selected, selected->CurrentImageA);
}

bool TModifyImage::Open(const TCoder* selected, const QString& image)
{
    if (!selected)
        return false;
    m_open = true;
    m_droppedDown = false;
    m_items = {};
    m_imageNames = selected->Images;
    ImageMessages::SortImageNames(m_imageNames);
    m_currentImage = image;
    RequestItems();
    return true;
}

void TModifyImage::Close()
{
    m_open = false;
    m_items = {};
    m_imageNames.clear();
    m_currentImage.clear();
}

const QString& TModifyImage::ImageChosen(const QString& name)
{
    const bool counts = m_droppedDown && name != m_currentImage;
    m_droppedDown = false;
    if (counts) {
        m_currentImage = name;
        RequestItems();
    }
    return m_currentImage;
}

void TModifyImage::RequestItems()
{
    m_sink.SendToSelected(ImageMessages::RequestImageItems(m_currentImage));
}

const TImageItems* TModifyImage::ItemsReported(const TXLMessage& report)
{
    if (!m_open)
        return nullptr;
    m_items = ImageItemsReport::Read(report, m_currentImage);
    return &m_items;
}

std::optional<TItemEdit> TModifyImage::EditOf(qsizetype row) const
{
    if (row < 0 || row >= m_items.Rows.size())
        return std::nullopt;
    const TImageItemRow& shown = m_items.Rows[row];
    return TItemEdit{m_currentImage, shown.Number, shown.TypeName, shown.Value};
}

bool TModifyImage::EditAccepted(const TItemEdit& edit, const QString& value)
{
    if (!SendItemValue(edit, value))
        return false;
    RequestItems();
    return true;
}

bool TModifyImage::SendItemValue(const TItemEdit& edit, const QString& value)
{
    if (!TXLMessage::IsWireString(value))
        return false;
    if (value != edit.InitialValue) {
        m_sink.SendToSelected(ImageMessages::ModifyItem(edit.ImageName, edit.ItemNumber, value));
        if (m_events)
            m_events->EmitForSelected(TStationEventKind::ItemModified,
                                      {{QStringLiteral("image"), TStationEvent::Bounded(edit.ImageName)},
                                       {QStringLiteral("item"), edit.ItemNumber},
                                       {QStringLiteral("old"), TStationEvent::Bounded(edit.InitialValue)},
                                       {QStringLiteral("new"), TStationEvent::Bounded(value)}});
    }
    return true;
}
