#include "entry/OperatingClock.h"

#include "core/OnOffFile.h"

#include <algorithm>
#include <cstdlib>

namespace vantor {

OperatingClock::OperatingClock(ContestState& state, Form1Model& model, const Clock& clock,
                               MessagePort& port, const ShortDateForm& dateForm,
                               std::string onOffPath, std::function<void()> savePrefs)
    : s_(state), m_(model), clock_(clock), port_(port), dateForm_(dateForm),
      onOffPath_(std::move(onOffPath)), savePrefs_(std::move(savePrefs)) {}

std::int64_t OperatingClock::localNowSeconds() const {
    return wholeSeconds(clock_.nowMs());
}

std::int64_t OperatingClock::steadyNowSeconds() const {
    return wholeSeconds(clock_.utcMs());
}

std::int64_t OperatingClock::utcNowSeconds() const {
    // The hours in Setup cannot hold a zone of half or quarter hours (Newfoundland is
    // UTC-3:30): there the system's own UTC clock stamps the contacts.
    if (halfHourZone())
        return steadyNowSeconds();
    return localNowSeconds() + std::int64_t{s_.StationInfo.UtcHours} * 3600;
}

bool OperatingClock::halfHourZone() const {
    const auto offset = clock_.utcOffsetSeconds();
    return offset && *offset % 3600 != 0;
}

void OperatingClock::appendJournal(int flag, const std::string& date, const std::string& time) {
    const OnOffRecord record{flag, date, time, m_.lblttrack.caption};
    if (const IoResult r = appendOnOff(onOffPath_, record); !r)
        tellFailure(port_,
                    "The time " + std::string(flag == 1 ? "on" : "off") +
                        " could not be recorded in " + onOffPath_ + ".",
                    r);
}

void OperatingClock::toggle() {
    const std::int64_t utc = utcNowSeconds();
    const std::string date = dateForm_.format(toCivil(utc).date);
    const std::string time = formatHms(utc);
    if (s_.LoggedOn == 0) {
        s_.TimeOnAt = steadyNowSeconds();
        s_.BandStart = s_.TimeOnAt;
        s_.LoggedOn = 1;
        m_.cmdLogOn.caption = "Log \"Time Off\"";
        m_.lblDialog.caption = " ";
        appendJournal(1, date, time);
        if (!runs_.empty() && !runs_.back().end)
            runs_.back().end = std::max(utc, runs_.back().start);
        runs_.push_back({utc, std::nullopt});
        showTimeLeft(countNow());
    } else {
        const std::int64_t counted = countNow();
        s_.LoggedOn = 0;
        m_.cmdLogOn.caption = "Log \"Time On\"";
        updateRunningTotal();
        s_.OpTime = s_.OpTimeRun;
        appendJournal(0, date, time);
        m_.lblDialog.caption =
            "Logged Off at " + date + " " + time + " Log On after " + formatHms(utc + 1800);
        if (!runs_.empty() && !runs_.back().end)
            runs_.back().end = counted;
        showTimeLeft(counted);
        savePrefs_();
    }
}

void OperatingClock::tick() {
    const std::int64_t now = localNowSeconds();
    bool pm = false;
    m_.lblCurTime.caption = formatTwelveHour(now, pm);
    m_.Label16.caption = pm ? port_.pmText() : port_.amText();
    m_.lblutctime.caption = formatHms(utcNowSeconds());
    checkUtcHours(false);
    if (s_.LoggedOn == 1 && updateRunningTotal())
        m_.lbltimeon.caption = durationText(steadyNowSeconds() - s_.BandStart);
    if (s_.LoggedOn == 1)
        showTimeLeft(countNow());
}

std::string OperatingClock::loadRuns() {
    const int year = toCivil(utcNowSeconds()).date.year;
    const OnOffJournal journal = readOnOff(onOffPath_);
    runs_ = clockRuns(journal.records, dateForm_, year, contactStamps(s_, dateForm_, year),
                      s_.LoggedOn == 1);
    showTimeLeft(utcNowSeconds());
    if (journal.complete)
        return {};
    return journalPartlyRead(journal, onOffPath_) +
           "; the 24-hour count and \"Left of 24 hours\" leave out the rest.";
}

// The moment on the journal's scale up to which the running clock has counted: its
// start stamp plus the time since on the steady clock, so that a jump of the wall
// clock neither adds nor removes operating time.
std::int64_t OperatingClock::countNow() const {
    if (s_.LoggedOn == 1 && !runs_.empty() && !runs_.back().end)
        return runs_.back().start + std::max<std::int64_t>(steadyNowSeconds() - s_.TimeOnAt, 0);
    return utcNowSeconds();
}

// Only 24 of the contest's hours may be operated. The operator is warned half an hour
// before and when they are used up; logging goes on (later contacts do not count).
void OperatingClock::showTimeLeft(std::int64_t utcNow) {
    const std::int64_t left = OperatingLimitSeconds - countedSeconds(runs_, utcNow);
    m_.lbltimeleft.caption = durationText(std::max<std::int64_t>(left, 0));
    if (left <= 0) {
        if (!warnedLimit_)
            m_.lblDialog.caption = "The 24 operating hours are used up: contacts from now on do "
                                   "not count for the score.";
        warnedLimit_ = warnedHalfHour_ = true;
    } else if (left <= ShortestTimeOff) {
        if (!warnedHalfHour_)
            m_.lblDialog.caption = "30 minutes of the 24 operating hours are left.";
        warnedHalfHour_ = true;
        warnedLimit_ = false;
    } else {
        warnedHalfHour_ = warnedLimit_ = false;
    }
}

// The total is computed afresh at every tick and at every stop, so that a stop
// between two ticks (or before the first) loses no time.
bool OperatingClock::updateRunningTotal() {
    const std::int64_t run =
        std::llabs(std::int64_t{s_.OpTime} + (steadyNowSeconds() - s_.TimeOnAt));
    if (run > INT32_MAX)
        return false; // beyond the counter: keep the last figures
    s_.OpTimeRun = static_cast<std::int32_t>(run);
    m_.lblttrack.caption = durationText(run);
    return true;
}

std::optional<int> OperatingClock::systemUtcHours() const {
    const auto offset = clock_.utcOffsetSeconds();
    // Only whole hours west of Greenwich can be held by the hours in Setup.
    if (!offset || *offset % 3600 != 0 || -*offset / 3600 < 0 || -*offset / 3600 > 255)
        return std::nullopt;
    return static_cast<int>(-*offset / 3600);
}

// Contacts are stamped with local time plus the hours in Setup. When the computer's
// own offset changes (daylight saving ends in the middle of the CW weekend) the stamps
// go wrong: the operator is told at once, and again after every contact until the
// hours agree. Nothing is changed behind the operator's back.
void OperatingClock::checkUtcHours(bool afterCommit) {
    if (halfHourZone()) {
        if (!toldHalfHourZone_)
            m_.lblDialog.caption = halfHourNote();
        toldHalfHourZone_ = true;
        return;
    }
    const auto suggested = systemUtcHours();
    if (!suggested || *suggested == s_.StationInfo.UtcHours) {
        toldUtcHours_.reset();
        return;
    }
    if (!afterCommit && toldUtcHours_ == suggested)
        return;
    toldUtcHours_ = suggested;
    m_.lblDialog.caption = "Check the hours in Setup: the computer says UTC = local + " +
                           std::to_string(*suggested) + " hours, Setup adds " +
                           std::to_string(s_.StationInfo.UtcHours) + " (daylight saving?).";
}

// "UTC-3:30" for the system's offset, which is not whole hours here.
std::string OperatingClock::halfHourNote() const {
    const std::int64_t offset = clock_.utcOffsetSeconds().value_or(0);
    const std::int64_t minutes = (offset < 0 ? -offset : offset) / 60;
    const std::string zone = std::string("UTC") + (offset < 0 ? "-" : "+") +
                             std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") +
                             std::to_string(minutes % 60);
    return "This computer's clock is " + zone +
           ": contacts are stamped from its UTC clock, not with the hours in Setup.";
}

void OperatingClock::showRates() {
    const std::int64_t now = utcNowSeconds();
    const int year = toCivil(now).date.year;
    int c20 = 0;
    int c60 = 0;
    // Neighbouring contacts nearly always share their date: read each date text once.
    const std::string* lastDate = nullptr;
    std::optional<CivilDate> day;
    for (int i = s_.RecCount; i >= 1; --i) {
        const Contact& c = s_.ContactLog[i];
        if (!lastDate || *lastDate != c.Date) {
            lastDate = &c.Date;
            day = dateForm_.parse(c.Date, year);
        }
        const auto time = parseTimeOfDay(c.Time);
        if (!day || !time)
            continue; // a stamp damaged by hand counts in no rate
        const std::int64_t e = now - (daysFromCivil(*day) * 86400 + *time);
        if (e < 1200)
            ++c20;
        if (e >= 3600)
            break;
        ++c60;
    }
    m_.lblAQSO60.caption = std::to_string(c60);
    m_.lblAQSO20.caption = std::to_string(c20 * 3);
}

void OperatingClock::bandChosen() {
    s_.BandStart = steadyNowSeconds();
}

void OperatingClock::stopAtExit() {
    if (s_.LoggedOn != 1)
        return;
    updateRunningTotal();
    s_.OpTime = s_.OpTimeRun;
    savePrefs_();
    s_.LoggedOn = 0;
    const std::int64_t utc = utcNowSeconds();
    appendJournal(0, dateForm_.format(toCivil(utc).date), formatHms(utc));
}

} // namespace vantor
