#pragma once

#include <QString>
#include <QStringList>

class TFontMap;
class TMessageSink;
class TCoder;

// What the image transfer shows and asks while a batch runs: the transfer window and the main
// window's message boxes in the station, console output in the command-line tool.
class TTransferHost
{
public:
    virtual ~TTransferHost() = default;

    // A file starts: its name without folder, in lower case; the image name once read (else empty).
    virtual void ShowTransferFile(const QString& fileName, const QString& imageName) = 0;
    // "IMAGE name EXISTS, OVERWRITE?": true to go on.
    virtual bool ConfirmOverwrite(const QString& imageName) = 0;
    // A file is skipped: the station's message saying why.
    virtual void ShowTransferError(const QString& text) = 0;
    // The body of the image message just built (the station keeps a copy of the last one).
    virtual void ImageBuilt(const QByteArray& body) = 0;
    // The batch has ended or was aborted: the transfer window closes.
    virtual void CloseTransfer() = 0;
};

// A batch of image design files transferred into the selected printer one after another: each
// file's image message is queued, the next file goes when the printer asks for the next image, and
// after the last file the printer is told to write its memory to flash. Files that cannot be sent
// are reported and passed over at once.
class TTransferBatch
{
public:
    TTransferBatch(TTransferHost& host, TMessageSink& sink, const TFontMap& fonts);

    // The selected printer's state: asked whether it holds an image already. None: no printer.
    void SetSelectedCoder(TCoder* coder) { m_coder = coder; }

    void Start(const QStringList& files);
    // The printer asks for the next image. The next file goes once the last image is sent; a request
    // that overtakes the acknowledgement of the image's last packet (that acknowledgement was lost and
    // the packet is being resent) is kept until the acknowledgement comes.
    void TransferNextImage();
    // The printer acknowledged the last packet of the image being sent.
    void ImageSent();
    // The printer refused an image ("Insufficient Memory..." or "Image Transfer Failed..."): the
    // batch ends; images already transferred are written to flash.
    void Abort(const QString& text);

    bool IsRunning() const { return !m_files.isEmpty(); }
    bool IsWaiting() const { return m_waiting; }
    int Index() const { return m_index; }
    // Sends one file: true when its message was queued, false when it was skipped.
    bool DownloadImage(const QString& fileName);

private:
    void QueueFlashWrite();

    TTransferHost& m_host;
    TMessageSink& m_sink;
    const TFontMap& m_fonts;
    TCoder* m_coder = nullptr;
    QStringList m_files;
    int m_index = 0;
    bool m_waiting = false;
    bool m_nextRequested = false; // the printer asked for the next image while this one was sent
};
