#include "reports/AsciiLog.h"
#include "core/LogFile.h"
#include "support/FakePrinter.h"

#include <gtest/gtest.h>

#include <memory>

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

// Fields at 1, 5, 15, 20, 28, 35, 37, 47, 50 and 62.
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

} // namespace

TEST(AsciiLog, MergedFileBytes) {
    Contact early = C1;
    early.Time = "20:59:59";
    Contact tenth = C1; // "11/10/2026" sorts before "11/7/2026" as text
    tenth.Date = "11/10/2026";
    struct Case {
        const char* name;
        std::vector<Contact> contacts;
        std::vector<OnOffRecord> onOff;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"same stamp: on/off first; the log outlasts the journal; a call too long",
         {C1, C2, C3, C4, C5},
         {On, Off},
         {OnLine, L1, L2, L3, OffLine, L4, L5a, L5b}},
        {"the journal outlasts the log",
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
        const AsciiLogListing l = mergeAsciiLog({c.contacts, c.onOff});
        EXPECT_EQ(joinReportLines(asciiLogLines(l)), crlf(c.lines)) << c.name;
    }
}

TEST(AsciiLog, DamagedInputsAreRefusedWhole) {
    const std::string good = formatLogLine(C1);
    const std::string journal = formatOnOffRecord(On);
    std::string tooMany;
    for (int i = 0; i < 11001; ++i)
        tooMany += good;
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {"\"1\",\"5\",\"A\",\"W1AW\r\n", journal, "log.txt is damaged at contact 1"},
        {good, journal + "1,\"11/7/2026\r\n", "nsonoff.txt could be read only up to line 2"},
        {tooMany, journal, "log.txt holds more than 11000 contacts"},
    };
    for (const auto& [log, onOff, message] : cases) {
        AsciiLogInputs in{{C2}, {}};
        const ReportResult r = parseAsciiLogInputs(log, onOff, in);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(message), std::string::npos) << r.error;
        EXPECT_EQ(in.contacts, std::vector<Contact>{C2}) << message;
    }
}

TEST(AsciiLog, PrintedPagesHoldAHeaderAnd46Records) {
    const std::vector<std::string> header = {
        "",
        std::string(35, ' ') + "ARRL Sweepstakes",
        "",
        "    Call Used: W1AW" + std::string(34, ' ') + "ARRL Section: CT",
        "    Sent: A W1AW 85 CT" + std::string(31, ' ') + "CW CONTEST",
        "",
        "",
        "  Bnd    Date       Time    NrS      NrR       P  Stn Wrkd         Ck      Section"
        "             Points",
        ""};
    const OnOffRecord on{1, "1", "00:00:00", "00:00:00"}, off{0, "9", "00:00:00", "00:00:01"};
    struct Case {
        int contacts;
        std::vector<OnOffRecord> onOff; // a log-on before and a log-off after them
        std::vector<std::size_t> pageSizes;
    };
    const Case cases[] = {
        {0, {}, {0}},
        {46, {}, {55}},
        {47, {}, {55, 10}},
        {45, {on, off}, {9 + 2 + 45, 9 + 2}}, // an on/off record counts as one
    };
    for (const Case& c : cases) {
        PrintRecord rec;
        FakePrinter printer(rec);
        printAsciiLog(printer, {"W1AW", "A", "85", "CT", 0, ModeCW, 0},
                      mergeAsciiLog({std::vector<Contact>(c.contacts, C1), c.onOff}));
        EXPECT_EQ(rec.events.front(), "font 11");
        const auto pages = rec.pages();
        ASSERT_EQ(pages.size(), c.pageSizes.size()) << c.contacts;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].size(), c.pageSizes[p]) << c.contacts << " page " << p + 1;
            if (!pages[p].empty()) {
                EXPECT_EQ(std::vector<std::string>(pages[p].begin(), pages[p].begin() + 9), header);
            }
        }
        if (c.contacts == 46) {
            EXPECT_EQ(pages[0][9], "  40    11/7/2026   2100   1         5         A  W1AW" +
                                       std::string(13, ' ') + "85      CT  New! 1" +
                                       std::string(9, ' ') + " 2 ");
        }
        if (!c.onOff.empty()) {
            EXPECT_EQ(std::vector<std::string>(pages[0].begin() + 9, pages[0].begin() + 11),
                      (std::vector<std::string>{"  Logged ON  at 1  00:00:00", ""}));
            EXPECT_EQ(
                std::vector<std::string>(pages[1].begin() + 9, pages[1].end()),
                (std::vector<std::string>{
                    "", "  Logged OFF at 9  00:00:00  Cumulative contest duration = 00:00:01"}));
        }
    }
}

// The listing reads log.txt with the loader's reader: both take the same records and
// stop at the same one.
TEST(AsciiLog, ReadsTheLogAsTheLoadDoes) {
    const std::string good = formatLogLine(C1) + formatLogLine(C2);
    const std::string noLastLineEnd = good.substr(0, good.size() - 2);
    const std::pair<std::string, int> cases[] = {
        {good, 0},
        {noLastLineEnd, 0},
        {good + "\"3\",\"8\",\"Q\"\r\n", 3},
        {formatLogLine(C1) + "\"2\",\"1\"7\",\"B\",\"K9XYZ\",\"72\",\"WI\",\"d\",\"t\",\"20\"\r\n",
         2},
    };
    for (const auto& [log, badRecord] : cases) {
        auto state = std::make_unique<ContestState>();
        const LoadResult loaded = loadLogData(*state, log);
        AsciiLogInputs in;
        const ReportResult listed = parseAsciiLogInputs(log, "", in);
        EXPECT_EQ(listed.ok, badRecord == 0) << listed.error;
        EXPECT_EQ(loaded.ok(), badRecord == 0);
        if (badRecord == 0) {
            ASSERT_EQ(in.contacts.size(), 2u);
            EXPECT_EQ(in.contacts[1], state->ContactLog[2]);
        } else {
            EXPECT_EQ(loaded.line, badRecord);
            EXPECT_NE(listed.error.find("damaged at contact " + std::to_string(badRecord)),
                      std::string::npos)
                << listed.error;
        }
    }
}
