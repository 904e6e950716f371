#include "app/SignalExit.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vantor::app {

namespace {

int wakeFds[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop
constexpr int Signals[] = {SIGTERM, SIGHUP};

void onSignal(int sig) {
    const int saved = errno;
    // Only async-signal-safe calls here. The next such signal takes its default.
    std::signal(sig, SIG_DFL);
    const char byte = static_cast<char>(sig);
    if (::write(wakeFds[0], &byte, 1) < 0) {
        // The event loop will not hear of it; the default action of a second signal
        // still ends the program.
    }
    errno = saved;
}

} // namespace

SignalExit::SignalExit(std::function<void()> handler) : onSignal_(std::move(handler)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0)
        return; // the signals keep their default: the program ends as before
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(wakeFds[1], bytes, sizeof bytes) > 0) {
        }
        if (onSignal_)
            onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : Signals)
        ::sigaction(sig, &action, nullptr);
}

SignalExit::~SignalExit() {
    for (const int sig : Signals)
        std::signal(sig, SIG_DFL);
    delete notifier_;
    for (int& fd : wakeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace vantor::app
