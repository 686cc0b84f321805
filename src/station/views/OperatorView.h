#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The operator request windows and the message window as the station sees them.
//
// A request waits for the operator (a nested event loop) and returns the answer, or nothing when its
// window was closed without one; no implementation answers by default. Each request names the
// printer that asks (its channel's id): several printers may ask at once.
class TOperatorView
{
public:
    virtual ~TOperatorView() = default;

    // The message window: a new text replaces the last; never waits.
    virtual void ShowMessage(const QString& text) = 0;
    virtual std::optional<QString> OperatorTextRequest(quint64 printer, const QString& prompt,
                                                       const QString& text, quint8 maxLength) = 0;
    virtual std::optional<QDate> OperatorDateRequest(quint64 printer) = 0;
    virtual std::optional<qint32> OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA,
                                                         qint32 limitB, quint8 itemNumber) = 0;
    // The printer went: its open request windows close, their waits end without an answer. The
    // requests of other printers stay.
    virtual void CloseOperatorRequests(quint64 printer) = 0;
};
