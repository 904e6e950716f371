// The main window's clock events, the band menu and the stop recorded at exit; the
// clock itself is the OperatingClock.

#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

namespace vantor {

void Form1Logic::cmdLogOn_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    opClock_.toggle();
    moveFocus(firstField());
}

void Form1Logic::Timer2_Timer() {
    if (ended_)
        return;
    EventScope scope(*this);
    opClock_.tick();
}

void Form1Logic::Timer1_Timer() {
    if (ended_)
        return;
    EventScope scope(*this);
    TimeStats();
}

void Form1Logic::TimeStats() {
    opClock_.showRates();
}

void Form1Logic::chooseBand(const std::string& code) {
    if (ended_)
        return;
    EventScope scope(*this);
    s_.Band = code;
    m_.Label30.caption = s_.Band;
    opClock_.bandChosen();
    savepref();
    for (std::size_t i = 0; i < BandCodes.size(); ++i)
        m_.bandChecked[i] = code == BandCodes[i];
}

void Form1Logic::shutdown() {
    if (ended_)
        return;
    opClock_.stopAtExit();
    ended_ = true;
    port_.endProgram();
}

void Form1Logic::mnuExit_Click() {
    shutdown();
}
void Form1Logic::Form_Terminate() {
    shutdown();
}

} // namespace vantor
