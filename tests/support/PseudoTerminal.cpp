#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

TPseudoTerminal::TPseudoTerminal()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios raw{};
    tcgetattr(m_master, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_master, TCSANOW, &raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_device = QString::fromLocal8Bit(name);
}

TPseudoTerminal::~TPseudoTerminal()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

void TPseudoTerminal::Write(const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0)
            written += n;
        else
            QThread::msleep(1);
    }
}

QByteArray TPseudoTerminal::Read(int minBytes, int timeoutMs)
{
    QByteArray received;
    const QDeadlineTimer deadline(timeoutMs);
    while (received.size() < minBytes && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd fd{m_master, POLLIN, 0};
        if (::poll(&fd, 1, 5) > 0 && (fd.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                received.append(buffer, n);
        }
    }
    return received;
}
