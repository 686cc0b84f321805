#include "SimPty.h"

#include "PrinterLink.h"
#include "SimLogging.h"
#include "SimPrinter.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

TSimPty::TSimPty(TSimPrinter& printer, QObject* parent) : QObject(parent), m_printer(printer)
{
    m_watchTimer.setInterval(WatchIntervalMs);
    connect(&m_watchTimer, &QTimer::timeout, this, &TSimPty::WatchForStation);
}

TSimPty::~TSimPty()
{
    EndSession();
    if (m_master >= 0)
        ::close(m_master);
}

bool TSimPty::Open()
{
    int slave = -1;
    char path[256] = {};
    if (openpty(&m_master, &slave, path, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Raw: no echo, no line editing, no translation of bytes. The mode stays with the terminal after
    // the slave is closed, until the station sets its own.
    termios mode{};
    tcgetattr(slave, &mode);
    cfmakeraw(&mode);
    tcsetattr(slave, TCSANOW, &mode);
    ::close(slave);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(path);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    m_readNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TSimPty::OnReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &TSimPty::OnWritable);
    m_watchTimer.start();
    return true;
}

void TSimPty::WatchForStation()
{
    pollfd master{m_master, POLLIN, 0};
    if (::poll(&master, 1, 0) < 0 || (master.revents & POLLHUP))
        return; // nobody has the slave open
    StartSession();
}

void TSimPty::StartSession()
{
    qCDebug(lcSim) << "station opened" << m_slavePath;
    m_watchTimer.stop();
    m_link = new TPrinterLink(
        QStringLiteral("pty ") + m_slavePath, 0, [this](const QByteArray& bytes) { Write(bytes); },
        m_printer.Faults(), this);
    m_printer.AddLink(m_link);
    m_readNotifier->setEnabled(true);
}

void TSimPty::EndSession()
{
    if (m_link)
        qCDebug(lcSim) << "station closed" << m_slavePath;
    delete m_link;
    m_link = nullptr;
    m_pending.clear();
    if (m_readNotifier) {
        m_readNotifier->setEnabled(false);
        m_writeNotifier->setEnabled(false);
        m_watchTimer.start();
    }
}

void TSimPty::OnReadable()
{
    char buffer[4096];
    while (m_link) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count > 0) {
            m_link->ProcessBytes(QByteArrayView(buffer, count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return;   // all read
        EndSession(); // EIO: the station closed the port
    }
}

void TSimPty::Write(const QByteArray& bytes)
{
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
        if (written < 0 && errno != EAGAIN)
            m_pending.clear(); // the station closed the port: the bytes are lost, as on a line
        break;                 // or the slave's input queue is full: go on when it has room
    }
    m_writeNotifier->setEnabled(!m_pending.isEmpty());
}
