#pragma once
// The ports between the radio logic and the system: a line connection to rigctld, and
// the rigctld process Vantor starts itself. Every call returns at once; what happens
// later arrives through the callbacks, on the one thread, from the event loop.

#include <string>
#include <string_view>

#include <functional>

namespace vantor::radio {

class RigLink {
public:
    virtual ~RigLink() = default;
    // Starts connecting; onOpened or onClosed follows. An open link is closed first.
    virtual void open(const std::string& host, int port) = 0;
    // Closes without a callback.
    virtual void close() = 0;
    virtual void write(std::string_view bytes) = 0;

    std::function<void()> onOpened;
    std::function<void(std::string_view)> onData;
    // The connection failed or ended; why in plain words ("connection refused").
    std::function<void(const std::string&)> onClosed;
};

struct RigDaemonOptions {
    std::string program;
    int model = 1;
    std::string device;
    int speed = 9600;
};

class RigDaemon {
public:
    virtual ~RigDaemon() = default;
    // Starts rigctld listening on 127.0.0.1; onStarted tells the port, or onEnded why not.
    virtual void start(const RigDaemonOptions& options) = 0;
    // Ends it without a callback.
    virtual void stop() = 0;

    std::function<void(int port)> onStarted;
    std::function<void(const std::string&)> onEnded;
    // Running, it said why it cannot reach the radio ("cannot open the serial port").
    std::function<void(const std::string&)> onProblem;
};

} // namespace vantor::radio
