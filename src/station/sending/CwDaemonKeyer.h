#pragma once
// The keyer as cwdaemon offers it: UDP datagrams, plain text to send and escape
// requests for the rest (Escape "2" and the words a minute, Escape "4" to abort). The
// socket is behind DatagramPort, so the protocol is tested without one.

#include "station/KeyerPort.h"

#include <string>

namespace vantor {

class DatagramPort {
public:
    virtual ~DatagramPort() = default;
    // Sends one datagram; returns at once.
    virtual void sendDatagram(const std::string& bytes) = 0;
};

inline constexpr char CwDaemonEscape = '\x1b';

class CwDaemonKeyer final : public KeyerPort {
public:
    explicit CwDaemonKeyer(DatagramPort& socket) : socket_(socket) {}
    void send(const std::string& text) override;
    void abort() override;
    void setSpeed(int wpm) override;

private:
    DatagramPort& socket_;
};

// Milliseconds that text takes in Morse at wpm words a minute (PARIS timing: a dot is
// 1200/wpm ms; a character we have no code for counts as a word space).
long long morseMillis(const std::string& text, int wpm);

} // namespace vantor
