#include "SimPty.h"

#include "PrinterLink.h"
#include "SimLinePacer.h"
#include "SimLogging.h"
#include "SimPrinter.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
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
    if (!OpenPacers())
        return false;
    m_watchTimer.start();
    return true;
}

// On a paced line the station's bytes stay in the pseudo-terminal until the line has carried them,
// so a station that writes faster than the line waits as it would at a real port.
bool TSimPty::OpenPacers()
{
    if (m_baud <= 0)
        return true;
    m_fromStation = new TSimLinePacer(
        m_baud, [this] { return BytesFromStation(); }, [this](qint64 n) { return ReadFromStation(n); }, this);
    m_toStation = new TSimLinePacer(
        m_baud, [this] { return qint64(m_onLine.size()); }, [this](qint64 n) { return PassToStation(n); },
        this);
    if (!m_fromStation->IsValid() || !m_toStation->IsValid()) {
        m_error =
            QStringLiteral("no timer to pace the line: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    connect(m_fromStation, &TSimLinePacer::Drained, this, [this] {
        if (m_link)
            m_readNotifier->setEnabled(true);
    });
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
    m_onLine.clear();
    for (TSimLinePacer* pacer : {m_fromStation, m_toStation})
        if (pacer)
            pacer->Reset();
    if (m_readNotifier) {
        m_readNotifier->setEnabled(false);
        m_writeNotifier->setEnabled(false);
        m_watchTimer.start();
    }
}

void TSimPty::OnReadable()
{
    if (m_fromStation && BytesFromStation() > 0) {
        m_readNotifier->setEnabled(false); // until the line has carried what waits
        m_fromStation->Kick();
        return;
    }
    ReadFromStation(std::numeric_limits<qint64>::max());
}

qint64 TSimPty::BytesFromStation() const
{
    int count = 0;
    return ::ioctl(m_master, FIONREAD, &count) == 0 ? count : 0;
}

qint64 TSimPty::ReadFromStation(qint64 maxBytes)
{
    char buffer[4096];
    qint64 taken = 0;
    while (m_link && taken < maxBytes) {
        const ssize_t count =
            ::read(m_master, buffer, size_t(std::min<qint64>(maxBytes - taken, sizeof buffer)));
        if (count > 0) {
            taken += count;
            m_link->ProcessBytes(QByteArrayView(buffer, count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            break;    // all read
        EndSession(); // EIO: the station closed the port
    }
    return taken;
}

void TSimPty::Write(const QByteArray& bytes)
{
    if (m_pending.size() + m_onLine.size() + bytes.size() > MaxPendingBytes)
        return;
    if (m_toStation) {
        m_onLine.append(bytes);
        m_toStation->Kick();
        return;
    }
    m_pending.append(bytes);
    OnWritable();
}

qint64 TSimPty::PassToStation(qint64 maxBytes)
{
    const qsizetype count = qsizetype(std::min<qint64>(maxBytes, m_onLine.size()));
    m_pending.append(m_onLine.first(count));
    m_onLine.remove(0, count);
    OnWritable();
    return count;
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
