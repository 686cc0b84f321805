#include "app/operator/OperatorWindows.h"

#include "app/operator/MessageForm.h"
#include "app/operator/OperatorDateForm.h"
#include "app/operator/OperatorNumericForm.h"
#include "app/operator/OpreqTextForm.h"
#include "station/Station.h"

#include <algorithm>

TOperatorWindows::TOperatorWindows()
    : m_textForm(std::make_unique<TOpreqTextForm>()), m_dateForm(std::make_unique<TOperatorDateForm>()),
      m_numericForm(std::make_unique<TOperatorNumericForm>()), m_messageForm(std::make_unique<TMessageForm>())
{}

TOperatorWindows::~TOperatorWindows() = default;

void TOperatorWindows::Attach(TStation& station)
{
    m_station = &station;
}

void TOperatorWindows::ReloadWindowTexts()
{
    m_textForm->ReloadWindowTexts();
    m_dateForm->ReloadWindowTexts();
    m_numericForm->ReloadWindowTexts();
    m_messageForm->ReloadWindowTexts();
}

void TOperatorWindows::ShowMessage(const QString& text)
{
    m_messageForm->ShowMessage(text);
}

// The window made at start-up asks, unless it is waiting already; then a window made for this
// request does, and goes when its wait has returned. The window holds the "Connections" window
// disabled while it is open: a later request may wait inside this one after it has closed.
template <typename Form, typename Ask>
auto TOperatorWindows::Request(quint64 printer, std::unique_ptr<Form>& standing, Ask ask)
{
    std::unique_ptr<Form> own;
    Form* form = standing.get();
    if (form->IsAsking()) {
        own = std::make_unique<Form>();
        form = own.get();
    }
    const QMetaObject::Connection closed =
        QObject::connect(form, &QDialog::finished, form, [this, form] { SetManagerEnabledBy(form, true); });
    SetManagerEnabledBy(form, false);
    m_asking.append({form, printer});
    auto answer = ask(*form);
    m_asking.removeIf([form](const TAsking& asking) { return asking.Form == form; });
    QObject::disconnect(closed);
    SetManagerEnabledBy(form, true);
    return answer;
}

void TOperatorWindows::SetManagerEnabledBy(const TOperatorRequestForm* form, bool enabled)
{
    if (m_station)
        m_station->Manager().SetEnabled(form, enabled);
}

std::optional<QString> TOperatorWindows::OperatorTextRequest(quint64 printer, const QString& prompt,
                                                             const QString& text, quint8 maxLength)
{
    return Request(printer, m_textForm, [&](TOpreqTextForm& form) { return form.Ask(prompt, text, maxLength); });
}

std::optional<QDate> TOperatorWindows::OperatorDateRequest(quint64 printer)
{
    return Request(printer, m_dateForm, [](TOperatorDateForm& form) { return form.Ask(); });
}

std::optional<qint32> TOperatorWindows::OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA,
                                                               qint32 limitB, quint8 itemNumber)
{
    return Request(printer, m_numericForm, [&](TOperatorNumericForm& form) {
        return form.Ask(TNumericRequest(value, limitA, limitB, itemNumber));
    });
}

// The printer went: its open request windows close unanswered; other printers' stay. A copy of the
// list: each closing may run further events.
void TOperatorWindows::CloseOperatorRequests(quint64 printer)
{
    const QList<TAsking> asking = m_asking;
    for (const TAsking& request : asking) {
        const bool stillAsking = std::any_of(m_asking.begin(), m_asking.end(),
                                             [&request](const TAsking& a) { return a.Form == request.Form; });
        if (request.Printer == printer && stillAsking)
            request.Form->Withdraw();
    }
}
