// The operating clock on its own: its journal, its saves and the zones it can compare.

#include "entry/OperatingClock.h"
#include "core/OnOffFile.h"
#include "support/FakePort.h"
#include "support/LogicHarness.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

struct ClockRig {
    TempDir dir;
    ContestState state;
    Form1Model model;
    FakeClock clock{localMs(2026, 11, 7, 21, 0, 5)};
    FakePort port{clock};
    ShortDateForm form;
    int saves = 0;
    OperatingClock opClock{state, model, clock, port, form, "nsonoff.txt", [this] { ++saves; }};
};

} // namespace

TEST(OperatingClock, StartAndStopJournalWithTheStationsHoursAndOnlyTheStopSaves) {
    ClockRig r;
    r.state.StationInfo.UtcHours = 5;
    r.opClock.toggle();
    EXPECT_EQ(r.saves, 0);
    r.clock.advanceMs(90'000);
    r.opClock.tick();
    EXPECT_EQ(r.model.lblttrack.caption, "00:01:30");
    r.opClock.toggle();
    EXPECT_EQ(r.saves, 1);
    EXPECT_EQ(r.state.OpTime, 90);
    const OnOffJournal journal = readOnOff("nsonoff.txt");
    ASSERT_EQ(journal.records.size(), 2u);
    EXPECT_EQ(journal.records[0], (OnOffRecord{1, "11/8/2026", "02:00:05", "00:00:00"}));
    EXPECT_EQ(journal.records[1], (OnOffRecord{0, "11/8/2026", "02:01:35", "00:01:30"}));
    r.opClock.stopAtExit(); // already stopped: nothing more
    EXPECT_EQ(r.saves, 1);
    EXPECT_EQ(readOnOff("nsonoff.txt").records.size(), 2u);
}

TEST(OperatingClock, OnlyWholeHoursWestOfGreenwichAreSystemHours) {
    struct Case {
        std::optional<std::int64_t> offset;
        std::optional<int> hours;
        bool halfHour;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, false},
        {0, 0, false},
        {-5 * 3600, 5, false},
        {-255 * 3600, 255, false},
        {-256 * 3600, std::nullopt, false},
        {3600, std::nullopt, false},
        {-(3 * 3600 + 1800), std::nullopt, true},
    };
    for (const Case& c : cases) {
        ClockRig r;
        r.clock.setUtcOffsetSeconds(c.offset);
        EXPECT_EQ(r.opClock.systemUtcHours(), c.hours) << c.offset.value_or(-1);
        EXPECT_EQ(r.opClock.halfHourZone(), c.halfHour) << c.offset.value_or(-1);
    }
    ClockRig r;
    r.clock.setUtcOffsetSeconds(-(3 * 3600 + 1800));
    EXPECT_EQ(r.opClock.halfHourNote(), "This computer's clock is UTC-3:30: contacts are stamped "
                                        "from its UTC clock, not with the hours in Setup.");
}
