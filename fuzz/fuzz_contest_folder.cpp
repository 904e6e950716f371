// A contest folder from any "log.txt" and "nsonoff.txt" bytes (split at the first two
// NUL bytes; the rest is a script): the program continues it, then contacts, edits,
// deletes, starts and stops of the clock, hours passing under the 24-hour rule, reloads
// and the Cabrillo 3.0 file follow in the script's order. Whatever the program writes
// loads again: the log reloads to exactly the contacts in memory, and a journal that
// read whole at the start still reads whole, every record appended included.

#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "core/LogFile.h"
#include "core/OnOffFile.h"
#include "entry/Form1Logic.h"
#include "reports/Cabrillo3.h"
#include "support/FakePort.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace vantor;

namespace {

void writeBytes(const std::string& path, std::string_view bytes) {
    std::filesystem::remove(path);
    FUZZ_CHECK(appendDurably(path, bytes).ok);
}

// A text field of the file's own rules (no double quote) from a script byte.
std::string textOf(const char* prefix, int key) {
    return prefix + std::to_string(key);
}

// A hand-edited file may end in a comma: the empty field it opens would take the first
// field of any line after it, a damage no appended line can undo.
bool endsInComma(std::string_view bytes) {
    const auto last = bytes.find_last_not_of(" \t\r\n");
    return last != std::string_view::npos && bytes[last] == ',';
}

void checkLogReloads(const FileNames& files, const ContestState& state, ContestState& reloaded) {
    FUZZ_CHECK(loadLog(reloaded, files.log).ok());
    FUZZ_CHECK(reloaded.RecCount == state.RecCount);
    for (int r = 1; r <= state.RecCount; ++r)
        FUZZ_CHECK(formatLogLine(reloaded.ContactLog[r]) == formatLogLine(state.ContactLog[r]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FileNames files = fuzz::scratchContestFiles();
    static const auto state = std::make_unique<ContestState>();
    static const auto reloaded = std::make_unique<ContestState>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto firstNul = bytes.find('\0');
    if (firstNul == std::string_view::npos)
        return 0;
    const auto secondNul = bytes.find('\0', firstNul + 1);
    const std::string_view log = bytes.substr(0, firstNul);
    const std::string_view journal = bytes.substr(firstNul + 1, secondNul - firstNul - 1);
    const std::string_view script =
        secondNul == std::string_view::npos ? std::string_view() : bytes.substr(secondNul + 1);
    if (!loadLogData(*reloaded, log).ok() || endsInComma(log) || endsInComma(journal))
        return 0; // the program would end at its "File Error"

    writeBytes(files.log, log);
    writeBytes(files.onOff, journal);
    writeBytes(files.sections, "85\r\n");
    std::filesystem::remove(files.prefs);
    const OnOffJournal before = readOnOff(files.onOff);

    *state = ContestState{};
    Form1Model model;
    FakeClock clock(toSeconds({{2026, 11, 7}, 21, 0, 0}) * 1000);
    test::FakePort port(clock);
    port.unscripted = Answer::No; // a damaged folder may raise any question
    Form1Logic logic(*state, model, clock, port, ShortDateForm{}, files);
    logic.Form_Load();
    port.useStationReply = true;
    port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
    port.answers = {Answer::Yes};
    logic.windowShown();
    FUZZ_CHECK(!logic.ended());

    for (std::size_t i = 0; i + 1 < script.size(); i += 2) {
        const int op = static_cast<std::uint8_t>(script[i]);
        const int key = static_cast<std::uint8_t>(script[i + 1]);
        const int record = state->RecCount > 0 ? key % state->RecCount + 1 : 0;
        switch (op % 8) {
        case 0: // a contact, typed and entered
            model.txtNum.setText(std::to_string(key));
            model.txtPre.setText("A");
            model.txtCall.setText(textOf("K", op * 256 + key));
            model.txtCK.setText("85");
            model.txtSec.setText(std::string(Sections85.row(key % Sections85.rows + 1).Abbr));
            logic.userFocus(Field::txtNum);
            logic.typeKey(Field::txtNum, 13);
            break;
        case 1: // an edit of one field from the list
            port.editDialog = [key](ContestState& s, int rec, const ShortDateForm&, int) {
                Contact& c = s.ContactLog[rec];
                std::string* fields[] = {&c.Num, &c.Call, &c.Ck, &c.Sec, &c.Time, &c.Bnd};
                *fields[key % 6] = textOf("", key);
            };
            logic.cmdEdit_Click(record);
            break;
        case 2:
            logic.cmdDelete_Click(record);
            break;
        case 3:
            logic.cmdLogOn_Click();
            break;
        case 4: // up to four and a quarter hours pass
            clock.advanceMs(std::int64_t{key} * 60000);
            logic.Timer2_Timer();
            break;
        case 5: {
            const OnOffJournal now = readOnOff(files.onOff);
            if (!now.complete)
                break; // the file is refused, as the summary window refuses it
            const std::vector<ClockRun> runs =
                clockRuns(now.records, ShortDateForm{}, 2026,
                          contactStamps(*state, ShortDateForm{}, 2026), state->LoggedOn == 1);
            std::vector<std::string> lines;
            if (cabrillo3Lines(*state, SummaryDetails{}, runs, ShortDateForm{}, 2026, lines).ok) {
                FUZZ_CHECK(lines.front() == "START-OF-LOG: 3.0");
                FUZZ_CHECK(lines.back() == "END-OF-LOG:");
            }
            break;
        }
        case 6:
            logic.mnuOpen_Click();
            break;
        case 7:
            logic.chooseBand(
                std::string(BandCodes[static_cast<std::size_t>(key) % BandCodes.size()]));
            break;
        }
        FUZZ_CHECK(!logic.ended());
    }

    checkLogReloads(files, *state, *reloaded);
    const OnOffJournal after = readOnOff(files.onOff);
    if (before.complete) {
        FUZZ_CHECK(after.complete);
        FUZZ_CHECK(after.records.size() >= before.records.size());
    }
    ContestState prefs;
    FUZZ_CHECK(readPrefs(files.prefs, prefs) == 10);
    return 0;
}
