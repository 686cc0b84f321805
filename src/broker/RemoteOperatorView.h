#pragma once

#include "station/views/OperatorView.h"

#include <QHash>
#include <QJsonValue>
#include <QVariant>

class QEventLoop;

// The operator request windows as the station sees them when a remote client may answer too. It
// stands between the station and the views of the program:
// - with an operator (vex), each request goes to the program's window as ever; a remote answer the
//   window would take closes the window and is the answer;
// - without one (vexd), a request waits up to a bounded time for a remote answer and is then left
//   unanswered, as closing its window without an answer leaves it (the printer gets no reply); with
//   no wait at all it is left unanswered at once.
// A remote answer is checked as the window checks an entry; one the window would not take is refused
// and the request stays open.
class TRemoteOperatorView : public TOperatorView
{
public:
    enum class TMode
    {
        Operator,
        NoOperator,
    };

    TRemoteOperatorView(TOperatorView& windows, TMode mode) : m_windows(windows), m_mode(mode) {}
    ~TRemoteOperatorView() override;

    // How long a request waits for a remote answer without an operator; 0: not at all.
    void SetAnswerWaitMs(int ms) { m_answerWaitMs = ms; }
    bool HasOpenRequest(quint64 printer) const { return m_open.contains(printer); }
    // The remote answer to the printer's open request: empty when it is the answer, otherwise why not.
    QString Answer(quint64 printer, const QJsonValue& answer);
    // Every wait ends unanswered: the program closes.
    void EndWaits();

    void ShowMessage(const QString& text) override { m_windows.ShowMessage(text); }
    std::optional<QString> OperatorTextRequest(quint64 printer, const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest(quint64 printer) override;
    std::optional<qint32> OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void CloseOperatorRequests(quint64 printer) override;

private:
    struct TRequest
    {
        enum class TKind
        {
            Text,
            Date,
            Number
        } Kind = TKind::Text;
        quint8 MaxLength = 0;
        qint32 Value = 0;
        qint32 LimitA = 0;
        qint32 LimitB = 0;
        QVariant Remote;           // the remote answer, once given
        QEventLoop* Wait = nullptr; // without an operator
    };

    template <typename Answer, typename AskWindow>
    std::optional<Answer> Ask(quint64 printer, TRequest request, AskWindow askWindow);
    static QString Check(const TRequest& request, const QJsonValue& answer, QVariant& value);

    TOperatorView& m_windows;
    TMode m_mode;
    int m_answerWaitMs = 0;
    QHash<quint64, TRequest*> m_open; // the newest open request of each printer
};
