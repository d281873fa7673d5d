#include "app/terminationwatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tabulet::app {

namespace {

// A closed terminal (SIGHUP) and Ctrl+\ (SIGQUIT) would otherwise end the program without saving.
constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// The write end is used from the signal handler: only async-signal-safe calls there.
int g_signalSockets[2] = {-1, -1};

void onTerminationSignal(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(g_signalSockets[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::readSignal);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kTerminationSignals)
        sigaction(signalNumber, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    for (const int signalNumber : kTerminationSignals)
        signal(signalNumber, SIG_DFL);
    for (int &socket : g_signalSockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

void TerminationWatcher::readSignal()
{
    char byte = 0;
    [[maybe_unused]] const auto readBytes = ::read(g_signalSockets[1], &byte, 1);
    m_requested = true;
    emit terminationRequested();
}

} // namespace tabulet::app
