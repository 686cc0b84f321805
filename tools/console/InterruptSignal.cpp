#include "InterruptSignal.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int PipeEnds[2] = {-1, -1};
constexpr std::array<int, 2> Signals = {SIGINT, SIGTERM};
struct sigaction FormerActions[Signals.size()];

void OnSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(PipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TInterruptSignal::TInterruptSignal(QObject* parent) : QObject(parent)
{
    if (::pipe2(PipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe the signals keep their default: the program ends
    m_notifier = new QSocketNotifier(PipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TInterruptSignal::OnReadable);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < Signals.size(); ++i)
        sigaction(Signals[i], &action, &FormerActions[i]);
}

TInterruptSignal::~TInterruptSignal()
{
    if (!m_notifier)
        return;
    for (size_t i = 0; i < Signals.size(); ++i)
        sigaction(Signals[i], &FormerActions[i], nullptr);
    delete m_notifier;
    ::close(PipeEnds[0]);
    ::close(PipeEnds[1]);
    PipeEnds[0] = PipeEnds[1] = -1;
}

void TInterruptSignal::OnReadable()
{
    char bytes[16];
    while (::read(PipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    emit Interrupted();
}
