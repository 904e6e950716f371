#include "reports/DupeSheet.h"
#include "support/FakePrinter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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

std::vector<std::string> numberedCalls(int n) {
    std::vector<std::string> calls;
    for (int i = 0; i < n; ++i)
        calls.push_back("W1A" + std::to_string(1000 + i));
    return calls;
}

} // namespace

TEST(DupeSheet, FileOrdersByFirstDigitThenCall) {
    struct Case {
        const char* name;
        std::vector<std::string> calls;
        int sections;
        std::string file;
    };
    const Case cases[] = {
        {"areas in order, each by call",
         {"W9ABC", "N1XYZ", "K1ABC", "W3LPL"},
         2,
         "K1ABC\r\nN1XYZ\r\nW3LPL\r\nW9ABC\r\n\r\n"
         "Total Contacts 4    Total Sections 2   Total Score 16 \r\n"},
        {"first digit decides; no digit and empty first",
         {"VE6/W1AW", "K0RF", "ABC", "", "W1aw", "W1AW"},
         1,
         "\r\nABC\r\nK0RF\r\nW1AW\r\nW1aw\r\nVE6/W1AW\r\n\r\n"
         "Total Contacts 6    Total Sections 1   Total Score 12 \r\n"},
        {"empty log", {}, 0, "\r\nTotal Contacts 0    Total Sections 0   Total Score 0 \r\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const ContestState s = withCalls(c.calls, c.sections);
        ASSERT_TRUE(writeDupeSheet("ASCIIDup.txt", s).ok) << c.name;
        EXPECT_EQ(readFile("ASCIIDup.txt"), c.file) << c.name;
        EXPECT_EQ(s.ContactLog[1].Call, c.calls.empty() ? "" : c.calls[0]) << c.name;
    }
}

TEST(DupeSheet, TotalsLine) {
    ContestState s;
    s.RecCount = 123;
    s.SecWorked = 45;
    EXPECT_EQ(dupeTotalsLine(s), "Total Contacts 123    Total Sections 45   Total Score 11070 ");
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
    struct Case {
        const char* name;
        int calls;
        std::vector<std::size_t> pageSizes;
        bool secondPageHeader;
    };
    const Case cases[] = {
        {"empty log: totals alone", 0, {2}, false},
        {"47 calls and the totals on one page", 47, {8 + 47 + 2}, false},
        {"48 calls fill the page; the totals follow without a header", 48, {56, 2}, false},
        {"49 calls: the last one opens a page with a header", 49, {56, 8 + 1 + 2}, true},
    };
    for (const Case& c : cases) {
        const ContestState s = withCalls(numberedCalls(c.calls));
        PrintRecord rec;
        FakePrinter printer(rec);
        printDupeSheet(printer, s);
        const auto pages = rec.pages();
        ASSERT_EQ(pages.size(), c.pageSizes.size()) << c.name;
        for (std::size_t p = 0; p < pages.size(); ++p)
            EXPECT_EQ(pages[p].size(), c.pageSizes[p]) << c.name << " page " << p + 1;
        EXPECT_EQ(rec.events.front(), "font 11");
        const auto& last = pages.back();
        EXPECT_EQ(last[last.size() - 2], "") << c.name;
        EXPECT_EQ(last.back(), "   Total Contacts " + std::to_string(c.calls) +
                                   "    Total Sections 0   Total Score 0 ")
            << c.name;
        if (c.calls > 0) {
            EXPECT_EQ(std::vector<std::string>(pages[0].begin(), pages[0].begin() + 8), header);
            EXPECT_EQ(pages[0][8], "    W1A1000") << c.name;
        }
        if (c.secondPageHeader) {
            EXPECT_EQ(std::vector<std::string>(pages[1].begin(), pages[1].begin() + 8), header);
        }
    }
}
