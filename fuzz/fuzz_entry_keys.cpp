// The main window's logic fed any sequence of keys into any field, focus changes,
// clock ticks, band changes and starts and stops of the clock. The fields never
// exceed their lengths, no stored contact holds a double quote, and "log.txt" always
// reloads to exactly the contacts in memory.

#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "core/LogFile.h"
#include "entry/Form1Logic.h"
#include "support/FakePort.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace vantor;

namespace {

constexpr Field Fields[] = {Field::txtNum, Field::txtPre, Field::txtCall, Field::txtCK,
                            Field::txtSec};

void checkBoxes(const Form1Model& m) {
    for (const TextBoxModel* box : {&m.txtNum, &m.txtPre, &m.txtCall, &m.txtCK, &m.txtSec}) {
        FUZZ_CHECK(box->maxLength <= 0 || static_cast<int>(box->text.size()) <= box->maxLength);
        FUZZ_CHECK(box->caret >= 0 && box->caret <= static_cast<int>(box->text.size()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FileNames files = fuzz::scratchContestFiles();
    static const auto state = std::make_unique<ContestState>();
    static const auto reloaded = std::make_unique<ContestState>();
    *state = ContestState{};
    Form1Model model;
    FakeClock clock(toSeconds({{2026, 11, 7}, 21, 0, 0}) * 1000);
    test::FakePort port(clock);
    port.unscripted = Answer::No; // the keys may open any question
    Form1Logic logic(*state, model, clock, port, ShortDateForm{}, files);
    logic.Form_Load();
    port.useStationReply = true;
    port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
    port.answers = {Answer::No, Answer::Yes};
    logic.windowShown();

    for (std::size_t i = 0; i + 1 < size && !logic.ended(); i += 2) {
        const std::uint8_t op = data[i];
        const int key = data[i + 1];
        switch (op % 12) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            logic.typeKey(Fields[op % 5], key);
            break;
        case 5:
        case 6:
            logic.typeKey(model.focus, key);
            break;
        case 7:
            logic.typeKey(model.focus, 13); // Enter
            break;
        case 8:
            logic.userFocus(Fields[key % 5]);
            break;
        case 9:
            clock.advanceMs(key * 250);
            logic.Timer2_Timer();
            break;
        case 10:
            logic.chooseBand(std::string(BandCodes[key % BandCodes.size()]));
            break;
        case 11:
            if (key % 2)
                logic.cmdLogOn_Click();
            else
                logic.cmdClear_Click();
            break;
        }
        checkBoxes(model);
    }

    for (int r = 1; r <= state->RecCount; ++r)
        FUZZ_CHECK(formatLogLine(state->ContactLog[r]).size() ==
                   9 * 3 - 1 + 2 + state->ContactLog[r].NumSent.size() +
                       state->ContactLog[r].Num.size() + state->ContactLog[r].Pre.size() +
                       state->ContactLog[r].Call.size() + state->ContactLog[r].Ck.size() +
                       state->ContactLog[r].Sec.size() + state->ContactLog[r].Date.size() +
                       state->ContactLog[r].Time.size() + state->ContactLog[r].Bnd.size());
    FUZZ_CHECK(loadLog(*reloaded, files.log).ok());
    FUZZ_CHECK(reloaded->RecCount == state->RecCount);
    for (int r = 1; r <= state->RecCount; ++r)
        FUZZ_CHECK(formatLogLine(reloaded->ContactLog[r]) == formatLogLine(state->ContactLog[r]));
    return 0;
}
