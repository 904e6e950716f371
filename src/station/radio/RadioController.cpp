#include "station/radio/RadioController.h"

#include "station/radio/BandPlan.h"

#include <algorithm>
#include <cctype>

namespace vantor::radio {

RadioController::RadioController(RigLink& link, RigDaemon& daemon, const Clock& clock)
    : link_(link), daemon_(daemon), clock_(clock) {
    link_.onOpened = [this] { opened(); };
    link_.onData = [this](std::string_view bytes) { received(bytes); };
    link_.onClosed = [this](const std::string& why) { closed(why); };
    daemon_.onStarted = [this](int port) {
        daemonRunning_ = true;
        daemonPort_ = port;
        daemonStartedAt_ = now();
        retryAt_ = now() + 200; // it needs a moment before it listens
    };
    daemon_.onEnded = [this](const std::string& why) {
        daemonRunning_ = false;
        portNote_.clear();
        fail("rigctld ended: " + why);
    };
    // Until the radio answers, this is why it does not.
    daemon_.onProblem = [this](const std::string& why) {
        if (state_ != RadioState::Off && hz_ == 0)
            portNote_ = why;
    };
}

RadioController::~RadioController() {
    link_.onOpened = nullptr;
    link_.onData = nullptr;
    link_.onClosed = nullptr;
    daemon_.onStarted = nullptr;
    daemon_.onEnded = nullptr;
    daemon_.onProblem = nullptr;
}

void RadioController::start(const RadioSettings& settings) {
    stop();
    settings_ = settings;
    failures_ = 0;
    if (settings_.mode == RadioMode::None)
        return;
    state_ = RadioState::Connecting;
    retryAt_ = now();
    connect();
}

void RadioController::stop() {
    const bool wasOn = state_ != RadioState::Off;
    link_.close();
    daemon_.stop();
    daemonRunning_ = false;
    opening_ = false;
    inFlight_.reset();
    queue_.clear();
    splitter_.clear();
    state_ = RadioState::Off;
    hz_ = 0;
    why_.clear();
    pollNote_.clear();
    keyerNote_.clear();
    portNote_.clear();
    if (wasOn && onSave)
        onSave();
}

std::string RadioController::address() const {
    if (settings_.mode == RadioMode::Own)
        return "127.0.0.1:" + std::to_string(daemonPort_);
    return settings_.host + ":" + std::to_string(settings_.port);
}

void RadioController::connect() {
    if (settings_.mode == RadioMode::Own && !daemonRunning_) {
        // The next step comes from the daemon's callbacks; retryAt_ waits for them.
        retryAt_ = now() + MaxRetryMs * 1000;
        daemon_.start({settings_.program, settings_.model, settings_.device, settings_.speed});
        return;
    }
    opening_ = true;
    openedAt_ = now();
    splitter_.clear();
    link_.open(settings_.mode == RadioMode::Own ? "127.0.0.1" : settings_.host,
               settings_.mode == RadioMode::Own ? daemonPort_ : settings_.port);
}

void RadioController::opened() {
    if (!opening_)
        return;
    opening_ = false;
    state_ = RadioState::Connected;
    why_.clear();
    inFlight_.reset();
    queue_.clear();
    lastPollAt_ = now() - PollMs; // the first poll goes at once
    if (speed_ > 0)
        push({Kind::Speed, "L KEYSPD " + std::to_string(speed_)}, false);
    pump();
}

void RadioController::closed(const std::string& why) {
    if (state_ == RadioState::Off)
        return;
    // A rigctld of our own that has just started may not listen yet.
    if (opening_ && state_ == RadioState::Connecting && settings_.mode == RadioMode::Own &&
        daemonRunning_ && now() - daemonStartedAt_ < StartupMs) {
        opening_ = false;
        retryAt_ = now() + 200;
        return;
    }
    fail(why);
}

void RadioController::fail(const std::string& why) {
    if (state_ == RadioState::Off)
        return;
    link_.close();
    opening_ = false;
    inFlight_.reset();
    queue_.clear();
    splitter_.clear();
    hz_ = 0;
    state_ = RadioState::Lost;
    why_ = portNote_.empty() ? why : portNote_;
    const std::int64_t pause =
        std::min<std::int64_t>(MaxRetryMs, std::int64_t{250} << std::min(failures_, 5));
    ++failures_;
    retryAt_ = now() + pause;
}

void RadioController::tick() {
    if (state_ == RadioState::Off)
        return;
    const std::int64_t t = now();
    if (opening_) {
        if (t - openedAt_ > OpenTimeoutMs)
            fail("no answer from " + address());
        return;
    }
    if (state_ != RadioState::Connected) {
        if (t >= retryAt_)
            connect();
        return;
    }
    if (inFlight_) {
        const bool keyer = inFlight_->kind == Kind::Morse;
        if (t - sentAt_ > (keyer ? MorseTimeoutMs : ReplyTimeoutMs)) {
            fail(keyer ? "the radio's keyer gave no answer within 10 s"
                       : "rigctld gave no answer within 1 s");
            return;
        }
    }
    pump();
}

void RadioController::pump() {
    if (state_ != RadioState::Connected || inFlight_)
        return;
    if (!queue_.empty()) {
        Command c = std::move(queue_.front());
        queue_.pop_front();
        send(std::move(c));
    } else if (now() - lastPollAt_ >= PollMs) {
        lastPollAt_ = now();
        send({Kind::Poll, "f", 0, generation_});
    }
}

void RadioController::send(Command c) {
    sentAt_ = now();
    const std::string line = c.line + "\n";
    inFlight_ = std::move(c);
    link_.write(line);
}

void RadioController::push(Command c, bool front) {
    drop(c.kind == Kind::Morse ? Kind::Poll : c.kind); // one of each kind waits at most
    if (front)
        queue_.push_front(std::move(c));
    else
        queue_.push_back(std::move(c));
}

void RadioController::drop(Kind kind) {
    std::erase_if(queue_, [kind](const Command& c) { return c.kind == kind; });
}

void RadioController::received(std::string_view bytes) {
    std::vector<std::string> lines;
    splitter_.add(bytes, lines);
    for (const std::string& line : lines) {
        if (state_ != RadioState::Connected)
            return;
        answer(line);
    }
    if (splitter_.overflowed())
        fail("rigctld sends garbage (a line without end)");
    pump();
}

void RadioController::answer(const std::string& line) {
    if (!inFlight_) {
        fail("rigctld sends garbage: \"" + shownLine(line) + "\"");
        return;
    }
    const Command c = *inFlight_;
    const std::optional<int> report = parseReport(line);
    if (c.kind == Kind::Poll) {
        if (const auto hz = parseFrequency(line)) {
            inFlight_.reset();
            pollNote_.clear();
            portNote_.clear();
            failures_ = 0;
            reading(*hz, c.generation);
            return;
        }
        if (report && *report < 0) {
            inFlight_.reset();
            hz_ = 0;
            pollNote_ = "no frequency from the radio: " + hamlibErrorText(*report);
            return;
        }
    } else if (report) {
        inFlight_.reset();
        failures_ = 0;
        if (*report == 0) {
            if (c.kind == Kind::Tune)
                hz_ = c.hz;
            else
                keyerNote_.clear();
            return;
        }
        const std::string what = hamlibErrorText(*report);
        if (c.kind == Kind::Tune)
            pollNote_ = "the radio did not go to " + kilohertzText(c.hz) + ": " + what;
        else if (c.kind == Kind::Ptt)
            keyerNote_ = "PTT: " + what;
        else
            keyerNote_ = "keyer: " + what;
        return;
    }
    fail("rigctld's answer makes no sense: \"" + shownLine(line) + "\"");
}

void RadioController::reading(std::int64_t hz, int generation) {
    // A reading asked for before the last tuning tells where the radio was.
    if (generation != generation_)
        return;
    hz_ = hz;
    const int band = bandIndexOf(hz);
    if (band < 0)
        return;
    settings_.lastHz[static_cast<std::size_t>(band)] = hz;
    const std::string code = ContestBands[static_cast<std::size_t>(band)].code;
    if (currentBand && onBand && currentBand() != code) {
        applying_ = true;
        onBand(code);
        applying_ = false;
        if (onSave)
            onSave();
    }
}

void RadioController::bandChosen(const std::string& code, bool phone) {
    const int band = bandIndexOfCode(code);
    if (applying_ || band < 0 || state_ != RadioState::Connected || bandIndexOf(hz_) == band)
        return;
    const BandEdges& edges = ContestBands[static_cast<std::size_t>(band)];
    std::int64_t hz = settings_.lastHz[static_cast<std::size_t>(band)];
    if (hz == 0)
        hz = phone ? edges.phoneHz : edges.cwHz;
    ++generation_;
    push({Kind::Tune, "F " + std::to_string(hz), hz, generation_}, true);
    pump();
    if (onSave)
        onSave();
}

bool RadioController::sendMorse(const std::string& text) {
    if (state_ != RadioState::Connected) {
        keyerNote_ = "keyer: not connected, CW not sent";
        return false;
    }
    std::string clean;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f)
            clean.push_back(static_cast<char>(std::toupper(u)));
        else if (c == '\n' || c == '\t')
            clean.push_back(' ');
    }
    const auto first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return true;
    clean.erase(0, first);
    while (!clean.empty() && clean.back() == ' ')
        clean.pop_back(); // rigctld would drop them anyway
    queue_.push_back({Kind::Morse, "b " + clean});
    pump();
    return true;
}

void RadioController::stopMorse() {
    if (state_ != RadioState::Connected)
        return;
    drop(Kind::Morse);
    push({Kind::Stop, "\\stop_morse"}, true);
    pump();
}

void RadioController::setKeySpeed(int wpm) {
    speed_ = std::clamp(wpm, 5, 60);
    if (state_ != RadioState::Connected)
        return;
    push({Kind::Speed, "L KEYSPD " + std::to_string(speed_)}, false);
    pump();
}

void RadioController::setPtt(bool transmit) {
    if (state_ != RadioState::Connected) {
        if (transmit)
            keyerNote_ = "PTT: not connected";
        return;
    }
    push({Kind::Ptt, transmit ? "T 1" : "T 0"}, true);
    pump();
}

std::string RadioController::statusText() const {
    std::string text;
    switch (state_) {
    case RadioState::Off:
        return {};
    case RadioState::Connecting:
        text = settings_.mode == RadioMode::Own && !daemonRunning_
                   ? "Radio: starting rigctld (model " + std::to_string(settings_.model) + " on " +
                         settings_.device + ")"
                   : "Radio: connecting to " + address();
        break;
    case RadioState::Connected:
        if (hz_ == 0)
            text = "Radio: connected to " + address();
        else if (bandIndexOf(hz_) < 0)
            text = "Radio: " + kilohertzText(hz_) +
                   " is outside the contest bands; the band "
                   "stays " +
                   (currentBand ? currentBand() : std::string());
        else
            text = "Radio: " + kilohertzText(hz_);
        break;
    case RadioState::Lost:
        text = "Radio lost: " + why_ + "; reconnecting";
        break;
    }
    if (state_ != RadioState::Lost && !portNote_.empty())
        text += "; " + portNote_;
    for (const std::string* note : {&pollNote_, &keyerNote_}) {
        if (!note->empty())
            text += "; " + *note;
    }
    return text;
}

std::string RadioController::frequencyText() const {
    switch (state_) {
    case RadioState::Off:
        return {};
    case RadioState::Connecting:
        return "connecting";
    case RadioState::Connected:
        if (hz_ == 0)
            return "no frequency";
        return bandIndexOf(hz_) < 0 ? kilohertzText(hz_) + " out of band" : kilohertzText(hz_);
    case RadioState::Lost:
        return "radio lost";
    }
    return {};
}

} // namespace vantor::radio
