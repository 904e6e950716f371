#include "reports/AsciiLog.h"
#include "core/LogFile.h"
#include "reports/ReportFile.h"
#include "support/FakePrinter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

Contact contact(const char* bnd, const char* date, const char* time, const char* sent,
                const char* num, const char* pre, const char* call, const char* ck,
                const char* sec) {
    return {sent, num, pre, call, ck, sec, date, time, bnd};
}

const Contact C1 = contact("40", "11/7/2026", "21:00:00", "1", "5", "A", "W1AW", "85", "CT");
const Contact C2 = contact("20", "11/7/2026", "21:30:15", "2", "17", "B", "K9XYZ", "72", "WI");
const Contact C3 = contact("20", "11/7/2026", "21:45:00", "3", "8", "Q", "VE3ABC", "99", "EMA");
const Contact C4 = contact("15", "11/7/2026", "23:10:00", "4", "120", "A", "N1XX", "01", "CT");
const Contact C5 =
    contact("10", "11/8/2026", "00:05:09", "5", "7", "U", "VE3/W1ABCDEF", "55", "XX");
const OnOffRecord On{1, "11/7/2026", "21:00:00", "00:00:00"};
const OnOffRecord Off{0, "11/7/2026", "22:00:00", "01:00:00"};

// The lines below are the file's rules applied by hand: fields at 1, 5, 15, 20, 28,
// 35, 37, 47, 50 and 62.
const std::string L1 = "40  11/7/2026 2100 1       5      A W1AW      85 CT  New! 1   2 ";
const std::string L2 = "20  11/7/2026 2130 2       17     B K9XYZ     72 WI  New! 2   8 ";
const std::string L3 = "20  11/7/2026 2145 3       8      Q VE3ABC    99 EMA New! 3   18 ";
const std::string L4 = "15  11/7/2026 2310 4       120    A N1XX      01 CT           24 ";
const std::string L5a = "10  11/8/2026 0005 5       7      U VE3/W1ABCDEF";
const std::string L5b = std::string(46, ' ') + "55 XX           30 ";
const std::string OnLine = " Logged ON  at 11/7/2026  21:00:00";
const std::string OffLine =
    " Logged OFF at 11/7/2026  22:00:00  Cumulative contest duration = 01:00:00";

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

AsciiLogListing listing(std::vector<Contact> contacts, std::vector<OnOffRecord> onOff) {
    return mergeAsciiLog({std::move(contacts), std::move(onOff)});
}

} // namespace

TEST(AsciiLog, MergedFileBytes) {
    struct Case {
        const char* name;
        std::vector<Contact> contacts;
        std::vector<OnOffRecord> onOff;
        std::vector<std::string> lines;
    };
    Contact early = C1;
    early.Time = "20:59:59";
    Contact tenth = C1; // "11/10/2026" sorts before "11/7/2026" as text
    tenth.Date = "11/10/2026";
    const Case cases[] = {
        {"both sources, log outlasts the journal, a call too long for its column",
         {C1, C2, C3, C4, C5},
         {On, Off},
         {OnLine, L1, L2, L3, OffLine, L4, L5a, L5b}},
        {"journal outlasts the log",
         {early},
         {On, Off},
         {"40  11/7/2026 2059 1       5      A W1AW      85 CT  New! 1   2 ", OnLine, OffLine}},
        {"dates compare as text",
         {tenth},
         {On},
         {"40  11/10/20262100 1       5      A W1AW      85 CT  New! 1   2 ", OnLine}},
        {"empty journal", {C1, C2}, {}, {L1, L2}},
        {"empty log", {}, {On, Off}, {OnLine, OffLine}},
        {"both empty", {}, {}, {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ASSERT_TRUE(writeAsciiLog("ASCIILog.txt", listing(c.contacts, c.onOff)).ok) << c.name;
        EXPECT_EQ(readFile("ASCIILog.txt"), crlf(c.lines)) << c.name;
    }
}

TEST(AsciiLog, ListingRebuildsTheContestState) {
    ContestState state;
    state.RecCount = 9;
    state.SecCount[1] = 7;
    AsciiLogListing l = listing({C1, C2, C3, C4, C5}, {On});
    EXPECT_EQ(l.newRows, (std::vector<int>{1, 62, 2})); // CT, WI, EMA
    adoptAsciiLog(state, std::move(l));
    EXPECT_EQ(state.RecCount, 5);
    EXPECT_EQ(state.SecWorked, 3);
    EXPECT_EQ(state.SecCount[1], 2);
    EXPECT_EQ(state.ContactLog[5], C5);
}

TEST(AsciiLog, ReadingFailsBeforeAnythingIsTaken) {
    const std::string good = formatLogLine(C1);
    const std::string journal = "1,\"11/7/2026\",\"21:00:00\",\"00:00:00\"\r\n";
    std::string tooMany;
    for (int i = 0; i < 11001; ++i)
        tooMany += good;
    struct Case {
        const char* name;
        const char* log;     // nullptr: no file
        const char* onOff;   // nullptr: no file
        const char* message; // part of the message
    };
    const Case cases[] = {
        {"no log", nullptr, journal.c_str(), "log.txt was not found"},
        {"no journal", good.c_str(), nullptr, "nsonoff.txt was not found"},
        {"damaged log", "\"1\",\"5\",\"A\",\"W1AW\r\n", journal.c_str(), "log.txt is damaged"},
        {"damaged journal", good.c_str(), "1,\"11/7/2026\r\n", "nsonoff.txt is damaged"},
        {"more than the log holds", tooMany.c_str(), journal.c_str(), "more than 11000"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.log)
            writeFile("log.txt", c.log);
        if (c.onOff)
            writeFile("nsonoff.txt", c.onOff);
        AsciiLogInputs in{{C2}, {}};
        const ReportResult r = readAsciiLogInputs("log.txt", "nsonoff.txt", in);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.error.find(c.message), std::string::npos) << c.name << ": " << r.error;
        EXPECT_EQ(in.contacts, std::vector<Contact>{C2}) << c.name;
    }
}

TEST(AsciiLog, UnwritableFileIsReportedAndNothingStands) {
    TempDir dir;
    const ReportResult r = writeAsciiLog("missing/ASCIILog.txt", listing({C1}, {}));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("missing/ASCIILog.txt could not be written"), std::string::npos);
}

namespace {

std::vector<std::string> logHeader() {
    return {"",
            std::string(35, ' ') + "ARRL Sweepstakes",
            "",
            "    Call Used: W1AW" + std::string(34, ' ') + "ARRL Section: CT",
            "    Sent: A W1AW 85 CT" + std::string(31, ' ') + "CW CONTEST",
            "",
            "",
            "  Bnd    Date       Time    NrS      NrR       P  Stn Wrkd         Ck      "
            "Section             Points",
            ""};
}

} // namespace

TEST(AsciiLog, PrintedPagesHoldAHeaderAnd46Records) {
    const StationData station{"W1AW", "A", "85", "CT", 0, ModeCW, 0};
    const std::string printedC1 = "  40    11/7/2026   2100   1         5         A  W1AW" +
                                  std::string(13, ' ') + "85      CT  New! 1" +
                                  std::string(9, ' ') + " 2 ";
    struct Case {
        const char* name;
        int contacts;
        bool onAndOff; // a log-on first and a log-off last
        std::vector<std::size_t> pageSizes;
    };
    const Case cases[] = {
        {"46 contacts fill one page", 46, false, {55}},
        {"47 contacts give two pages", 47, false, {55, 10}},
        {"an on/off record counts as one record", 45, true, {9 + 2 + 45, 9 + 2}},
    };
    for (const Case& c : cases) {
        std::vector<Contact> contacts(static_cast<std::size_t>(c.contacts), C1);
        std::vector<OnOffRecord> onOff;
        if (c.onAndOff)
            onOff = {{1, "1", "00:00:00", "00:00:00"}, {0, "9", "00:00:00", "00:00:01"}};
        PrintRecord rec;
        FakePrinter printer(rec);
        printAsciiLog(printer, station, listing(contacts, onOff));
        const auto pages = rec.pages();
        ASSERT_EQ(pages.size(), c.pageSizes.size()) << c.name;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].size(), c.pageSizes[p]) << c.name << " page " << p + 1;
            EXPECT_EQ(std::vector<std::string>(pages[p].begin(), pages[p].begin() + 9), logHeader())
                << c.name;
        }
        EXPECT_EQ(rec.events.front(), "font 11") << c.name;
        if (c.onAndOff) {
            EXPECT_EQ(pages[0][9], "  Logged ON  at 1  00:00:00");
            EXPECT_EQ(pages[0][10], "");
            EXPECT_EQ(pages[1][9], "");
            EXPECT_EQ(pages[1][10],
                      "  Logged OFF at 9  00:00:00  Cumulative contest duration = 00:00:01");
        } else {
            EXPECT_EQ(pages[0][9], printedC1) << c.name;
        }
    }
}

TEST(AsciiLog, NothingToPrintGivesNoHeader) {
    PrintRecord rec;
    FakePrinter printer(rec);
    printAsciiLog(printer, {}, listing({}, {}));
    EXPECT_EQ(rec.events, std::vector<std::string>{"font 11"});
}
