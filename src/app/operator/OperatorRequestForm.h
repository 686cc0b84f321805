#pragma once

#include <QDialog>

// What the three operator request windows share: a printer's request is a modal wait for the
// operator's answer, inside the handling of the printer's message. However the operator closes the
// window, the printer gets an answer; only the station withdraws a request without one (its printer
// ended the connection).
class TOperatorRequestForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOperatorRequestForm(QWidget* parent = nullptr);

    // From the request until the wait has returned, which may be later than the window closed: a
    // request that came meanwhile waits inside this one.
    bool IsAsking() const { return m_asking; }
    // Closes the window without an answer and ends its wait.
    void Withdraw();

protected:
    // Shows the window modally; false when the request was withdrawn.
    bool WaitForAnswer();

private:
    bool m_asking = false;
    bool m_withdrawn = false;
};
