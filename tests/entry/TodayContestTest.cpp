#include "entry/Form2Logic.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

// The clock of the harness reads 21:00:05 local, 02:00:05 UTC on 8 November.
TEST(TimeLeft, ShownAndWarnedAsThe24HoursRunOutWhileLoggingGoesOn) {
    LogicHarness h;
    // 23 h 20 min operated, then a time off of 40 min 5 s up to now.
    writeFile("nsonoff.txt", "1,\"11/7/2026\",\"02:00:00\",\"00:00:00\"\r\n"
                             "0,\"11/8/2026\",\"01:20:00\",\"23:20:00\"\r\n");
    writeFile("log.txt", "");
    h.port.answers = {Answer::Yes};
    h.logic.windowShown();
    EXPECT_EQ(h.model.lbltimeleft.caption, "00:40:00");

    const struct {
        int advanceSeconds;
        const char* left;
        const char* dialog; // nullptr: as the step before left it
    } steps[] = {
        {0, "00:40:00", " "},
        {599, "00:30:01", nullptr},
        {1, "00:30:00", "30 minutes of the 24 operating hours are left."},
        {60, "00:29:00", nullptr},
        {1740, "00:00:00",
         "The 24 operating hours are used up: contacts from now on do not count for the score."},
    };
    h.logic.cmdLogOn_Click();
    std::string dialog = h.model.lblDialog.caption;
    for (const auto& s : steps) {
        h.clock.advanceMs(s.advanceSeconds * 1000);
        h.logic.Timer2_Timer();
        if (s.dialog)
            dialog = s.dialog;
        EXPECT_EQ(h.model.lbltimeleft.caption, s.left) << s.advanceSeconds;
        EXPECT_EQ(h.model.lblDialog.caption, dialog) << s.advanceSeconds;
        h.model.lblDialog.caption = dialog; // a warning is given once, not at every tick
    }

    h.type("1aw1aw85ct\n");
    EXPECT_EQ(h.state.RecCount, 1); // never refused

    // A stop and a new start within 30 minutes: the pause still counts.
    h.logic.cmdLogOn_Click();
    h.clock.advanceMs(600000);
    h.logic.cmdLogOn_Click();
    EXPECT_EQ(h.model.lbltimeleft.caption, "00:00:00");
}

// The 24-hour rule, the ASCII log and the Cabrillo 3.0 file all read the journal; none
// of them goes on silently from a part of it.
TEST(TimeLeft, EveryReaderOfADamagedJournalSaysWhereItStopped) {
    const std::string on = "1,\"11/7/2026\",\"02:00:00\",\"00:00:00\"\r\n";
    const std::pair<std::string, const char*> cases[] = {
        {on + "0,\"11/7/2026\"", "nsonoff.txt could be read only up to line 2,"},
        {on + "\r\nx,\"11/7/2026\",\"03:00:00\",\"01:00:00\"\r\n" + on,
         "nsonoff.txt could be read only up to line 3,"},
    };
    for (const auto& [journal, told] : cases) {
        LogicHarness h;
        writeFile("log.txt", formatLogLine({"1", "5", "A", "K1XX", "85", "CT", "11/7/2026",
                                            "02:30:00", "40"}));
        writeFile("nsonoff.txt", journal);
        h.port.useStationReply = true;
        h.port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
        h.port.answers = {Answer::Yes};
        h.logic.windowShown();
        EXPECT_NE(h.model.lblDialog.caption.find(told), std::string::npos)
            << h.model.lblDialog.caption;

        h.logic.mnuAsciiLog_Click();
        EXPECT_NE(h.model.lblDialog.caption.find(told), std::string::npos)
            << h.model.lblDialog.caption;
        EXPECT_FALSE(fileExists("ASCIILog.txt"));

        h.state.Sections = &Sections85;
        Form2Logic summary(h.state, h.port, ShortDateForm{}, 2026);
        summary.Command4_Click();
        EXPECT_NE(h.port.boxes.back().text.find(told), std::string::npos)
            << h.port.boxes.back().text;
        EXPECT_FALSE(fileExists("W1AW.log"));
    }
}
