#include "ConsoleViews.h"

#include "images/ImageDeletion.h"
#include "images/TransferBatch.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {
QTextStream& Err()
{
    static QTextStream err(stderr);
    return err;
}
} // namespace

TConsoleViews::TConsoleViews(bool progressBar) : m_progressBar(progressBar) {}

void TConsoleViews::UpdateImageList(const QStringList&)
{
    ImageListReceived = true;
    emit Changed();
}

void TConsoleViews::PrintStarted(qint32)
{
    PrintStartedReported = true;
    emit Changed();
}

void TConsoleViews::PrintStopped()
{
    PrintStoppedReported = true;
    emit Changed();
}

void TConsoleViews::SetTransferProgress(int percent)
{
    if (!m_progressBar || percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    const int filled = percent * 40 / 100;
    Err() << "\r[" << QString(filled, QLatin1Char('#')) << QString(40 - filled, QLatin1Char(' ')) << "] "
          << percent << "%" << (percent >= 100 ? "\n" : "") << Qt::flush;
}

void TConsoleViews::ImageSent()
{
    m_lastPercent = -1;
    if (Batch)
        Batch->ImageSent();
    emit Changed();
}

void TConsoleViews::TransferNextImage()
{
    if (Batch)
        Batch->TransferNextImage();
    emit Changed();
}

void TConsoleViews::InsufficientMemory()
{
    TransferFailure =
        QCoreApplication::translate("TVexMainForm", "Insufficient Memory to Store Image. Transfer Aborted");
    if (Batch)
        Batch->Abort(TransferFailure);
    emit Changed();
}

void TConsoleViews::TransferFailed()
{
    TransferFailure =
        QCoreApplication::translate("TVexMainForm", "Image Transfer Failed. Operation Aborted.");
    if (Batch)
        Batch->Abort(TransferFailure);
    emit Changed();
}

void TConsoleViews::DeletionReported(quint8 reportNo)
{
    if (Deletion)
        Deletion->DeletionReported(reportNo);
    emit Changed();
}

void TConsoleViews::HideFlashWrite()
{
    FlashWriteDone = true;
    emit Changed();
}

void TConsoleViews::ShowMessage(const QString& text)
{
    Err() << text << Qt::endl;
}

std::optional<QString> TConsoleViews::OperatorTextRequest(const QString& prompt, const QString& text,
                                                          quint8 maxLength)
{
    Err() << "operator request \"" << prompt << "\" answered with \"" << text << "\"" << Qt::endl;
    return TNullStationViews::OperatorTextRequest(prompt, text, maxLength);
}

std::optional<QDate> TConsoleViews::OperatorDateRequest()
{
    const std::optional<QDate> date = TNullStationViews::OperatorDateRequest();
    Err() << "operator date request answered with " << date->toString(Qt::ISODate) << Qt::endl;
    return date;
}

std::optional<qint32> TConsoleViews::OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                            quint8 itemNumber)
{
    Err() << "operator numeric request for item " << itemNumber << " answered with " << value << Qt::endl;
    return TNullStationViews::OperatorNumericRequest(value, limitA, limitB, itemNumber);
}

void TConsoleViews::SetCoderStatus(quint16)
{
    StatusReported = true;
    emit Changed();
}

void TConsoleViews::ShowNoEthernetConnection()
{
    Err() << QCoreApplication::translate("TConnectionManager", "No Ethernet Connection") << Qt::endl;
}
