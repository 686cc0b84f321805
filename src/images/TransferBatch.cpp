#include "images/TransferBatch.h"

#include "coder/Coder.h"
#include "comm/MessageSink.h"
#include "images/ImageData.h"

#include <QCoreApplication>
#include <QFileInfo>

TTransferBatch::TTransferBatch(TTransferHost& host, TMessageSink& sink, const TFontMap& fonts)
    : m_host(host), m_sink(sink), m_fonts(fonts)
{}

void TTransferBatch::Start(const QStringList& files)
{
    m_files = files;
    m_index = 0;
    m_waiting = false;
    m_nextRequested = false;
    TransferNextImage();
}

void TTransferBatch::TransferNextImage()
{
    if (m_files.isEmpty())
        return;
    if (m_waiting) {
        m_nextRequested = true;
        return;
    }
    m_nextRequested = false;
    while (!m_waiting) {
        if (m_index >= m_files.size()) {
            m_host.CloseTransfer();
            m_files.clear();
            QueueFlashWrite();
            m_waiting = true;
        } else {
            m_waiting = DownloadImage(m_files[m_index]);
            ++m_index;
        }
    }
}

void TTransferBatch::ImageSent()
{
    m_waiting = false;
    if (m_nextRequested)
        TransferNextImage();
}

void TTransferBatch::Abort(const QString& text)
{
    if (m_files.isEmpty())
        return;
    m_host.ShowTransferError(text);
    m_host.CloseTransfer();
    m_files.clear();
    if (m_index > 1)
        QueueFlashWrite();
}

void TTransferBatch::QueueFlashWrite()
{
    m_sink.SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
}

// Every refusal, also a file that cannot be opened or a value an item cannot convert, is reported
// and the file passed over: the batch goes on with the next file rather than stalling.
bool TTransferBatch::DownloadImage(const QString& fileName)
{
    const QString shownName = QFileInfo(fileName).fileName().toLower();
    m_host.ShowTransferFile(shownName, QString());
    TImageDownload download;
    if (std::optional<TImageError> error = download.Begin(fileName)) {
        m_host.ShowTransferError(ImageErrorText(*error, fileName, download.ImageName()));
        return false;
    }
    const QString imageName = download.ImageName();
    m_host.ShowTransferFile(shownName, imageName);
    if (m_coder && m_coder->HasImage(imageName)) {
        if (!m_host.ConfirmOverwrite(imageName))
            return false;
    } else if (m_coder) {
        m_coder->Images.append(imageName); // the printer's next image list replaces it
    }
    auto result = download.Finish(m_fonts);
    if (auto* error = std::get_if<TImageError>(&result)) {
        m_host.ShowTransferError(ImageErrorText(*error, fileName, imageName));
        return false;
    }
    auto message = std::move(std::get<std::unique_ptr<TXLMessage>>(result));
    m_host.ImageBuilt(message->Body());
    message->SetPosition(message->Size());
    m_sink.SendToSelected(std::move(message));
    return true;
}
