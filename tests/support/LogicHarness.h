#pragma once
// The main window's logic over a fake clock and a scripted platform, in a fresh
// working directory.

#include "core/DateTime.h"
#include "entry/Form1Logic.h"
#include "support/FakePort.h"
#include "support/TempDir.h"

#include <string>

namespace vantor::test {

// Local wall-clock milliseconds of a civil date and time.
inline std::int64_t localMs(int y, int mo, int d, int h, int mi, int s) {
    return toSeconds({{y, mo, d}, h, mi, s}) * 1000;
}

struct LogicHarness {
    TempDir dir;
    ContestState state;
    Form1Model model;
    FakeClock clock{localMs(2026, 11, 7, 21, 0, 5)};
    FakePort port{clock};
    Form1Logic logic{state, model, clock, port, ShortDateForm{}};

    LogicHarness() { logic.Form_Load(); }

    // Start-up as far as an open window with an empty new log, the clock stopped.
    void startNewContest(const StationData& station = {"W1AW", "A", "85", "CT", 5, 0, 0}) {
        port.useStationReply = true;
        port.stationReply = station;
        port.answers = {Answer::No, Answer::Yes};
        logic.windowShown();
    }

    // Types each character of keys into whatever field has the focus; '\n' is Enter.
    void type(const std::string& keys) {
        for (char ch : keys) {
            const int code = ch == '\n' ? 13 : static_cast<unsigned char>(ch);
            logic.typeKey(model.focus, code);
        }
    }

    std::string fields() const {
        return model.txtNum.text + "|" + model.txtPre.text + "|" + model.txtCall.text + "|" +
               model.txtCK.text + "|" + model.txtSec.text;
    }
};

} // namespace vantor::test
