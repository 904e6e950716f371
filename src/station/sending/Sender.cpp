#include "station/sending/Sender.h"

#include "station/sending/CwDaemonKeyer.h"

namespace vantor {

Sender::Sender(const Clock& clock, KeyerSettings settings, MessageSet messages)
    : clock_(clock), settings_(std::move(settings)), messages_(std::move(messages)) {}

void Sender::setKeyer(KeyerPort* keyer) {
    // What the keyer before had queued is not shown as going out through this one.
    if (keyer != keyer_ && !voicePlaying_)
        sendingText_.clear();
    keyer_ = keyer;
    problem_.clear();
    if (keyer_)
        keyer_->setSpeed(settings_.speed);
}

void Sender::setSettings(const KeyerSettings& settings) {
    const bool speedChanged = settings.speed != settings_.speed;
    settings_ = settings;
    if (speedChanged && keyer_)
        keyer_->setSpeed(settings_.speed);
}

bool Sender::active(bool phone) const {
    return phone ? settings_.voice : settings_.kind != KeyerKind::None;
}

bool Sender::functionKey(int n, const MacroContext& context, bool phone) {
    if (!active(phone) || n < 1 || n > MessageCount)
        return false;
    const Message& m = messages_[n - 1];
    if (phone) {
        if (!voice_)
            return true;
        if (std::string why = voice_->unavailable(); !why.empty()) {
            problem_ = std::move(why);
            return true;
        }
        if (m.wav.empty()) {
            problem_ = "No voice file set for F" + std::to_string(n);
            return true;
        }
        if (ptt_)
            ptt_->setPtt(true);
        if (!voice_->play(m.wav)) {
            if (ptt_)
                ptt_->setPtt(false);
            voicePlaying_ = false;
            sendingText_.clear();
            problem_ = "Cannot play the voice file " + m.wav;
            return true;
        }
        voicePlaying_ = true;
        sendingText_ = m.wav;
        problem_.clear();
        return true;
    }
    const std::string text = expandMacros(m.cw, context, settings_.cutNumbers);
    if (text.empty())
        return true;
    if (!keyer_) {
        problem_ = "The radio's keyer is not connected";
        return true;
    }
    keyer_->send(text);
    // Text sent while the keyer is still busy goes out after what is queued.
    const std::int64_t now = clock_.utcMs();
    const std::int64_t from = sending() && doneAt_ > now ? doneAt_ : now;
    doneAt_ = from + morseMillis(text, settings_.speed);
    sendingText_ = text;
    return true;
}

void Sender::stop() {
    if (keyer_ && settings_.kind != KeyerKind::None)
        keyer_->abort();
    if (voice_ && voicePlaying_)
        voice_->stop();
    if (ptt_ && voicePlaying_)
        ptt_->setPtt(false);
    voicePlaying_ = false;
    sendingText_.clear();
}

void Sender::changeSpeed(int steps) {
    const int speed = clampSpeed(settings_.speed + steps * SpeedStep);
    if (speed == settings_.speed)
        return;
    settings_.speed = speed;
    if (keyer_)
        keyer_->setSpeed(speed);
}

void Sender::tick() {
    if (!voicePlaying_ && sending() && clock_.utcMs() >= doneAt_)
        sendingText_.clear();
}

std::optional<long long> Sender::msLeft() const {
    if (voicePlaying_ || !sending())
        return std::nullopt;
    const auto left = doneAt_ - clock_.utcMs();
    return left > 0 ? left : 0;
}

void Sender::voiceEnded() {
    if (!voicePlaying_)
        return;
    voicePlaying_ = false;
    sendingText_.clear();
    if (ptt_)
        ptt_->setPtt(false);
}

void Sender::keyerProblem(const std::string& what) {
    problem_ = what;
}

std::string Sender::status(bool phone) const {
    std::string line;
    if (!phone && settings_.kind != KeyerKind::None)
        line = std::to_string(settings_.speed) + " WPM";
    if (sending())
        line += std::string(line.empty() ? "" : "   ") + (phone ? "Playing: " : "Sending: ") +
                sendingText_;
    if (!problem_.empty())
        line += (line.empty() ? "" : "   ") + problem_;
    return line;
}

} // namespace vantor
