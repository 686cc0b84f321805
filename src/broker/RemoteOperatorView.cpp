#include "broker/RemoteOperatorView.h"

#include "comm/XLMessage.h"
#include "station/NumericRequest.h"

#include <QEventLoop>
#include <QTimer>

TRemoteOperatorView::~TRemoteOperatorView()
{
    EndWaits();
}

template <typename Answer, typename AskWindow>
std::optional<Answer> TRemoteOperatorView::Ask(quint64 printer, TRequest request, AskWindow askWindow)
{
    TRequest* const outer = m_open.value(printer);
    m_open.insert(printer, &request);
    std::optional<Answer> answer;
    if (m_mode == TMode::Operator) {
        answer = askWindow();
    } else if (m_answerWaitMs > 0) {
        QEventLoop wait;
        request.Wait = &wait;
        QTimer::singleShot(m_answerWaitMs, &wait, &QEventLoop::quit);
        wait.exec();
        request.Wait = nullptr;
    }
    if (request.Remote.isValid())
        answer = request.Remote.value<Answer>();
    if (outer)
        m_open.insert(printer, outer);
    else
        m_open.remove(printer);
    return answer;
}

std::optional<QString> TRemoteOperatorView::OperatorTextRequest(quint64 printer, const QString& prompt,
                                                                const QString& text, quint8 maxLength)
{
    TRequest request;
    request.MaxLength = maxLength;
    return Ask<QString>(printer, request,
                        [&] { return m_windows.OperatorTextRequest(printer, prompt, text, maxLength); });
}

std::optional<QDate> TRemoteOperatorView::OperatorDateRequest(quint64 printer)
{
    TRequest request;
    request.Kind = TRequest::TKind::Date;
    return Ask<QDate>(printer, request, [&] { return m_windows.OperatorDateRequest(printer); });
}

std::optional<qint32> TRemoteOperatorView::OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA,
                                                                  qint32 limitB, quint8 itemNumber)
{
    TRequest request;
    request.Kind = TRequest::TKind::Number;
    request.Value = value;
    request.LimitA = limitA;
    request.LimitB = limitB;
    return Ask<qint32>(printer, request, [&] {
        return m_windows.OperatorNumericRequest(printer, value, limitA, limitB, itemNumber);
    });
}

// The windows' rules: the text field takes at most the printer's length in characters a printer's
// string can carry; the numeric field 1 to 8 digits between the limits; the date field a real date.
QString TRemoteOperatorView::Check(const TRequest& request, const QJsonValue& answer, QVariant& value)
{
    switch (request.Kind) {
    case TRequest::TKind::Text: {
        const QString text = answer.toString();
        if (!answer.isString() || TXLMessage::FirstNonWireCharacter(text) ||
            std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
            return QStringLiteral("the printer asks for a text of characters it can take");
        if (request.MaxLength > 0 && text.size() > request.MaxLength)
            return QStringLiteral("the printer takes at most %1 characters").arg(request.MaxLength);
        value = text;
        return {};
    }
    case TRequest::TKind::Date: {
        const QDate date = QDate::fromString(answer.toString(), Qt::ISODate);
        if (!answer.isString() || !date.isValid() || answer.toString().size() != 10)
            return QStringLiteral("the printer asks for a date, YYYY-MM-DD");
        value = date;
        return {};
    }
    case TRequest::TKind::Number: {
        const double number = answer.toDouble(-1);
        constexpr double MaxEntry = 99999999; // the field's 8 digits
        const TNumericRequest rule(request.Value, request.LimitA, request.LimitB, 0);
        if (!answer.isDouble() || number < 0 || number > MaxEntry || number != double(qint32(number)))
            return QStringLiteral("the printer asks for a whole number of 1 to 8 digits");
        if (!rule.Accepts(qint32(number)))
            return QStringLiteral("the printer does not take %1 (limits %2 and %3, the first not included)")
                .arg(qint32(number))
                .arg(request.LimitA)
                .arg(request.LimitB);
        value = qint32(number);
        return {};
    }
    }
    return {};
}

QString TRemoteOperatorView::Answer(quint64 printer, const QJsonValue& answer)
{
    TRequest* request = m_open.value(printer);
    if (!request || request->Remote.isValid())
        return QStringLiteral("the printer has no operator request open");
    QVariant value;
    if (QString refusal = Check(*request, answer, value); !refusal.isEmpty())
        return refusal;
    request->Remote = value;
    if (request->Wait)
        request->Wait->quit();
    else
        m_windows.CloseOperatorRequests(printer);
    return {};
}

void TRemoteOperatorView::CloseOperatorRequests(quint64 printer)
{
    if (TRequest* request = m_open.value(printer); request && request->Wait)
        request->Wait->quit();
    if (m_mode == TMode::Operator)
        m_windows.CloseOperatorRequests(printer);
}

void TRemoteOperatorView::EndWaits()
{
    for (TRequest* request : std::as_const(m_open))
        if (request->Wait)
            request->Wait->quit();
}
