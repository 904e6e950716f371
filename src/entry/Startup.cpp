// The main window's load, the start-up questions at the first focus on the serial
// number field, the new-contest step and the menu commands that open other windows.

#include "core/Numbers.h"
#include "core/SectionTable.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

#include <filesystem>

namespace vantor {

void Form1Logic::Form_Load() {
    EventScope scope(*this);
    m_.lblDialog.caption = "Select a band from the menu bar and click Log \"Time On\" below!";
    m_.lblNumCurCon.caption = " " + signBlank(std::int64_t{s_.RecCount} + 1);
    s_.Sections = &readSectionChoice(files_.sections);
    readDateFormRecord();
    fillGrid();
    s_.Band = "40";
    s_.TabOrder = 1;
    s_.ShowPartials = 1;
    std::error_code ec;
    if (!std::filesystem::exists(files_.prefs, ec)) {
        // A first run proposes the computer's own hours to UTC in the station dialog.
        if (const auto hours = opClock_.systemUtcHours())
            s_.StationInfo.UtcHours = static_cast<std::uint8_t>(*hours);
    }
    readPrefs(files_.prefs, s_);
    // The total operated so far is shown from the start, and so journalled by the next
    // start of the clock.
    s_.OpTimeRun = s_.OpTime;
    m_.lblttrack.caption = durationText(s_.OpTime);
    m_.Label30.caption = s_.Band;
    m_.numoptChecked = s_.TabOrder == 1;
    m_.calloptChecked = s_.TabOrder == 2;
    const auto bandNumber = parseDecimal(s_.Band);
    for (std::size_t i = 0; i < BandCodes.size(); ++i)
        m_.bandChecked[i] = bandNumber && *bandNumber == *parseDecimal(BandCodes[i]);
}

void Form1Logic::showStationLabels() {
    m_.Label1.caption = s_.StationInfo.MyPre;
    m_.Label2.caption = s_.StationInfo.MyCall;
    m_.Label3.caption = s_.StationInfo.MyCk;
    m_.Label4.caption = s_.StationInfo.MySec;
}

void Form1Logic::runStationDialog() {
    const StationData entered = port_.runStationDialog(
        s_.StationInfo, opClock_.halfHourZone() ? opClock_.halfHourNote() : "");
    if (ended_)
        return; // the program was ended (a signal) while the dialog was open
    StationData& info = s_.StationInfo;
    info.MyCall = entered.MyCall;
    info.MyPre = entered.MyPre;
    info.MyCk = entered.MyCk;
    info.MySec = entered.MySec;
    info.UtcHours = entered.UtcHours;
    info.ContestMode = entered.ContestMode == ModePhone ? ModePhone : ModeCW;
    showStationLabels();
    savepref();
    opClock_.checkUtcHours(false);
}

void Form1Logic::txtnum_gotfocus() {
    EventScope scope(*this);
    if (s_.AskedOpen == 0) {
        s_.AskedOpen = 1;
        runStationDialog();
        if (ended_)
            return;
        const Answer answer = port_.messageBox(
            "Open existing log?",
            "Do you want to continue an existing contest? (Yes opens your existing log, No "
            "erases any existing log and starts a new log.)",
            Buttons::YesNo, Icon::Question);
        if (answer == Answer::Yes)
            mnuopen2();
        else
            newcontest();
        if (ended_)
            return;
        if (s_.TabOrder == 2) {
            applyTabOrder();
            moveFocus(Field::txtCall);
        }
    }
    m_.cmdEdit.visible = false;
    m_.cmdDelete.visible = false;
}

void Form1Logic::newcontest() {
    if (ended_)
        return;
    EventScope scope(*this);
    const Answer answer = port_.messageBox(
        "Start new contest?", "Are you sure? (Selecting Yes will erase existing log file!)",
        Buttons::YesNo, Icon::None, Answer::No);
    if (answer == Answer::Yes) {
        // The log, the journal and the saved operating time go together or not at all:
        // a log that cannot be emptied must not leave the old contest without its
        // journal and its time.
        const std::int32_t opTime = s_.OpTime;
        s_.OpTime = 0;
        const std::string prefs = formatPrefs(s_);
        s_.OpTime = opTime;
        if (const IoResult r =
                replaceAllAtomically({{files_.log, ""}, {files_.onOff, ""}, {files_.prefs, prefs}});
            !r) {
            tellFailure(port_,
                        "No new contest was started: " + files_.log + ", " + files_.onOff +
                            " and " + files_.prefs +
                            " must all be emptied or rewritten, and one of them cannot be. "
                            "Every file stays as it was.",
                        r);
        } else {
            // The old contest's running clock stops with its journal, so the new contest
            // neither begins with a stop nor counts old time.
            if (s_.LoggedOn == 1) {
                s_.LoggedOn = 0;
                m_.cmdLogOn.caption = "Log \"Time On\"";
            }
            s_.RecCount = 0;
            ++s_.LogVersion;
            s_.OpTime = 0;
            s_.OpTimeRun = 0;
            m_.lblttrack.caption = durationText(0);
            m_.lbltimeon.caption = durationText(0);
        }
    }
    mnuopen2();
}

void Form1Logic::mnuNew_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    newcontest();
    if (!ended_)
        TimeStats();
}

void Form1Logic::mnuOpen_Click() {
    mnuopen2();
}

void Form1Logic::mnuSetup_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    runStationDialog();
}

void Form1Logic::mnuStats_Click() {
    if (!ended_)
        port_.showBandStatistics();
}

void Form1Logic::mnuHelp_Click() {
    if (!ended_)
        port_.showHelp();
}

} // namespace vantor
