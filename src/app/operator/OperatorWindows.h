#pragma once

#include "app/StationWindow.h"
#include "station/views/OperatorView.h"

#include <QList>
#include <QPointer>

#include <memory>

class TMessageForm;
class TOperatorDateForm;
class TOperatorNumericForm;
class TOperatorRequestForm;
class TOpreqTextForm;

// The printers' operator requests and the message window. Each request waits for the operator in
// its window, modally; the "Connections" window is disabled while any request window is open.
// Several printers may ask at once: a request of a kind whose window is still waiting gets a window
// of its own for as long as it waits. A printer that goes takes its own requests with it.
class TOperatorWindows : public TOperatorView, public TStationWindow
{
public:
    TOperatorWindows();
    ~TOperatorWindows() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    void ShowMessage(const QString& text) override;
    std::optional<QString> OperatorTextRequest(quint64 printer, const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest(quint64 printer) override;
    std::optional<qint32> OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void CloseOperatorRequests(quint64 printer) override;

    TMessageForm& MessageForm() { return *m_messageForm; }

private:
    // A request window whose wait is on the stack, and the printer that asked.
    struct TAsking
    {
        TOperatorRequestForm* Form;
        quint64 Printer;
    };

    template <typename Form, typename Ask>
    auto Request(quint64 printer, std::unique_ptr<Form>& standing, Ask ask);
    void SetManagerEnabledBy(const TOperatorRequestForm* form, bool enabled);

    QPointer<TStation> m_station;
    std::unique_ptr<TOpreqTextForm> m_textForm;
    std::unique_ptr<TOperatorDateForm> m_dateForm;
    std::unique_ptr<TOperatorNumericForm> m_numericForm;
    std::unique_ptr<TMessageForm> m_messageForm;
    QList<TAsking> m_asking;
};
