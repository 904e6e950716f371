#pragma once
// The radio's own keyer and PTT line as a keyer choice: Hamlib's send_morse, stop_morse,
// the KEYSPD level and set_ptt, through the radio's connection.

#include "station/KeyerPort.h"
#include "station/radio/RadioController.h"

namespace vantor::radio {

class RigKeyer final : public KeyerPort, public PttPort {
public:
    explicit RigKeyer(RadioController& radio) : radio_(radio) {}
    void send(const std::string& text) override { radio_.sendMorse(text); }
    void abort() override { radio_.stopMorse(); }
    void setSpeed(int wpm) override { radio_.setKeySpeed(wpm); }
    void setPtt(bool transmit) override { radio_.setPtt(transmit); }

private:
    RadioController& radio_;
};

} // namespace vantor::radio
