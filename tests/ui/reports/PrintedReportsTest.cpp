// The printed log, dupe sheet and summary sheet as they come out of the Qt printer.

#include "core/SectionTable.h"
#include "reports/AsciiLog.h"
#include "reports/DupeSheet.h"
#include "reports/SummarySheet.h"
#include "ui/print/QtPrinter.h"

#include "PdfText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::QtPrinter;

namespace {

const StationData Station{"W1AW", "A", "85", "CT", 0, ModeCW, 0};

std::string callOf(int i) {
    return std::string("K") + char('0' + i % 10) + char('A' + i / 26 % 26) + char('A' + i % 26);
}

// n contacts, all in Connecticut, as a state whose log holds them.
ContestState contestOf(int n) {
    ContestState s;
    s.StationInfo = Station;
    for (int i = 1; i <= n; ++i)
        s.ContactLog[i] = {std::to_string(i), "7",        "B", callOf(i), "72", "CT",
                           "11/7/2026",       "21:05:33", "40"};
    s.RecCount = n;
    s.SecCount[std::size_t(sectionLookup("CT"))] = std::int16_t(n);
    s.SecWorked = n > 0 ? 1 : 0;
    return s;
}

std::vector<std::vector<std::string>> printed(const std::function<void(PrinterPort&)>& print) {
    {
        QtPrinter job("Test.pdf", QtPrinter::Target::Pdf);
        print(job);
        EXPECT_TRUE(job.endJob()) << job.error();
    }
    return pdfPages("Test.pdf");
}

int countStarting(const std::vector<std::string>& lines, const std::string& start) {
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.rfind(start, 0) == 0; }));
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(PrintedLog, FortySixRecordsAPageUnderTheHeader) {
    TempDir dir;
    const ContestState state = contestOf(47);
    AsciiLogInputs inputs;
    for (int i = 1; i <= 47; ++i)
        inputs.contacts.push_back(state.ContactLog[i]);
    const AsciiLogListing listing = mergeAsciiLog(std::move(inputs));
    const auto pages = printed([&](PrinterPort& p) { printAsciiLog(p, Station, listing); });
    ASSERT_EQ(pages.size(), 2u);
    for (const auto& page : pages) {
        ASSERT_GE(page.size(), 5u);
        EXPECT_EQ(page[0], "ARRL Sweepstakes");
        EXPECT_EQ(page[1], "Call Used: W1AW ARRL Section: CT");
        EXPECT_EQ(page[2], "Sent: A W1AW 85 CT CW CONTEST");
        EXPECT_EQ(page[3], "Bnd Date Time NrS NrR P Stn Wrkd Ck Section Points");
    }
    EXPECT_EQ(countStarting(pages[0], "40 11/7/2026 2105 "), 46);
    EXPECT_EQ(countStarting(pages[1], "40 11/7/2026 2105 "), 1);
    EXPECT_EQ(pages[0][4], "40 11/7/2026 2105 1 7 B K1AB 72 CT New! 1 2");
    EXPECT_EQ(pages[1][4], "40 11/7/2026 2105 47 7 B K7BV 72 CT 94");
}

TEST(PrintedDupeSheet, FortyEightCallsAPageThenTheTotals) {
    struct Case {
        int contacts;
        int callsOnSecondPage;
        std::string totals;
    };
    const Case cases[] = {
        {49, 1, "Total Contacts 49 Total Sections 1 Total Score 98"},
        {48, 0, "Total Contacts 48 Total Sections 1 Total Score 96"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contacts);
        TempDir dir;
        const ContestState state = contestOf(c.contacts);
        const auto pages = printed([&](PrinterPort& p) { printDupeSheet(p, state); });
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0][0], "ARRL Sweepstakes");
        EXPECT_EQ(pages[0][1], "Dupe Sheet");
        EXPECT_EQ(pages[0][2], "Call Used: W1AW ARRL Section: CT");
        EXPECT_EQ(pages[0][3], "Sent: A W1AW 85 CT CW CONTEST");
        EXPECT_EQ(countStarting(pages[0], "K"), 48);
        EXPECT_EQ(countStarting(pages[1], "K"), c.callsOnSecondPage);
        // A page begun by a call has its header; one begun by the totals has none.
        EXPECT_EQ(has(pages[1], "Dupe Sheet"), c.callsOnSecondPage > 0);
        EXPECT_EQ(pages[1].back(), c.totals);
    }
}

TEST(PrintedSummarySheet, TitleBlockPageBreakAndNameColumns) {
    TempDir dir;
    const ContestState state = contestOf(3);
    SummaryDetails details;
    details.name = "Hiram";
    details.address1 = "225 Main";
    details.address2 = "Newington";
    const auto pages = printed([&](PrinterPort& p) { printSummarySheet(p, state, details); });
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].front(), "ARRL NOVEMBER SWEEPSTAKES CW CONTEST");
    EXPECT_EQ(pages[0].back(), "Date __________ Signature ___________________ Call ______________");
    EXPECT_TRUE(has(pages[0], "Scoring: 6 QSO points X 1 sections = 6 claimed score"));
    EXPECT_EQ(pages[1].front(), "Sections worked:");
    EXPECT_EQ(pages[1][1], "CT");
    EXPECT_TRUE(has(pages[1], "Name: Hiram Call: W1AW"));
    EXPECT_EQ(pages[1].back(), "Email Address:");

    const auto words = pdfWords("Test.pdf");
    const PdfWord title = findWord(words, "NOVEMBER"), sections = findWord(words, "Sections", 1);
    EXPECT_NEAR(title.height / sections.height, 16.0 / 11.0, 0.1);
    const PdfWord name = findWord(words, "Hiram"), street = findWord(words, "225", 1),
                  town = findWord(words, "Newington", 1), label = findWord(words, "Name:");
    // The addresses stand at column 26; the name reaches about there by its label's
    // spaces, which are narrower than an average character.
    EXPECT_NEAR(town.x, street.x, 0.1);
    EXPECT_NEAR(name.x, street.x, 6.0);
    EXPECT_NEAR(findWord(words, "Sections", 1).x, label.x, 0.1); // both from column 15
    EXPECT_GT(name.x, label.x);
}
