#include "ConsoleViews.h"

#include "platform/StationClock.h"

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

void TConsoleViews::SetCoderStatus(quint16)
{
    StatusReported = true;
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

void TConsoleViews::ShowNoEthernetConnection()
{
    Err() << QCoreApplication::translate("TConnectionManager", "No Ethernet Connection") << Qt::endl;
}

void TConsoleViews::UpdateImageList(const QStringList&)
{
    ImageListReceived = true;
    emit Changed();
}

void TConsoleViews::ShowTransferFile(const QString& fileName, const QString& imageName)
{
    m_fileName = fileName;
    m_lastPercent = -1;
    if (!imageName.isEmpty())
        Err() << "sending " << fileName << " as image " << imageName << Qt::endl;
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

bool TConsoleViews::ConfirmOverwrite(const QString& imageName)
{
    if (!Overwrite) {
        Err() << m_fileName << ": IMAGE " << imageName << " EXISTS, not overwritten (use --overwrite)"
              << Qt::endl;
        ++Skipped;
    }
    return Overwrite;
}

bool TConsoleViews::ConfirmUnreadableBarcode(int itemNumber, const QString& reason)
{
    Err() << m_fileName << ": BARCODE OF ITEM " << itemNumber << " DOES NOT READ BACK (" << reason
          << "), not sent" << Qt::endl;
    ++Skipped;
    return false;
}

// Every line names its file; most of the station's refusals do so themselves.
void TConsoleViews::ShowFileRefused(const QString& text)
{
    if (text.contains(m_fileName, Qt::CaseInsensitive))
        Err() << text << Qt::endl;
    else
        Err() << m_fileName << ": " << text << Qt::endl;
    ++Skipped;
}

void TConsoleViews::ShowBatchAborted(const QString& text)
{
    TransferFailure = text;
    Err() << text << Qt::endl;
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

std::optional<QString> TConsoleViews::OperatorTextRequest(const QString& prompt, const QString& text, quint8)
{
    Err() << "operator request \"" << prompt << "\" answered with \"" << text << "\"" << Qt::endl;
    return text;
}

std::optional<QDate> TConsoleViews::OperatorDateRequest()
{
    const QDate today = StationClock::Now().date();
    Err() << "operator date request answered with " << today.toString(Qt::ISODate) << Qt::endl;
    return today;
}

std::optional<qint32> TConsoleViews::OperatorNumericRequest(qint32 value, qint32, qint32, quint8 itemNumber)
{
    Err() << "operator numeric request for item " << itemNumber << " answered with " << value << Qt::endl;
    return value;
}
