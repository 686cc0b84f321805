#include "station/TransferBatch.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/MessageSink.h"
#include "images/ImageData.h"
#include "platform/Logging.h"
#include "platform/SettingsStore.h"
#include "station/StationEvents.h"
#include "station/views/ImageTransferView.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>

TTransferBatch::TTransferBatch(TImageTransferView& view, TMessageSink& sink, const TFontMap& fonts,
                               SelectedPrinter selectedPrinter)
    : m_view(view), m_sink(sink), m_fonts(fonts), m_selectedPrinter(std::move(selectedPrinter))
{}

QString TTransferBatch::InsufficientMemoryText()
{
    return QCoreApplication::translate("TTransferBatch", "Insufficient Memory to Store Image. Transfer Aborted");
}

QString TTransferBatch::TransferFailedText()
{
    return QCoreApplication::translate("TTransferBatch", "Image Transfer Failed. Operation Aborted.");
}

QString TTransferBatch::NotTransferredText(const QStringList& fileNames)
{
    return QCoreApplication::translate("TTransferBatch", "Transfer Aborted. Not transferred: %1")
        .arg(fileNames.join(QLatin1String(", ")));
}

QString TTransferBatch::UnreadableBarcodeQuestion(int itemNumber, const QString& reason)
{
    return QCoreApplication::translate("TTransferBatch",
                                       "BARCODE OF ITEM %1 DOES NOT READ BACK (%2). TRANSFER ANYWAY?")
        .arg(QString::number(itemNumber), reason);
}

QString TTransferBatch::RefusalText(const TImageError& error, const QString& fileName, const QString& imageName)
{
    const QString text = ImageErrorText(error, fileName, imageName);
    switch (error.Kind) {
    case TImageErrorKind::FileUnreadable:
    case TImageErrorKind::DamagedFile:
    case TImageErrorKind::InvalidFileVersion:
    case TImageErrorKind::InvalidItemType:
        return text;
    default:
        return QCoreApplication::translate("TTransferBatch", "%1: %2").arg(QFileInfo(fileName).fileName(), text);
    }
}

void TTransferBatch::SetBarcodeCheck(BarcodeCheck check, bool followSettings)
{
    m_barcodeCheck = std::move(check);
    m_checkFollowsSettings = followSettings;
}

namespace {
// Only a stored 0 turns the check off: a value that is not a number leaves it on.
bool SettingsTurnCheckOff()
{
    bool isNumber = false;
    const int value = SettingsStore::Value(QLatin1String(SettingsStore::VerifyBarcodes)).toInt(&isNumber);
    return isNumber && value == 0;
}
} // namespace

bool TTransferBatch::Start(const QStringList& files, THeldImage heldImage)
{
    if (m_stepping)
        return false;
    m_heldImage = heldImage;
    m_checkBarcodes = m_barcodeCheck && !(m_checkFollowsSettings && SettingsTurnCheckOff());
    ++m_batchSerial;
    m_files = files;
    m_sent.clear();
    TCoder* printer = m_selectedPrinter ? m_selectedPrinter() : nullptr;
    m_printer = printer ? &printer->Channel : nullptr;
    m_index = 0;
    m_waiting = false;
    m_nextRequested = false;
    TransferNextImage();
    return true;
}

void TTransferBatch::TransferNextImage()
{
    // A request while a file is being prepared cannot be for that file, which is not sent yet.
    if (m_files.isEmpty() || m_stepping)
        return;
    if (m_waiting) {
        m_nextRequested = true;
        return;
    }
    const QScopedValueRollback stepping(m_stepping, true);
    const quint64 batch = m_batchSerial;
    m_nextRequested = false;
    if (m_transfer && m_transfer->Queued)
        RecordTransfer("sent"); // the printer has stored it and asks for the next
    while (!m_waiting) {
        if (m_index >= m_files.size()) {
            End();
            return;
        }
        const bool started = DownloadImage(m_files.at(m_index));
        if (!IsSameBatch(batch))
            return; // aborted or cancelled while the operator was asked
        m_waiting = started;
        ++m_index;
    }
}

void TTransferBatch::ImageSent()
{
    if (m_files.isEmpty() || m_stepping)
        return;
    if (m_waiting && m_index > 0)
        m_sent.append(m_files.at(m_index - 1));
    m_waiting = false;
    if (m_nextRequested)
        TransferNextImage();
}

void TTransferBatch::End()
{
    ++m_batchSerial;
    m_files.clear();
    m_waiting = true;
    QueueFlashWrite();
    m_view.CloseTransfer();
}

// The state is final before the operator is told: a second report while the box is open finds no
// batch, and the flash write goes to the printer that reported, whatever happens meanwhile.
void TTransferBatch::Abort(const QString& text)
{
    if (m_files.isEmpty())
        return;
    ++m_batchSerial;
    m_files.clear();
    m_waiting = false;
    // The printer refuses the image it was sent; an image not sent yet is only cancelled.
    const char* outcome = "cancelled";
    if (m_transfer && m_transfer->Queued && text == InsufficientMemoryText())
        outcome = "out-of-memory";
    else if (m_transfer && m_transfer->Queued && text == TransferFailedText())
        outcome = "failed";
    RecordTransfer(outcome, text);
    if (m_index > 1)
        QueueFlashWrite();
    m_view.CloseTransfer();
    m_view.ShowBatchAborted(text);
}

// The image on its way goes on to the printer while its link lasts, but it is not counted as sent:
// the operator is never told that a file went that may not have.
void TTransferBatch::EndEarly()
{
    if (m_files.isEmpty())
        return;
    QStringList notSent;
    for (const QString& file : std::as_const(m_files))
        if (!m_sent.contains(file))
            notSent.append(QFileInfo(file).fileName());
    ++m_batchSerial;
    m_files.clear();
    m_waiting = false;
    RecordTransfer("cancelled");
    if (!m_sent.isEmpty() && m_printer && m_printer->IsConnected())
        m_printer->QueueMessage(std::make_unique<TXLMessage>(XLSend::FlashWrite));
    m_view.CloseTransfer();
    m_view.ShowBatchAborted(NotTransferredText(notSent));
}

void TTransferBatch::QueueFlashWrite()
{
    m_sink.SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
}

bool TTransferBatch::Refuse(const QString& text)
{
    RecordTransfer("refused", text);
    m_view.HideTransfer();
    m_view.ShowFileRefused(text);
    return false;
}

// Every refusal, also a file that cannot be opened or a value an item cannot convert, is reported
// and the file passed over: the batch goes on with the next file rather than stalling. The name is
// a copy: the batch's list may be emptied while the operator is asked.
bool TTransferBatch::DownloadImage(QString fileName)
{
    const quint64 batch = m_batchSerial;
    const QString shownName = QFileInfo(fileName).fileName().toLower();
    const TCoder* printer = m_selectedPrinter ? m_selectedPrinter() : nullptr;
    m_transfer = TTransferRecord{printer ? TEventPrinter::Of(*printer) : TEventPrinter(), fileName, {}, {}, false};
    m_view.ShowTransferFile(shownName, QString());
    TImageDownload download;
    if (std::optional<TImageError> error = download.Begin(fileName))
        return Refuse(RefusalText(*error, fileName, download.ImageName()));
    const QString imageName = download.ImageName();
    m_transfer->Image = imageName;
    m_view.ShowTransferFile(shownName, imageName);
    if (!IsSameBatch(batch))
        return false;
    if (TCoder* printer = m_selectedPrinter ? m_selectedPrinter() : nullptr) {
        if (!printer->HasImage(imageName)) {
            printer->Images.append(imageName); // the printer's next image list replaces it
        } else if (m_heldImage == THeldImage::Ask) {
            const bool overwrite = m_view.ConfirmOverwrite(imageName);
            if (!IsSameBatch(batch))
                return false;
            if (!overwrite) {
                RecordTransfer("declined", QStringLiteral("overwrite"));
                m_view.HideTransfer();
                return false;
            }
        }
    }
    auto result = download.Finish(m_fonts);
    if (auto* error = std::get_if<TImageError>(&result))
        return Refuse(RefusalText(*error, fileName, imageName));
    auto message = std::move(std::get<std::unique_ptr<TXLMessage>>(result));
    KeepBodyCopy(message->Body());
    m_transfer->Body = message->Body();
    if (!BarcodesAccepted(download.Image()) || !IsSameBatch(batch))
        return false;
    message->SetPosition(message->Size());
    m_transfer->Queued = true;
    m_sink.SendToSelected(std::move(message));
    return true;
}

bool TTransferBatch::BarcodesAccepted(const TImageDesignFile& image)
{
    if (!m_checkBarcodes)
        return true;
    const std::optional<TUnreadableBarcode> unreadable = m_barcodeCheck(image, m_fonts);
    if (!unreadable)
        return true;
    const quint64 batch = m_batchSerial;
    const bool send = m_view.ConfirmUnreadableBarcode(unreadable->ItemNumber, unreadable->Reason);
    if (IsSameBatch(batch) && !send) {
        RecordTransfer("declined", UnreadableBarcodeQuestion(unreadable->ItemNumber, unreadable->Reason));
        m_view.HideTransfer();
    }
    return send;
}

// A copy that cannot be written is removed rather than left stale; the transfer does not depend on it.
void TTransferBatch::KeepBodyCopy(const QByteArray& body) const
{
    if (m_bodyCopyPath.isEmpty())
        return;
    QFile copy(m_bodyCopyPath);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(body) != body.size()) {
        qCWarning(lcStation) << "cannot write" << m_bodyCopyPath << copy.errorString();
        copy.remove();
    }
}

void TTransferBatch::RecordTransfer(const char* outcome, const QString& reason)
{
    const std::optional<TTransferRecord> transfer = std::exchange(m_transfer, std::nullopt);
    if (!transfer || !m_events)
        return;
    QJsonObject values{{QStringLiteral("file"), TStationEvent::Bounded(transfer->File)},
                       {QStringLiteral("image"), TStationEvent::Bounded(transfer->Image)},
                       {QStringLiteral("outcome"), QLatin1String(outcome)}};
    if (!reason.isEmpty())
        values.insert(QStringLiteral("reason"), TStationEvent::Bounded(reason));
    if (!transfer->Body.isNull()) {
        values.insert(QStringLiteral("size"), transfer->Body.size());
        values.insert(QStringLiteral("sha256"),
                      QString::fromLatin1(QCryptographicHash::hash(transfer->Body, QCryptographicHash::Sha256).toHex()));
    }
    m_events->Emit(TStationEventKind::ImageTransfer, transfer->Printer, values);
}
