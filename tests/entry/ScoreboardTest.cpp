#include "entry/BandStats.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

void addContacts(ContestState& s,
                 const std::vector<std::pair<const char*, const char*>>& secBands) {
    for (const auto& [sec, band] : secBands) {
        ++s.RecCount;
        Contact& c = s.ContactLog[s.RecCount];
        c = {std::to_string(s.RecCount),
             "1",
             "A",
             "W" + std::to_string(s.RecCount) + "AA",
             "85",
             sec,
             "11/7/2026",
             "02:00:05",
             band};
    }
}

} // namespace

TEST(Scoreboard, SectionPopUpCountsBands) {
    LogicHarness h;
    addContacts(h.state, {{"CT", "40"},
                          {"CT", "40"},
                          {"CT", "40"},
                          {"CT", "20"},
                          {"EMA", "40"},
                          {"CT", "17"},
                          {"ct", "40"}});
    h.logic.Label10_MouseMove(1);
    EXPECT_EQ(h.model.lblDupe.caption, "  Connecticut    Total = 4" + std::string(40, ' ') +
                                           "   160 = 0    80 = 0    40 = 3    20 = 1    15 = 0"
                                           "    10 = 0");
    EXPECT_EQ(h.model.lblDupe.fontSize, 8.0);

    h.logic.Form_MouseMove();
    EXPECT_EQ(h.model.lblDupe.caption, "");

    // Twice on every band: total 12; the longest name leaves less fill.
    LogicHarness g;
    addContacts(g.state, {{"NWT", "160"},
                          {"NWT", "80"},
                          {"NWT", "40"},
                          {"NWT", "20"},
                          {"NWT", "15"},
                          {"NWT", "10"},
                          {"NWT", "160"},
                          {"NWT", "80"},
                          {"NWT", "40"},
                          {"NWT", "20"},
                          {"NWT", "15"},
                          {"NWT", "10"}});
    g.logic.Label10_MouseMove(79);
    // L = 27, D = 2 (26): 64 - int(29 / 0.53) = 10 spaces
    EXPECT_EQ(g.model.lblDupe.caption, "  Northwest Territories-Yukon    Total = 12" +
                                           std::string(10, ' ') +
                                           "   160 = 2    80 = 2    40 = 2    20 = 2    15 = 2"
                                           "    10 = 2");
}

TEST(Scoreboard, CellClickFillsTheSectionField) {
    LogicHarness h;
    h.startNewContest();
    h.model.txtSec.setText("X");
    h.logic.Label10_Click(2);
    EXPECT_EQ(h.model.txtSec.text, "EMA");
    EXPECT_EQ(h.model.focus, Field::txtNum);
}

TEST(Scoreboard, RecentListRowsNewestFirst) {
    struct Case {
        int count;
        bool all;
        int first;
        int last;
        std::size_t rows;
    };
    const Case cases[] = {
        {0, false, 0, 0, 0},    {19, false, 19, 1, 19}, {20, false, 20, 1, 20},
        {25, false, 25, 6, 20}, {25, true, 25, 1, 25},  {0, true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        LogicHarness h;
        h.state.RecCount = c.count;
        h.state.ListAll = c.all ? 1 : 0;
        const auto rows = h.logic.recentRecords();
        ASSERT_EQ(rows.size(), c.rows) << c.count;
        if (!rows.empty()) {
            EXPECT_EQ(rows.front(), c.first);
            EXPECT_EQ(rows.back(), c.last);
        }
    }
}

TEST(Scoreboard, ListButtonNamesTheModeInForce) {
    LogicHarness h;
    h.startNewContest();
    h.logic.callopt_Click();
    const int version = h.model.listVersion;
    h.logic.cmdList_Click();
    EXPECT_EQ(h.model.cmdList.caption, "All");
    EXPECT_EQ(h.state.ListAll, 1);
    EXPECT_EQ(h.model.focus, Field::txtCall);
    EXPECT_GT(h.model.listVersion, version);
    h.logic.cmdList_Click();
    EXPECT_EQ(h.model.cmdList.caption, "Last 20");
    EXPECT_EQ(h.state.ListAll, 0);
}

TEST(BandStatistics, CountsAndWholePercentages) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> contacts;
        std::array<const char*, 13> figures;
    };
    const Case cases[] = {
        {{}, {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
        {{{"CT", "40"}, {"CT", "40"}, {"CT", "40"}, {"CT", "20"}},
         {"0", "0", "3", "1", "0", "0", "0", "0", "75", "25", "0", "0", "4"}},
        {{{"CT", "160"}, {"CT", "80"}, {"CT", "40"}},
         {"1", "1", "1", "0", "0", "0", "33", "33", "33", "0", "0", "0", "3"}},
        {{{"CT", "17"}, {"CT", "10"}},
         {"0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0", "50", "2"}},
    };
    for (const Case& c : cases) {
        ContestState s;
        addContacts(s, c.contacts);
        const BandStatistics stats = computeBandStatistics(s);
        for (std::size_t i = 0; i < 13; ++i)
            EXPECT_EQ(stats.lblcon[i], c.figures[i]) << c.contacts.size() << " lblcon " << i;
    }
}
