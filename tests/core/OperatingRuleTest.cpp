#include "core/OperatingRule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantor;

namespace {

// UTC seconds of 7 November 2026 plus hours, minutes and seconds.
std::int64_t at(int h, int m = 0, int s = 0) {
    return toSeconds({{2026, 11, 7}, 0, 0, 0}) + h * 3600 + m * 60 + s;
}

// A record at a moment given as hours after midnight of 7 November.
OnOffRecord rec(int flag, int h, int m = 0, int s = 0) {
    const CivilDateTime t = toCivil(at(h, m, s));
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return {flag, ShortDateForm{}.format(t.date), time, "00:00:00"};
}

} // namespace

TEST(OperatingRule, ShortPausesCountAndLongOnesAreTimesOff) {
    const struct {
        const char* what;
        std::vector<OnOffRecord> journal;
        std::int64_t now;
        std::int64_t counted;
        std::vector<TimeOff> offs;
        std::optional<std::int64_t> limit;
    } cases[] = {
        {"empty journal", {}, at(30), 0, {}, std::nullopt},
        {"one closed hour", {rec(1, 21), rec(0, 22)}, at(30), 3600, {}, std::nullopt},
        {"pause of 29:59 counts",
         {rec(1, 21), rec(0, 22), rec(1, 22, 29, 59), rec(0, 23, 29, 59)},
         at(30),
         7200 + 1799,
         {},
         std::nullopt},
        {"pause of 30:00 is a time off",
         {rec(1, 21), rec(0, 22), rec(1, 22, 30), rec(0, 23, 30)},
         at(30),
         7200,
         {{at(22), at(22, 30)}},
         std::nullopt},
        {"open run counts up to now", {rec(1, 21)}, at(21, 1, 40), 100, {}, at(45)},
        {"stop without start ignored; a lost stop without contacts ends at its start",
         {rec(0, 20), rec(1, 21), rec(1, 22), rec(0, 23)},
         at(30),
         3600,
         {{at(21), at(22)}},
         std::nullopt},
        {"a run of 25 hours reaches the limit after 24",
         {rec(1, 0), rec(0, 25)},
         at(30),
         90000,
         {},
         at(24)},
        {"the limit falls in a short pause",
         {rec(1, 0), rec(0, 23, 50), rec(1, 24, 10), rec(0, 26)},
         at(27),
         23 * 3600 + 50 * 60 + 20 * 60 + 110 * 60,
         {},
         at(24)},
        {"a long time off does not count toward the limit",
         {rec(1, 0), rec(0, 20), rec(1, 21), rec(0, 26)},
         at(27),
         25 * 3600,
         {{at(20), at(21)}},
         at(25)},
    };
    for (const auto& c : cases) {
        const auto runs = clockRuns(c.journal, ShortDateForm{}, 2026);
        EXPECT_EQ(countedSeconds(runs, c.now), c.counted) << c.what;
        EXPECT_EQ(timesOff(runs), c.offs) << c.what;
        EXPECT_EQ(limitReachedAt(runs), c.limit) << c.what;
    }
}

TEST(OperatingRule, ARunWhoseStopWasLostEndsAtItsLastContact) {
    const std::vector<std::int64_t> stamps = {at(23, 30), at(21, 40), at(22, 10)};
    // Another start follows: the run ends at its last contact before that start.
    auto runs = clockRuns({rec(1, 21), rec(1, 23), rec(0, 24)}, ShortDateForm{}, 2026, stamps);
    EXPECT_EQ(runs, (std::vector<ClockRun>{{at(21), at(22, 10)}, {at(23), at(24)}}));
    EXPECT_EQ(timesOff(runs), (std::vector<TimeOff>{{at(22, 10), at(23)}}));
    // The last run is open: still going while the clock runs, ended when it does not.
    runs = clockRuns({rec(1, 21)}, ShortDateForm{}, 2026, stamps, true);
    EXPECT_EQ(countedSeconds(runs, at(25)), 4 * 3600);
    runs = clockRuns({rec(1, 21)}, ShortDateForm{}, 2026, stamps, false);
    EXPECT_EQ(countedSeconds(runs, at(25)), 2 * 3600 + 30 * 60);
}
