#pragma once
// Sending from the keyboard: F1-F12 send their message through the keyer in CW or play
// its voice file on phone, Esc stops at once, PgUp/PgDn change the speed. It keeps the
// text going out until the keyer should be done with it, and the one message about a
// keyer or a voice file that is not there. Every call returns at once.

#include "core/Clock.h"
#include "station/KeyerPort.h"
#include "station/sending/KeyerSettings.h"
#include "station/sending/Macros.h"
#include "station/sending/Messages.h"

#include <optional>
#include <string>

namespace vantor {

class VoicePort {
public:
    virtual ~VoicePort() = default;
    // Starts playing the file; false when it cannot (no such file). Playing stops what
    // was playing before.
    virtual bool play(const std::string& path) = 0;
    virtual void stop() = 0;
    // Why nothing can be played at all (no audio output); empty when files can play.
    virtual std::string unavailable() const { return {}; }
};

class Sender {
public:
    Sender(const Clock& clock, KeyerSettings settings, MessageSet messages);

    void setKeyer(KeyerPort* keyer);
    void setVoice(VoicePort* voice) { voice_ = voice; }
    void setPtt(PttPort* ptt) { ptt_ = ptt; }

    const KeyerSettings& settings() const { return settings_; }
    void setSettings(const KeyerSettings& settings);
    const MessageSet& messages() const { return messages_; }
    void setMessages(const MessageSet& messages) { messages_ = messages; }

    // Whether the keys are sending's: a keyer in CW, voice files on phone.
    bool active(bool phone) const;
    bool enterSends(bool phone) const { return active(phone) && settings_.enterSends; }

    // F-key n (1..12). False when sending is not set up for the mode (the key is not
    // ours).
    bool functionKey(int n, const MacroContext& context, bool phone);
    // Esc: stops the keyer and the voice, drops the PTT.
    void stop();
    // PgUp/PgDn: SpeedStep words a minute a step, within MinSpeed..MaxSpeed.
    void changeSpeed(int steps);

    // The time has come that the keyer should be done (see msLeft).
    void tick();
    // Milliseconds until the text shown has gone out, when something goes out.
    std::optional<long long> msLeft() const;
    void voiceEnded();
    void keyerProblem(const std::string& what);

    bool sending() const { return !sendingText_.empty(); }
    // The line shown under the window: speed, what goes out, the last problem.
    std::string status(bool phone) const;

private:
    const Clock& clock_;
    KeyerSettings settings_;
    MessageSet messages_;
    KeyerPort* keyer_ = nullptr;
    VoicePort* voice_ = nullptr;
    PttPort* ptt_ = nullptr;
    std::string sendingText_;
    std::int64_t doneAt_ = 0;
    bool voicePlaying_ = false;
    std::string problem_;
};

} // namespace vantor
