#include "ui/app/StopSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace brivon::ui {

namespace {

// The write end of the pair; the handler may only make async-signal-safe calls.
int signalWriteFd = -1;
int signalReadFd = -1;

void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalWriteFd, &byte, 1);
}

}  // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return;
    signalWriteFd = pair[0];
    signalReadFd = pair[1];
    notifier_ = new QSocketNotifier(signalReadFd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalReadFd, &byte, 1);
        emit stopRequested();
    });
    struct sigaction action { };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

StopSignals::~StopSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    delete notifier_;
    if (signalWriteFd >= 0) ::close(signalWriteFd);
    if (signalReadFd >= 0) ::close(signalReadFd);
    signalWriteFd = signalReadFd = -1;
}

}  // namespace brivon::ui
