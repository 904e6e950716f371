#include "support/LogicHarness.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

class OperatingTime : public ::testing::Test {
protected:
    LogicHarness h;
    void SetUp() override {
        h.clock.setMs(localMs(2026, 11, 6, 21, 0, 5));
        h.startNewContest(); // UTC is local + 5 hours
    }
};

Contact stamped(std::int64_t utcSeconds) {
    const ShortDateForm form;
    return {"1",
            "1",
            "A",
            "W1AW",
            "85",
            "CT",
            form.format(toCivil(utcSeconds).date),
            formatHms(utcSeconds),
            "40"};
}

} // namespace

TEST_F(OperatingTime, StartAndStopAreJournalledWithUtcStamps) {
    h.logic.cmdLogOn_Click();
    EXPECT_EQ(h.model.cmdLogOn.caption, "Log \"Time Off\"");
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/7/2026\",\"02:00:05\",\"00:00:00\"\r\n");

    h.clock.setMs(localMs(2026, 11, 7, 18, 45, 0)); // 23:45:00 UTC
    h.logic.Timer2_Timer();
    h.logic.cmdLogOn_Click();
    EXPECT_EQ(h.model.cmdLogOn.caption, "Log \"Time On\"");
    EXPECT_EQ(h.model.lblDialog.caption, "Logged Off at 11/7/2026 23:45:00 Log On after 00:15:00");
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/7/2026\",\"02:00:05\",\"00:00:00\"\r\n"
                                       "0,\"11/7/2026\",\"23:45:00\",\"21:44:55\"\r\n");
    EXPECT_EQ(h.state.OpTime, 78295);
    EXPECT_NE(readFile("nspref.txt").find("\r\n78295\r\n"), std::string::npos);
}

TEST_F(OperatingTime, ClocksAndRunningTotalsTick) {
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblCurTime.caption, "9:00:05");
    EXPECT_EQ(h.model.Label16.caption, "PM");
    EXPECT_EQ(h.model.lblutctime.caption, "02:00:05");
    EXPECT_EQ(h.model.lblttrack.caption, "00:00:00"); // stopped: unchanged

    h.state.OpTime = 3600;
    h.logic.cmdLogOn_Click();
    h.clock.advanceMs(61000);
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblttrack.caption, "01:01:01");
    EXPECT_EQ(h.model.lbltimeon.caption, "00:01:01");

    // A new band restarts the time on band; the total goes on.
    h.logic.chooseBand("20");
    EXPECT_EQ(h.model.Label30.caption, "20");
    h.clock.advanceMs(1000);
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lbltimeon.caption, "00:00:01");
    EXPECT_EQ(h.model.lblttrack.caption, "01:01:02");
}

TEST_F(OperatingTime, TotalKeepsCountingPastNineHours) {
    h.state.OpTime = 32000;
    h.logic.cmdLogOn_Click();
    h.clock.advanceMs(1000 * 1000);
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblttrack.caption, "09:10:00");
    EXPECT_EQ(h.state.OpTimeRun, 33000);
}

TEST_F(OperatingTime, BandMenuSetsBandMarkAndPreferences) {
    h.logic.chooseBand("160");
    EXPECT_EQ(h.state.Band, "160");
    EXPECT_EQ(h.model.bandChecked, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_NE(readFile("nspref.txt").find("\r\n\"160\"\r\n"), std::string::npos);
    EXPECT_EQ(readFile("nsonoff.txt"), ""); // no journal record for a band change
}

TEST_F(OperatingTime, RatesCountTheLastTwentyAndSixtyMinutes) {
    const std::int64_t now = h.logic.utcNowSeconds();
    struct Case {
        std::vector<int> minutesAgo; // oldest first, as stored
        const char* rate20;
        const char* rate60;
    };
    const Case cases[] = {
        {{}, "0", "0"},
        {{70, 50, 30, 10}, "3", "3"},
        {{50, 30, 10, 70}, "0", "0"}, // the scan stops at the newest record if it is old
        {{59, 19}, "3", "2"},
        {{60, 20}, "0", "1"},
        {{-5}, "3", "1"}, // stamped in the future: counts in both
    };
    for (const Case& c : cases) {
        h.state.RecCount = 0;
        for (int m : c.minutesAgo)
            h.state.ContactLog[++h.state.RecCount] = stamped(now - m * 60);
        h.logic.TimeStats();
        EXPECT_EQ(h.model.lblAQSO20.caption, c.rate20) << c.minutesAgo.size();
        EXPECT_EQ(h.model.lblAQSO60.caption, c.rate60) << c.minutesAgo.size();
    }

    // A stamp damaged by hand is passed over.
    h.state.RecCount = 2;
    h.state.ContactLog[1] = stamped(now - 600);
    h.state.ContactLog[2] = stamped(now - 300);
    h.state.ContactLog[2].Time = "99:99";
    h.logic.TimeStats();
    EXPECT_EQ(h.model.lblAQSO20.caption, "3");
    EXPECT_EQ(h.model.lblAQSO60.caption, "1");
}

TEST_F(OperatingTime, ExitRecordsARunningClockOnly) {
    h.logic.mnuExit_Click();
    EXPECT_TRUE(h.port.ended);
    EXPECT_EQ(readFile("nsonoff.txt"), "");
}

TEST_F(OperatingTime, ClosingWhileRunningRecordsTheStop) {
    h.logic.cmdLogOn_Click();
    h.clock.advanceMs(7200 * 1000);
    h.logic.Timer2_Timer();
    h.logic.Form_Terminate();
    EXPECT_TRUE(h.port.ended);
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/7/2026\",\"02:00:05\",\"00:00:00\"\r\n"
                                       "0,\"11/7/2026\",\"04:00:05\",\"02:00:00\"\r\n");
    EXPECT_NE(readFile("nspref.txt").find("\r\n7200\r\n"), std::string::npos);
    EXPECT_EQ(h.state.LoggedOn, 0);
}

TEST_F(OperatingTime, EveryStopCountsTheTimeUpToTheStopItself) {
    enum class Stop { Button, Exit, Close };
    struct Case {
        Stop stop;
        std::int64_t tickAfterMs; // a clock tick this long after the start; -1: none
        std::int64_t stopAfterMs;
        int opTime;
        const char* shown;
    };
    const Case cases[] = {
        {Stop::Button, -1, 300, 3600, "01:00:00"},    // a double click
        {Stop::Exit, -1, 900, 3600, "01:00:00"},      // Enter, then Exit at once
        {Stop::Button, 1000, 2900, 3602, "01:00:02"}, // a stop between two ticks
        {Stop::Close, 1000, 61500, 3661, "01:01:01"},
    };
    for (const Case& c : cases) {
        LogicHarness h;
        h.startNewContest();
        h.state.OpTime = 3600;
        h.logic.cmdLogOn_Click();
        if (c.tickAfterMs >= 0) {
            h.clock.advanceMs(c.tickAfterMs);
            h.logic.Timer2_Timer();
        }
        h.clock.advanceMs(c.stopAfterMs - std::max<std::int64_t>(c.tickAfterMs, 0));
        if (c.stop == Stop::Button)
            h.logic.cmdLogOn_Click();
        else if (c.stop == Stop::Exit)
            h.logic.mnuExit_Click();
        else
            h.logic.Form_Terminate();
        const std::string prefs = readFile("nspref.txt");
        EXPECT_EQ(h.state.OpTime, c.opTime) << c.stopAfterMs;
        EXPECT_EQ(prefs.substr(prefs.rfind("\"\r\n") + 3), std::to_string(c.opTime) + "\r\n");
        const std::string journal = readFile("nsonoff.txt");
        EXPECT_EQ(journal.substr(journal.size() - 12), "\"" + std::string(c.shown) + "\"\r\n")
            << c.stopAfterMs;
    }
}

TEST_F(OperatingTime, FileNewStopsTheClockAndStartsTheNewContestFromNothing) {
    h.state.OpTime = 3600;
    h.logic.cmdLogOn_Click();
    h.clock.advanceMs(600 * 1000);
    h.logic.Timer2_Timer();

    h.port.answers = {Answer::No}; // kept: the clock runs on
    h.logic.mnuNew_Click();
    EXPECT_EQ(h.state.LoggedOn, 1);
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/7/2026\",\"02:00:05\",\"00:00:00\"\r\n");

    h.port.answers = {Answer::Yes};
    h.logic.mnuNew_Click();
    EXPECT_EQ(h.state.LoggedOn, 0);
    EXPECT_EQ(h.state.OpTime, 0);
    EXPECT_EQ(h.model.cmdLogOn.caption, "Log \"Time On\"");
    EXPECT_EQ(h.model.lblttrack.caption, "00:00:00");
    EXPECT_EQ(readFile("nsonoff.txt"), "");
    const std::string prefs = readFile("nspref.txt");
    EXPECT_EQ(prefs.substr(prefs.size() - 4), "\n0\r\n");

    // The new contest's journal begins with a start, and its total with nothing.
    h.clock.advanceMs(5000);
    h.logic.cmdLogOn_Click();
    h.clock.advanceMs(61000);
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblttrack.caption, "00:01:01");
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/7/2026\",\"02:10:10\",\"00:00:00\"\r\n");
}

TEST(UtcOffset, AChangeOfTheSystemsOffsetIsToldAtOnceAndAtEachCommit) {
    LogicHarness h;
    h.clock.setUtcOffsetSeconds(-4 * 3600); // daylight saving: UTC = local + 4
    h.startNewContest({"W1AW", "A", "85", "CT", 4, 0, 0});
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblDialog.caption.find("Setup"), std::string::npos);

    const std::string told = "Check the hours in Setup: the computer says UTC = local + 5 hours, "
                             "Setup adds 4 (daylight saving?).";
    h.clock.setUtcOffsetSeconds(-5 * 3600); // the clocks went back
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblDialog.caption, told);
    h.type("1aw1aw85ct\n");
    EXPECT_EQ(h.state.RecCount, 1);
    EXPECT_EQ(h.model.lblDialog.caption, told);
    EXPECT_EQ(h.state.ContactLog[1].Time, "01:00:05"); // still local + the hours set
    h.type("1");
    h.logic.Timer2_Timer(); // told once, not at every tick
    h.type("\n");
    EXPECT_EQ(h.model.lblDialog.caption, "Invalid Section"); // a refusal keeps its message

    h.port.stationReply.UtcHours = 5;
    h.logic.mnuSetup_Click();
    h.type("aw2aw85ct\n");
    EXPECT_EQ(h.state.RecCount, 2);
    EXPECT_EQ(h.model.lblDialog.caption, " ");
}

TEST(UtcOffset, OnlyAnOffsetTheHoursCanHoldIsCompared) {
    const std::int64_t offsets[] = {3600, -(3 * 3600 + 1800)}; // east of Greenwich; half hours
    for (std::int64_t offset : offsets) {
        LogicHarness h;
        h.clock.setUtcOffsetSeconds(offset);
        h.startNewContest();
        h.logic.Timer2_Timer();
        h.type("1aw1aw85ct\n");
        EXPECT_EQ(h.model.lblDialog.caption, " ") << offset;
    }
}

TEST(UtcOffset, WithoutPreferencesTheStationDialogProposesTheSystemsHours) {
    for (const bool saved : {false, true}) {
        TempDir dir;
        if (saved)
            writeFile("nspref.txt", "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n4\r\n");
        ContestState state;
        Form1Model model;
        FakeClock clock(localMs(2026, 11, 7, 12, 0, 0));
        clock.setUtcOffsetSeconds(-6 * 3600);
        FakePort port(clock);
        Form1Logic logic(state, model, clock, port, ShortDateForm{});
        logic.Form_Load();
        EXPECT_EQ(int{state.StationInfo.UtcHours}, saved ? 4 : 6);
    }
}

TEST(SteadyDurations, TheFallBackOfTheClocksDoesNotShortenTheTotals) {
    LogicHarness h;
    h.clock.setMs(localMs(2026, 11, 1, 1, 30, 0)); // 01:30 EDT, UTC = local + 4
    h.clock.setUtcOffsetSeconds(-4 * 3600);
    h.startNewContest({"W1AW", "A", "85", "CT", 4, 0, 0});
    h.state.OpTime = 600;
    h.logic.cmdLogOn_Click();
    h.clock.setMs(localMs(2026, 11, 1, 1, 15, 0)); // 45 minutes later: 01:15 EST
    h.clock.setUtcOffsetSeconds(-5 * 3600);
    h.logic.Timer2_Timer();
    EXPECT_EQ(h.model.lblCurTime.caption, "1:15:00"); // the wall clock is still shown
    EXPECT_EQ(h.model.lblttrack.caption, "00:55:00");
    EXPECT_EQ(h.model.lbltimeon.caption, "00:45:00");
    EXPECT_EQ(h.model.lbltimeleft.caption, "23:15:00");
    h.logic.cmdLogOn_Click();
    EXPECT_EQ(h.state.OpTime, 3300);
}

TEST(SteadyDurations, ARestartShowsAndJournalsTheStoredTotal) {
    LogicHarness h;
    h.startNewContest();
    h.state.OpTime = 3600;
    h.logic.cmdLogOn_Click();
    h.logic.mnuExit_Click();

    ContestState state;
    Form1Model model;
    FakePort port(h.clock);
    Form1Logic logic(state, model, h.clock, port, ShortDateForm{});
    logic.Form_Load();
    EXPECT_EQ(model.lblttrack.caption, "01:00:00");
    port.answers = {Answer::Yes};
    logic.windowShown();
    logic.cmdLogOn_Click();
    const std::string journal = readFile("nsonoff.txt");
    EXPECT_EQ(journal.substr(journal.size() - 12), "\"01:00:00\"\r\n");
}

TEST(UtcOffset, HalfHourZonesStampFromTheSystemsUtcClock) {
    LogicHarness h;
    h.clock.setMs(localMs(2026, 11, 7, 20, 0, 5));
    h.clock.setUtcOffsetSeconds(-(3 * 3600 + 1800)); // Newfoundland: UTC-3:30
    h.startNewContest({"VO1AA", "A", "85", "NL", 3, 0, 0});
    h.logic.Timer2_Timer();
    const std::string told = "This computer's clock is UTC-3:30: contacts are stamped from its "
                             "UTC clock, not with the hours in Setup.";
    EXPECT_EQ(h.model.lblDialog.caption, told);
    EXPECT_EQ(h.port.stationNotes, std::vector<std::string>{told});
    EXPECT_EQ(h.model.lblutctime.caption, "23:30:05");
    h.type("1aw1aw85ct\n");
    EXPECT_EQ(h.state.ContactLog[1].Time, "23:30:05");
    h.logic.Timer2_Timer(); // told once
    EXPECT_EQ(h.model.lblDialog.caption, " ");
}
