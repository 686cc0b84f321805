#pragma once

#include "station/ImageItemsReport.h"

#include <QStringList>

#include <optional>

class TCoder;
class TMessageSink;
class TStationEvents;
class TXLMessage;

// What the modify item dialog shows of the row it edits, and the value the row had.
struct TItemEdit
{
    QString ImageName;
    QString ItemNumber;
    QString ItemType;
    QString InitialValue;
};

// The modify image window's logic: which stored image is listed, when a choice in the image list
// counts, the items of the listed image as the printer describes them, and the edit of one item.
// The window shows what it holds and forwards the operator's actions.
class TModifyImage
{
public:
    explicit TModifyImage(TMessageSink& sink) : m_sink(sink) {}
    // Where each change of an item sent to the printer is told as an event.
    void SetEvents(TStationEvents* events) { m_events = events; }

    // Opening the window on the selected printer (none: nothing happens and false): lists the
    // printer's images in sorted order, shows image (the printer's current image when not given)
    // and asks for its items.
    bool Open(const TCoder* selected);
    bool Open(const TCoder* selected, const QString& image);
    // The window closed: the items are released, reports are no longer read.
    void Close();
    bool IsOpen() const { return m_open; }

    const QStringList& ImageNames() const { return m_imageNames; }
    const QString& CurrentImage() const { return m_currentImage; }

    // The operator opened the image list.
    void ImageListOpened() { m_droppedDown = true; }
    // The image list's selection changed to name. A choice counts only when the list was opened
    // since the last change (arrow keys on the closed list do not count): then its items are asked
    // for. Returns the image the list shows afterwards.
    const QString& ImageChosen(const QString& name);

    // Asks the printer for the items of the current image.
    void RequestItems();

    // The printer's ImageItems report; its rows replace those shown. While the window is closed
    // nothing is read (null).
    const TImageItems* ItemsReported(const TXLMessage& report);
    const QList<TImageItemRow>& Rows() const { return m_items.Rows; }

    // The modify item dialog's fields for a row; none for a row that does not exist.
    std::optional<TItemEdit> EditOf(qsizetype row) const;
    // "OK" in the modify item dialog: ModifyItem goes out when value differs from the initial one
    // (exactly, letter case included); the items are asked for again in every case. A value that
    // a message cannot carry (TXLMessage::FirstNonWireCharacter) is refused: false, nothing sent.
    bool EditAccepted(const TItemEdit& edit, const QString& value);
    // Gives the item of the edit the value, as "OK" does, without asking for the items again: other
    // work of the station (a changeover) sets several items and then reads them all back.
    bool SendItemValue(const TItemEdit& edit, const QString& value);

private:
    TMessageSink& m_sink;
    TStationEvents* m_events = nullptr;
    bool m_open = false;
    bool m_droppedDown = false;
    QStringList m_imageNames;
    QString m_currentImage;
    TImageItems m_items;
};
