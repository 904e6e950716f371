#pragma once
// The operating clock: its runs kept in the on/off journal, the total operated and the
// time on band, the 24-hour count with its warnings, the local and UTC clocks with the
// warning when the computer's offset disagrees with the hours in Setup, and the contact
// rates. It shows its figures in the main window's model; Form1Logic calls it at its
// events and owns the focus and the preferences file.

#include "core/Clock.h"
#include "core/ContestState.h"
#include "core/DateTime.h"
#include "core/OperatingRule.h"
#include "entry/Form1Model.h"
#include "entry/PlatformPort.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

class OperatingClock {
public:
    // dateForm is the window logic's, which the folder's record may change at load;
    // savePrefs writes the preferences (and so the total operated).
    OperatingClock(ContestState& state, Form1Model& model, const Clock& clock, MessagePort& port,
                   const ShortDateForm& dateForm, std::string onOffPath,
                   std::function<void()> savePrefs);

    // Log "Time On" / "Time Off": starts or stops the clock and journals it.
    void toggle();
    // The clocks' tick: local and UTC time, the running totals, the time left.
    void tick();
    // The contacts of the last 20 and 60 minutes.
    void showRates();
    // A new band starts its time on band.
    void bandChosen();
    // The program ends: a running clock is stopped, saved and journalled.
    void stopAtExit();
    // Reads the journal for the 24-hour limit; says what was left out of a damaged one.
    std::string loadRuns();
    // Tells the operator when the computer's offset disagrees with the hours in Setup:
    // once per change, and again after every contact.
    void checkUtcHours(bool afterCommit);

    // The computer's hours to UTC when the hours in Setup can hold them.
    std::optional<int> systemUtcHours() const;
    // The computer's zone is not whole hours from UTC.
    bool halfHourZone() const;
    std::string halfHourNote() const;

    std::int64_t localNowSeconds() const;
    std::int64_t steadyNowSeconds() const;
    // The stamp of a contact made now.
    std::int64_t utcNowSeconds() const;

private:
    ContestState& s_;
    Form1Model& m_;
    const Clock& clock_;
    MessagePort& port_;
    const ShortDateForm& dateForm_;
    std::string onOffPath_;
    std::function<void()> savePrefs_;

    std::vector<ClockRun> runs_; // the clock's runs, for the 24-hour limit
    bool warnedHalfHour_ = false;
    bool warnedLimit_ = false;
    bool toldHalfHourZone_ = false;
    std::optional<int> toldUtcHours_; // the system's hours last told to the operator

    void appendJournal(int flag, const std::string& date, const std::string& time);
    bool updateRunningTotal();
    std::int64_t countNow() const;
    void showTimeLeft(std::int64_t utcNow);
};

} // namespace vantor
