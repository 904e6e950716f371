#pragma once
// The radio's connection through rigctld: connecting (and starting rigctld when Vantor
// owns it), polling the frequency with one request in flight, reply timeouts, losing the
// radio and reconnecting with a growing pause, band following, tuning to a band chosen
// in the menu, and the keyer commands. Time comes from the clock; the owner calls tick()
// often (every 50 ms or so). Nothing here waits: a slow, silent or confused rigctld
// only changes the state and the message.

#include "core/Clock.h"
#include "station/radio/RadioSettings.h"
#include "station/radio/RigLink.h"
#include "station/radio/RigReply.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace vantor::radio {

enum class RadioState {
    Off,        // no radio set up
    Connecting, // the first connection (or rigctld starting)
    Connected,
    Lost, // the connection failed; a new attempt follows by itself
};

class RadioController {
public:
    static constexpr std::int64_t PollMs = 250;
    static constexpr std::int64_t ReplyTimeoutMs = 1000;
    static constexpr std::int64_t MorseTimeoutMs = 10000; // a radio may answer when sent
    static constexpr std::int64_t OpenTimeoutMs = 3000;
    static constexpr std::int64_t StartupMs = 3000; // a starting rigctld may refuse a while
    static constexpr std::int64_t MaxRetryMs = 5000;

    RadioController(RigLink& link, RigDaemon& daemon, const Clock& clock);
    ~RadioController();
    RadioController(const RadioController&) = delete;
    RadioController& operator=(const RadioController&) = delete;

    void start(const RadioSettings& settings);
    void stop();
    void tick();

    // A band chosen in the band menu: the radio goes to that band's last frequency (or
    // a usual one for the mode) unless it is on that band already.
    void bandChosen(const std::string& code, bool phone);

    // The radio's keyer and PTT; each returns at once. Refused while not connected.
    bool sendMorse(const std::string& text);
    void stopMorse();
    void setKeySpeed(int wpm);
    void setPtt(bool transmit);

    RadioState state() const { return state_; }
    // The radio's frequency in Hz; 0 while unknown (not connected, no answer yet).
    std::int64_t frequencyHz() const { return state_ == RadioState::Connected ? hz_ : 0; }
    const RadioSettings& settings() const { return settings_; }
    // The status line: state, frequency and what went wrong.
    std::string statusText() const;
    // Beside the band: the frequency, or the state while there is none.
    std::string frequencyText() const;

    // The band the program is on now (the band menu's check mark).
    std::function<std::string()> currentBand;
    // The radio moved to another contest band: apply it as the band menu does.
    std::function<void(const std::string&)> onBand;
    // The last frequencies per band changed in a way worth keeping.
    std::function<void()> onSave;

private:
    enum class Kind { Poll, Tune, Morse, Stop, Speed, Ptt };
    struct Command {
        Kind kind;
        std::string line;
        std::int64_t hz = 0;
        int generation = 0;
    };

    RigLink& link_;
    RigDaemon& daemon_;
    const Clock& clock_;
    RadioSettings settings_;
    RadioState state_ = RadioState::Off;
    LineSplitter splitter_;
    std::deque<Command> queue_;
    std::optional<Command> inFlight_;
    std::int64_t sentAt_ = 0;
    std::int64_t lastPollAt_ = 0;
    bool opening_ = false;
    std::int64_t openedAt_ = 0;
    bool daemonRunning_ = false;
    int daemonPort_ = 0;
    std::int64_t daemonStartedAt_ = 0;
    int failures_ = 0;
    std::int64_t retryAt_ = 0;
    std::int64_t hz_ = 0;
    std::string why_;
    std::string pollNote_;
    std::string keyerNote_;
    std::string portNote_; // what our rigctld said of the radio's port
    int generation_ = 0;
    int speed_ = 0;
    bool applying_ = false;

    std::int64_t now() const { return clock_.utcMs(); }
    void connect();
    void opened();
    void closed(const std::string& why);
    void received(std::string_view bytes);
    void answer(const std::string& line);
    void fail(const std::string& why);
    void pump();
    void send(Command c);
    void push(Command c, bool front);
    void drop(Kind kind);
    void reading(std::int64_t hz, int generation);
    std::string address() const;
};

} // namespace vantor::radio
