#include "ConsoleViews.h"

#include "platform/StationClock.h"
#include "station/NumericRequest.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTextStream>

namespace {
QTextStream& Err()
{
    static QTextStream err(stderr);
    return err;
}

// Why the numeric window refuses an entry: the limit the printer sent first is not accepted itself.
QString NumericRule(qint32 limitA, qint32 limitB)
{
    if (limitA == limitB)
        return QStringLiteral("no entry is accepted when both limits are %1").arg(limitA);
    return limitB > limitA ? QStringLiteral("it must be above %1 and at most %2").arg(limitA).arg(limitB)
                           : QStringLiteral("it must be at least %1 and below %2").arg(limitB).arg(limitA);
}
} // namespace

TConsoleViews::TConsoleViews(bool progressBar) : m_progressBar(progressBar) {}

void TConsoleViews::Say(const QString& line)
{
    if (Output)
        Output(line);
    else
        Err() << line << Qt::endl;
}

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
    Say(QCoreApplication::translate("TConnectionManager", "No Ethernet Connection"));
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
        Say(QStringLiteral("sending %1 as image %2").arg(fileName, imageName));
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
        Say(QStringLiteral("%1: IMAGE %2 EXISTS, not overwritten (use --overwrite)").arg(m_fileName, imageName));
        ++Skipped;
    }
    return Overwrite;
}

bool TConsoleViews::ConfirmUnreadableBarcode(int itemNumber, const QString& reason)
{
    Say(QStringLiteral("%1: BARCODE OF ITEM %2 DOES NOT READ BACK (%3), not sent")
            .arg(m_fileName)
            .arg(itemNumber)
            .arg(reason));
    ++Skipped;
    return false;
}

// Every line names its file; most of the station's refusals do so themselves.
void TConsoleViews::ShowFileRefused(const QString& text)
{
    if (text.contains(m_fileName, Qt::CaseInsensitive))
        Say(text);
    else
        Say(m_fileName + QStringLiteral(": ") + text);
    ++Skipped;
}

void TConsoleViews::ShowBatchAborted(const QString& text)
{
    TransferFailure = text;
    Say(text);
    emit Changed();
}

void TConsoleViews::ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end)
{
    ItemRows = rows;
    ItemsEnd = end;
    emit Changed();
}

void TConsoleViews::SetParameters(const TXLMessage& parameterData)
{
    ParameterData = parameterData;
    emit Changed();
}

// The one printer the tool talks to asked for it.
void TConsoleViews::ShowPrinterClock(quint64, quint16 year, quint8 month, quint8 day, quint8 hour,
                                     quint8 minute)
{
    PrinterClock.emplace();
    PrinterClock->SetReported(year, month, day, hour, minute);
    emit Changed();
}

void TConsoleViews::ShowFlashWrite()
{
    emit FlashWriteShown(true);
    emit Changed();
}

void TConsoleViews::HideFlashWrite(bool written)
{
    FlashWriteDone = true;
    FlashWriteFailed = !written;
    emit FlashWriteShown(false);
    emit Changed();
}

void TConsoleViews::ShowMessage(const QString& text)
{
    if (ReportOnStandardError)
        Say(text);
    emit MessageShown(text);
}

void TConsoleViews::Report(const TOperatorAnswerReport& report)
{
    if (report.Refused)
        ++RefusedAnswers;
    if (ReportOnStandardError)
        Say(report.Text);
    emit OperatorRequestAnswered(report);
}

// The text window's edit line takes at most maxLength letters (0: any number).
std::optional<QString> TConsoleViews::OperatorTextRequest(quint64, const QString& prompt, const QString& text,
                                                          quint8 maxLength)
{
    const bool fits = Answers.Text && (maxLength == 0 || Answers.Text->size() <= maxLength);
    const QString answer = fits ? *Answers.Text : text;
    TOperatorAnswerReport report{
        QStringLiteral("operator request \"%1\" answered with \"%2\"").arg(prompt, answer),
        {{"kind", "text"}, {"prompt", prompt}, {"text", text}, {"maxLength", maxLength}, {"answer", answer}}};
    if (Answers.Text && !fits) {
        report.Refused = true;
        report.Text =
            QStringLiteral("operator request \"%1\": \"%2\" refused (it may have at most %3 letters), "
                           "answered with \"%4\"")
                .arg(prompt, *Answers.Text)
                .arg(maxLength)
                .arg(answer);
        report.Data.insert("refused", *Answers.Text);
    }
    Report(report);
    return answer;
}

std::optional<QDate> TConsoleViews::OperatorDateRequest(quint64)
{
    const QDate answer = Answers.Date.value_or(StationClock::Now().date());
    Report({QStringLiteral("operator date request answered with ") + answer.toString(Qt::ISODate),
            {{"kind", "date"}, {"answer", answer.toString(Qt::ISODate)}}});
    return answer;
}

std::optional<qint32> TConsoleViews::OperatorNumericRequest(quint64, qint32 value, qint32 limitA, qint32 limitB,
                                                            quint8 itemNumber)
{
    const bool accepted =
        Answers.Number && TNumericRequest(value, limitA, limitB, itemNumber).Accepts(*Answers.Number);
    const qint32 answer = accepted ? *Answers.Number : value;
    TOperatorAnswerReport report{
        QStringLiteral("operator numeric request for item %1 answered with %2").arg(itemNumber).arg(answer),
        {{"kind", "numeric"},
         {"item", itemNumber},
         {"value", value},
         {"limits", QJsonArray{limitA, limitB}},
         {"answer", answer}}};
    if (Answers.Number && !accepted) {
        report.Refused = true;
        report.Text =
            QStringLiteral("operator numeric request for item %1: %2 refused (%3), answered with %4")
                .arg(itemNumber)
                .arg(*Answers.Number)
                .arg(NumericRule(limitA, limitB))
                .arg(answer);
        report.Data.insert("refused", *Answers.Number);
    }
    Report(report);
    return answer;
}
