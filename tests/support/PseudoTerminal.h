#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair: the station opens the device (the slave side) as its serial port, the test
// plays the printer on the master side. Both sides are raw: bytes pass unchanged.
class TPseudoTerminal
{
public:
    TPseudoTerminal();
    ~TPseudoTerminal();
    TPseudoTerminal(const TPseudoTerminal&) = delete;
    TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

    bool IsValid() const { return m_master >= 0; }
    const QString& Device() const { return m_device; }

    void Write(const QByteArray& bytes);
    // Whatever the station wrote, waiting while events are processed until at least minBytes have
    // come or the timeout has passed.
    QByteArray Read(int minBytes, int timeoutMs);

private:
    int m_master = -1;
    int m_slave = -1; // kept open so the master side does not see a hang-up between station opens
    QString m_device;
};
