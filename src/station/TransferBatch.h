#pragma once

#include "station/StationEvent.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TCoder;
class TCommChannel;
class TFontMap;
class TImageDesignFile;
class TImageTransferView;
struct TImageError;
class TMessageSink;
class TStationEvents;

// A barcode of an image that a scanner would not read as its data.
struct TUnreadableBarcode
{
    int ItemNumber = 0; // the item's position in the image, from 1
    QString Reason;     // why, in the station's words
};

// A batch of image design files transferred into the selected printer one after another: each
// file's image message is queued, the next file goes when the printer asks for the next image, and
// after the last file the printer is told to write its memory to flash. Files that cannot be sent
// are reported and passed over at once.
//
// A batch belongs to the printer it started on. Whatever ends it before its last file (another
// printer selected, its printer gone, the station closing) ends it by the printer's own abort rule:
// the images that went are written to flash while the printer is still there, and the operator is
// told which files did not go.
//
// Every question and box may wait for the operator while the printer goes on talking: the batch may
// be aborted or end meanwhile. It checks after each call out that the same batch still runs, never
// builds or queues a file after an abort, queues at most one FlashWrite, and is not re-entered.
class TTransferBatch
{
public:
    // The selected printer's state, asked whether it holds an image already; null with no printer.
    using SelectedPrinter = std::function<TCoder*()>;
    // Looks at an image read from its file (and built into its message) for the first barcode that
    // does not read back; none when every barcode reads back.
    using BarcodeCheck = std::function<std::optional<TUnreadableBarcode>(const TImageDesignFile& image,
                                                                         const TFontMap& fonts)>;

    TTransferBatch(TImageTransferView& view, TMessageSink& sink, const TFontMap& fonts,
                   SelectedPrinter selectedPrinter);

    // Where the body of the last image message built is copied (the station keeps one in its working
    // folder); empty for no copy.
    void SetBodyCopyPath(const QString& path) { m_bodyCopyPath = path; }
    // Where each file's transfer is told as an event once its outcome is known: sent (the printer
    // asked for the next image), refused by the station, declined by the operator, out of memory,
    // failed, or cancelled.
    void SetEvents(TStationEvents* events) { m_events = events; }

    // Checks every file's barcodes before its image is sent: a file with a barcode that does not
    // read back goes only when the operator confirms it. With followSettings the settings value
    // VERIFY_BARCODES, read as each batch starts, can turn the check off; otherwise every batch
    // checks. Without a check nothing is checked.
    void SetBarcodeCheck(BarcodeCheck check, bool followSettings = true);
    // The question the operator is asked about such a file.
    static QString UnreadableBarcodeQuestion(int itemNumber, const QString& reason);

    // What a batch does with an image the printer holds already: asks the operator whether to
    // overwrite it, or replaces it without asking (the station has decided that it must go).
    enum class THeldImage
    {
        Ask,
        Replace,
    };
    // Starts a batch; false (nothing done) while a step of the running batch is still in progress.
    bool Start(const QStringList& files, THeldImage heldImage = THeldImage::Ask);
    // The printer asks for the next image. The next file goes once the last image is sent; a request
    // that overtakes the acknowledgement of the image's last packet (that acknowledgement was lost and
    // the packet is being resent) is kept until the acknowledgement comes.
    void TransferNextImage();
    // The printer acknowledged the last packet of the image being sent.
    void ImageSent();
    // The printer refused an image: the batch ends, images already transferred are written to flash,
    // and the operator is told why.
    void Abort(const QString& text);
    // The batch ends before its last file, for a reason of the station's: see above.
    void EndEarly();

    static QString InsufficientMemoryText();
    static QString TransferFailedText();
    // What the operator is told of a batch ended early: the files that did not go, without folder.
    static QString NotTransferredText(const QStringList& fileNames);
    // What the operator is told about a file the station refuses. The station's own refusals name
    // the file (an operator of a batch must know which file was passed over); a refusal that names
    // it already, and the transfer window's own two texts, are told as they stand.
    static QString RefusalText(const TImageError& error, const QString& fileName, const QString& imageName);

    bool IsRunning() const { return !m_files.isEmpty(); }
    int Index() const { return m_index; }

private:
    // The file being prepared or sent, until its outcome is known.
    struct TTransferRecord
    {
        TEventPrinter Printer; // the printer the file goes to
        QString File;
        QString Image;
        QByteArray Body; // the image message's body once built
        bool Queued = false;
    };

    // Sends one file: true when its message was queued, false when it was skipped.
    bool DownloadImage(QString fileName);
    bool Refuse(const QString& text);
    // False when the operator declines to send an image whose barcodes do not all read back.
    bool BarcodesAccepted(const TImageDesignFile& image);
    void End();
    void QueueFlashWrite();
    void KeepBodyCopy(const QByteArray& body) const;
    void RecordTransfer(const char* outcome, const QString& reason = {});
    bool IsSameBatch(quint64 batch) const { return batch == m_batchSerial; }

    TImageTransferView& m_view;
    TMessageSink& m_sink;
    const TFontMap& m_fonts;
    SelectedPrinter m_selectedPrinter;
    QString m_bodyCopyPath;
    BarcodeCheck m_barcodeCheck;
    bool m_checkFollowsSettings = true;
    bool m_checkBarcodes = false; // for the running batch
    THeldImage m_heldImage = THeldImage::Ask;
    QStringList m_files;
    QStringList m_sent; // the files whose image the printer acknowledged whole
    QPointer<TCommChannel> m_printer;
    int m_index = 0;
    bool m_waiting = false;
    bool m_nextRequested = false; // the printer asked for the next image while this one was sent
    bool m_stepping = false;      // a step is in progress (it may be waiting for the operator)
    quint64 m_batchSerial = 0;    // counts the batches started, ended and aborted
    TStationEvents* m_events = nullptr;
    std::optional<TTransferRecord> m_transfer;
};
