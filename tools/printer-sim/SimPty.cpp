#include "SimPty.h"

#include "PrinterLink.h"
#include "SimPrinter.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

TSimPty::TSimPty(TSimPrinter& printer, QObject* parent) : QObject(parent), m_printer(printer) {}

TSimPty::~TSimPty()
{
    Close();
}

bool TSimPty::Open()
{
    char path[256] = {};
    if (openpty(&m_master, &m_slave, path, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Raw: no echo, no line editing, no translation of bytes; the station sets its own mode on open.
    termios mode{};
    tcgetattr(m_slave, &mode);
    cfmakeraw(&mode);
    tcsetattr(m_slave, TCSANOW, &mode);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(path);

    m_link = new TPrinterLink(
        QStringLiteral("pty ") + m_slavePath, 0, [this](const QByteArray& bytes) { Write(bytes); },
        m_printer.Faults(), this);
    m_printer.AddLink(m_link);
    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TSimPty::OnReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &TSimPty::OnWritable);
    return true;
}

void TSimPty::Close()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = m_writeNotifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

void TSimPty::OnReadable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count > 0) {
            m_link->ProcessBytes(QByteArrayView(buffer, count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        return; // EAGAIN: all read
    }
}

void TSimPty::Write(const QByteArray& bytes)
{
    if (m_master < 0)
        return;
    if (m_pending.size() + bytes.size() > MaxPendingBytes)
        return;
    m_pending.append(bytes);
    OnWritable();
}

void TSimPty::OnWritable()
{
    while (!m_pending.isEmpty()) {
        const ssize_t written = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (written > 0) {
            m_pending.remove(0, written);
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: the slave's input queue is full; go on when it has room
    }
    m_writeNotifier->setEnabled(!m_pending.isEmpty());
}
