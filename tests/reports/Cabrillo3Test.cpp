#include "reports/Cabrillo3.h"
#include "reports/AsciiLog.h"
#include "reports/SummarySheet.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantor;
using namespace vantor::test;

namespace {

// A CW contest of today's sections: one time off of 10 minutes (operating time by the
// rule) and one of 45 minutes; the 24 hours run out at 21:45:00 UTC on 8 November.
struct Contest {
    ContestState state;
    SummaryDetails details;
    std::vector<ClockRun> runs;

    Contest() {
        state.Sections = &Sections85;
        state.StationInfo = {"K6XX", "A", "85", "EB", 8, ModeCW, 0};
        const Contact contacts[] = {
            {"1", "12", "B", "K1AA", "72", "CT", "11/7/2026", "21:05:10", "40"},
            {"2", "3", "Q", "VY2AA", "99", "PE", "11/8/2026", "09:20:00", "20"},
            {"3", "145", "U", "VE3AA", "01", "GH", "11/8/2026", "21:45:00", "80"},
            {"4", "1234", "M", "VE8AA", "60", "TER", "11/8/2026", "21:50:00", "40"},
        };
        for (const Contact& c : contacts)
            state.ContactLog[++state.RecCount] = c;
        details.club = "Northern California Contest Club";
        details.name = "Ann Example";
        details.address1 = "1 Main St";
        details.address2 = "Oakland CA";
        details.email = "ann@example.org";
        details.soapbox = "Fun.";
        const std::vector<OnOffRecord> journal = {
            {1, "11/7/2026", "21:00:00", "00:00:00"}, {0, "11/8/2026", "09:00:00", "12:00:00"},
            {1, "11/8/2026", "09:10:00", "12:00:00"}, {0, "11/8/2026", "19:00:00", "21:50:00"},
            {1, "11/8/2026", "19:45:00", "21:50:00"}, {0, "11/8/2026", "23:00:00", "25:05:00"},
        };
        runs = clockRuns(journal, ShortDateForm{}, 2026);
    }
};

} // namespace

TEST(Cabrillo3, WholeFileOfASmallContest) {
    Contest c;
    TempDir dir;
    ASSERT_TRUE(writeCabrillo3("K6XX.log", c.state, c.details, c.runs, ShortDateForm{}, 2026).ok);
    EXPECT_EQ(
        readFile("K6XX.log"),
        "START-OF-LOG: 3.0\r\n"
        "CONTEST: ARRL-SS-CW\r\n"
        "CALLSIGN: K6XX\r\n"
        "LOCATION: EB\r\n"
        "CATEGORY-OPERATOR: SINGLE-OP\r\n"
        "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
        "CATEGORY-BAND: ALL\r\n"
        "CATEGORY-MODE: CW\r\n"
        "CATEGORY-POWER: LOW\r\n"
        "CATEGORY-TRANSMITTER: ONE\r\n"
        "CATEGORY-STATION: FIXED\r\n"
        "CLAIMED-SCORE: 18\r\n"
        "CLUB: Northern California Contest Club\r\n"
        "CREATED-BY: Vantor 2.5\r\n"
        "NAME: Ann Example\r\n"
        "ADDRESS: 1 Main St\r\n"
        "ADDRESS: Oakland CA\r\n"
        "EMAIL: ann@example.org\r\n"
        "OPERATORS: K6XX\r\n"
        "SOAPBOX: Fun.\r\n"
        "OFFTIME: 2026-11-08 1900 2026-11-08 1945\r\n"
        "QSO:  7000 CW 2026-11-07 2105 K6XX             1 A 85 EB  K1AA            12 B 72 CT\r\n"
        "QSO: 14000 CW 2026-11-08 0920 K6XX             2 A 85 EB  VY2AA            3 Q 99 PE\r\n"
        "QSO:  3500 CW 2026-11-08 2145 K6XX             3 A 85 EB  VE3AA          145 U 01 GH\r\n"
        "QSO:  7000 CW 2026-11-08 2150 K6XX             4 A 85 EB  VE8AA         1234 M 60 TER\r\n"
        "END-OF-LOG:\r\n");
}

TEST(Cabrillo3, CategoriesFollowTheChoicesAndThePrecedence) {
    using Cat = SummaryDetails::Category;
    using Pow = SummaryDetails::Power;
    const struct {
        Cat category;
        Pow power;
        const char* pre;
        std::string expected; // OPERATOR ASSISTED BAND MODE [POWER] TRANSMITTER STATION
    } cases[] = {
        {Cat::SingleOpAssisted, Pow::High, "B", "SINGLE-OP ASSISTED ALL CW HIGH ONE FIXED"},
        {Cat::SingleOp, Pow::None, "Q", "SINGLE-OP NON-ASSISTED ALL CW QRP ONE FIXED"},
        {Cat::SingleOp, Pow::Low, "U", "SINGLE-OP ASSISTED ALL CW LOW ONE FIXED"},
        {Cat::MultiTwo, Pow::High, "M", "MULTI-OP ASSISTED ALL CW HIGH TWO FIXED"},
        {Cat::SchoolClub, Pow::None, "S", "MULTI-OP ASSISTED ALL CW ONE SCHOOL"},
        {Cat::Checklog, Pow::None, "X", "CHECKLOG NON-ASSISTED ALL CW ONE FIXED"},
    };
    for (const auto& k : cases) {
        Contest c;
        c.details.category = k.category;
        c.details.power = k.power;
        c.state.StationInfo.MyPre = k.pre;
        std::vector<std::string> lines;
        ASSERT_TRUE(cabrillo3Lines(c.state, c.details, c.runs, ShortDateForm{}, 2026, lines).ok);
        std::string categories;
        for (const std::string& l : lines)
            if (l.rfind("CATEGORY-", 0) == 0)
                categories += (categories.empty() ? "" : " ") + l.substr(l.find(": ") + 2);
        EXPECT_EQ(categories, k.expected) << k.pre;
    }
}

TEST(Cabrillo3, FileNamesAndUnreadableStamps) {
    const std::pair<const char*, const char*> names[] = {
        {"K6XX", "K6XX.log"},
        {"N6TW/7", "N6TW-7.log"},
        {"VE3/K1AA/P", "VE3-K1AA-P.log"},
        {"../X", "---X.log"},
        {"", ""},
    };
    for (const auto& [call, name] : names)
        EXPECT_EQ(cabrillo3FileName(call), name) << call;

    Contest c;
    c.state.ContactLog[2].Time = "9:6x";
    std::vector<std::string> lines{"old"};
    const ReportResult r = cabrillo3Lines(c.state, c.details, c.runs, ShortDateForm{}, 2026, lines);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Contact 2 has a date or time that cannot be read (\"11/8/2026 9:6x\"); "
                       "correct it and write the Cabrillo file again.");
    EXPECT_EQ(lines, std::vector<std::string>{"old"});
}

TEST(TodaysSections, TheOtherOutputsCountAndListThem) {
    Contest c;
    sectionRecount(c.state);
    EXPECT_EQ(c.state.SecWorked, 4);
    const auto lines = summarySheetLines(c.state, c.details);
    const auto after = [&lines](const std::string& heading) {
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == heading)
                return lines[i + 1];
        return std::string("missing");
    };
    EXPECT_EQ(after("Sections worked:"), " CT GH PE TER");
    const std::string notWorked = after("Sections not worked:");
    EXPECT_EQ(notWorked.substr(0, 8), " EMA ME ");
    EXPECT_EQ(notWorked.find(" MAR"), std::string::npos);

    // New-section markers of the traditional log follow the list as well.
    std::vector<Contact> contacts;
    for (int i = 1; i <= c.state.RecCount; ++i)
        contacts.push_back(c.state.ContactLog[i]);
    const struct {
        const SectionList* list;
        std::vector<std::string> markers;
    } cases[] = {
        {&Sections85, {"  New! 1", "  New! 2", "  New! 3", " New! 4"}},
        {&Sections79, {"  New! 1", "", "", ""}},
    };
    for (const auto& k : cases) {
        const AsciiLogListing l = mergeAsciiLog({contacts, {}}, *k.list);
        std::vector<std::string> markers;
        for (const AsciiLogEntry& e : l.entries)
            markers.push_back(e.marker);
        EXPECT_EQ(markers, k.markers) << k.list->rows;
    }
}

TEST(Cabrillo3, PowerFollowsThePrecedenceAndAContradictionIsRefused) {
    using Pow = SummaryDetails::Power;
    const struct {
        const char* pre;
        Pow power;
        const char* expected; // the CATEGORY-POWER value; "" none; null: refused
    } cases[] = {
        {"Q", Pow::None, "QRP"},   {"A", Pow::None, "LOW"},  {"B", Pow::None, "HIGH"},
        {"B", Pow::High, "HIGH"},  {"B", Pow::Low, nullptr}, {"Q", Pow::Low, nullptr},
        {"A", Pow::High, nullptr}, {"U", Pow::High, "HIGH"}, {"M", Pow::None, ""},
    };
    for (const auto& k : cases) {
        Contest c;
        c.state.StationInfo.MyPre = k.pre;
        c.details.power = k.power;
        std::vector<std::string> lines;
        const ReportResult r =
            cabrillo3Lines(c.state, c.details, c.runs, ShortDateForm{}, 2026, lines);
        if (!k.expected) {
            EXPECT_FALSE(r.ok) << k.pre;
            EXPECT_NE(r.error.find("precedence " + std::string(k.pre)), std::string::npos)
                << r.error;
            continue;
        }
        ASSERT_TRUE(r.ok) << k.pre << " " << r.error;
        std::string power;
        for (const std::string& l : lines)
            if (l.rfind("CATEGORY-POWER: ", 0) == 0)
                power = l.substr(16);
        EXPECT_EQ(power, k.expected) << k.pre;
    }
}

TEST(Cabrillo3, ContactsNoReaderCanTakeAreListedAndNothingIsWritten) {
    Contest c;
    c.state.ContactLog[1].Bnd = "6";
    c.state.ContactLog[2].Ck = "7";
    c.state.ContactLog[3].Pre = "X";
    c.state.ContactLog[4].Ck = "6O";
    TempDir dir;
    const ReportResult r =
        writeCabrillo3("K6XX.log", c.state, c.details, c.runs, ShortDateForm{}, 2026);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "These contacts cannot go into the Cabrillo 3.0 file; correct them and "
                       "write it again:\n"
                       "Contact 1: the band \"6\" is none of 160, 80, 40, 20, 15, 10.\n"
                       "Contact 2: the check \"7\" is not two digits.\n"
                       "Contact 3: the precedence \"X\" is none of Q, A, B, U, M, S.\n"
                       "Contact 4: the check \"6O\" is not two digits.");
    EXPECT_FALSE(fileExists("K6XX.log"));
}
