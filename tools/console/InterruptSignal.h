#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl-C (SIGINT) and SIGTERM as a Qt signal, delivered by the event loop. The signal handler only
// writes a byte to a pipe; a socket notifier on the pipe's other end emits Interrupted. One at a time;
// the former handlers come back when it is destroyed.
class TInterruptSignal : public QObject
{
    Q_OBJECT

public:
    explicit TInterruptSignal(QObject* parent = nullptr);
    ~TInterruptSignal() override;

signals:
    void Interrupted();

private:
    void OnReadable();

    QSocketNotifier* m_notifier = nullptr;
};
