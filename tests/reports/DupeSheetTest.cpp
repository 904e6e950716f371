#include "reports/DupeSheet.h"
#include "support/FakePrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantor;
using namespace vantor::test;

namespace {

ContestState withCalls(const std::vector<std::string>& calls, int sections = 0) {
    ContestState s;
    s.StationInfo = {"W1AW", "A", "85", "CT", 0, ModePhone, 0};
    for (const auto& call : calls)
        s.ContactLog[++s.RecCount].Call = call;
    s.SecWorked = static_cast<std::uint8_t>(sections);
    return s;
}

} // namespace

TEST(DupeSheet, FileOrdersByFirstDigitThenCall) {
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"W9ABC", "N1XYZ", "K1ABC", "W3LPL"},
         2,
         "K1ABC\r\nN1XYZ\r\nW3LPL\r\nW9ABC\r\n\r\n"
         "Total Contacts 4    Total Sections 2   Total Score 16 \r\n"},
        // The first digit decides; calls without one (the empty call too) come first.
        {{"VE6/W1AW", "K0RF", "ABC", "", "W1aw", "W1AW"},
         1,
         "\r\nABC\r\nK0RF\r\nW1AW\r\nW1aw\r\nVE6/W1AW\r\n\r\n"
         "Total Contacts 6    Total Sections 1   Total Score 12 \r\n"},
        {{}, 0, "\r\nTotal Contacts 0    Total Sections 0   Total Score 0 \r\n"},
    };
    for (const auto& [calls, sections, file] : cases) {
        const ContestState s = withCalls(calls, sections);
        EXPECT_EQ(joinReportLines(dupeSheetLines(s)), file);
        EXPECT_EQ(s.ContactLog[1].Call, calls.empty() ? "" : calls[0]); // log order kept
    }
    ContestState big;
    big.RecCount = 123;
    big.SecWorked = 45;
    EXPECT_EQ(dupeTotalsLine(big), "Total Contacts 123    Total Sections 45   Total Score 11070 ");
}

TEST(DupeSheet, PrintedPagesHoldAHeaderAnd48Calls) {
    const std::vector<std::string> header = {
        "",
        std::string(38, ' ') + "ARRL Sweepstakes",
        std::string(43, ' ') + "Dupe Sheet",
        "",
        "   Call Used: W1AW" + std::string(33, ' ') + "ARRL Section: CT",
        "   Sent: A W1AW 85 CT" + std::string(30, ' ') + "PHONE CONTEST",
        "",
        ""};
    // Calls, then the lines of each page, and whether the last page opens with a header.
    const std::tuple<int, std::vector<std::size_t>, bool> cases[] = {
        {0, {2}, false},          // the empty line and the totals alone
        {47, {8 + 47 + 2}, true}, // one page
        {48, {56, 2}, false},     // a full page; the totals follow with no header
        {49, {56, 8 + 1 + 2}, true},
    };
    for (const auto& [count, sizes, lastHasHeader] : cases) {
        std::vector<std::string> calls;
        for (int i = 0; i < count; ++i)
            calls.push_back("W1A" + std::to_string(1000 + i));
        PrintRecord rec;
        FakePrinter printer(rec);
        printDupeSheet(printer, withCalls(calls));
        EXPECT_EQ(rec.events.front(), "font 11");
        const auto pages = rec.pages();
        ASSERT_EQ(pages.size(), sizes.size()) << count;
        for (std::size_t p = 0; p < pages.size(); ++p)
            EXPECT_EQ(pages[p].size(), sizes[p]) << count << " page " << p + 1;
        const auto& last = pages.back();
        EXPECT_EQ(last.size() >= 8 && std::equal(header.begin(), header.end(), last.begin()),
                  lastHasHeader)
            << count;
        EXPECT_EQ(std::vector<std::string>(last.end() - 2, last.end()),
                  (std::vector<std::string>{"", "   Total Contacts " + std::to_string(count) +
                                                    "    Total Sections 0   Total Score 0 "}));
        if (count > 0) {
            EXPECT_EQ(pages[0][8], "    W1A1000");
        }
    }
}
