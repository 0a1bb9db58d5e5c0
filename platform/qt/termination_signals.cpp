#include "platform/qt/termination_signals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace vortelia {

#ifdef Q_OS_UNIX
namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t received = 0;
constexpr int handled[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void onTerminationSignal(int signal) {
    if (received)
        ::_exit(128 + signal); // asked twice: no second closing sequence
    received = signal;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(pipeEnds[0], &byte, 1);
        notifier_->setEnabled(false);
        onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : handled)
        ::sigaction(signal, &action, nullptr);
    // A diagnostic line to a reader that has gone (the launcher's pipe, a closed terminal) must not
    // end the game.
    std::signal(SIGPIPE, SIG_IGN);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_)
        return;
    for (int signal : handled)
        std::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
    received = 0;
}

#else

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {}
TerminationSignals::~TerminationSignals() = default;

#endif

} // namespace vortelia
