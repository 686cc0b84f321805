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
// of its own for as long as it waits.
class TOperatorWindows : public TOperatorView, public TStationWindow
{
public:
    TOperatorWindows();
    ~TOperatorWindows() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    void ShowMessage(const QString& text) override;
    std::optional<QString> OperatorTextRequest(const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest() override;
    std::optional<qint32> OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void CloseOperatorRequests() override;

    TMessageForm& MessageForm() { return *m_messageForm; }

private:
    template <typename Form, typename Ask> auto Request(std::unique_ptr<Form>& standing, Ask ask);
    void SetManagerEnabledBy(const TOperatorRequestForm* form, bool enabled);

    QPointer<TStation> m_station;
    std::unique_ptr<TOpreqTextForm> m_textForm;
    std::unique_ptr<TOperatorDateForm> m_dateForm;
    std::unique_ptr<TOperatorNumericForm> m_numericForm;
    std::unique_ptr<TMessageForm> m_messageForm;
    QList<TOperatorRequestForm*> m_asking; // every request window whose wait is on the stack
};
