#pragma once
// What sending needs of a keyer or a radio, whoever provides it: cwdaemon, the
// radio's own keyer through Hamlib, the radio's PTT line. Each call returns at once;
// the text goes out while the operator goes on typing.

#include <string>

namespace vantor {

class KeyerPort {
public:
    virtual ~KeyerPort() = default;
    // Queues text to be sent in Morse, after whatever is still going out.
    virtual void send(const std::string& text) = 0;
    // Stops at once: what is going out and what is queued are dropped.
    virtual void abort() = 0;
    // Words a minute for what is sent from now on.
    virtual void setSpeed(int wpm) = 0;
};

class PttPort {
public:
    virtual ~PttPort() = default;
    virtual void setPtt(bool transmit) = 0;
};

} // namespace vantor
