#pragma once
// Logout, shutdown and kill (SIGTERM, SIGHUP) end the program the way File > Exit
// does, so a running operating-time clock is stopped and recorded first. The signal
// handler only writes a byte to a socket pair; the event loop reads it and runs the
// exit on the one thread, where the files may be written. A second signal, while the
// first is still waiting for the event loop, ends the program at once.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace vantor::app {

class SignalExit : public QObject {
public:
    explicit SignalExit(std::function<void()> handler);
    ~SignalExit() override;
    SignalExit(const SignalExit&) = delete;
    SignalExit& operator=(const SignalExit&) = delete;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vantor::app
