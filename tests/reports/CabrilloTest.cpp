#include "reports/Cabrillo.h"
#include "support/TempDir.h"
#include "tools/LogGenerator.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantor;
using namespace vantor::test;

namespace {

constexpr int Year = 2026;

ContestState station(std::uint8_t mode = ModeCW) {
    ContestState s;
    s.StationInfo = {"W1AW", "A", "85", "CT", 0, mode, 0};
    return s;
}

void add(ContestState& s, const Contact& c) {
    s.ContactLog[++s.RecCount] = c;
    sectionTally(s, c.Sec);
}

std::vector<std::string> lines(const ContestState& s, const SummaryDetails& d = {}) {
    std::vector<std::string> out;
    EXPECT_TRUE(cabrilloLines(s, d, ShortDateForm{}, Year, out).ok);
    return out;
}

} // namespace

TEST(Cabrillo, WholeFile) {
    TempDir dir;
    ContestState s = station();
    add(s, {"1234", "5", "A", "K9XYZ", "72", "WI", "11/7/2026", "21:05:33", "40"});
    add(s, {"1235", "17", "B", "VE3ABC", "99", "ON", "11/7/2026", "20:59:00", "17"});
    SummaryDetails d;
    d.name = "John Doe";
    d.club = "Newington ARC";
    d.address1 = "225 Main St";
    d.address2 = "Newington CT 06111";
    d.soapbox = "Great fun!";
    writeFile("ASCIICab.txt", "an earlier file");
    ASSERT_TRUE(writeCabrillo("ASCIICab.txt", s, d, ShortDateForm{}, Year).ok);
    // QSO: fields at 1, 6, 12, 16, 27, 32, 44, 49, 51, 54, 58, 70, 75, 77 and 80; records
    // in log order; an unknown band leaves the frequency empty.
    EXPECT_EQ(
        readFile("ASCIICab.txt"),
        "START-OF-LOG: 2.0\r\nARRL-SECTION: CT\r\nCONTEST: ARRL-SS-CW\r\nCALLSIGN: W1AW\r\n"
        "CATEGORY: SINGLE-OP ALL LOW\r\nCLAIMED-SCORE:  8 \r\nOPERATORS: W1AW\r\n"
        "CLUB: Newington ARC\r\nNAME: John Doe\r\nADDRESS: 225 Main St\r\n"
        "ADDRESS: Newington CT 06111\r\nSOAPBOX: Great fun!\r\n"
        "QSO: 7000  CW  2026-11-07 2105 W1AW        1234 A 85 CT  K9XYZ       5    A 72 WI\r\n"
        "QSO:       CW  2026-11-07 2059 W1AW        1235 A 85 CT  VE3ABC      17   B 99 ON\r\n"
        "END-OF-LOG:\r\n");
}

TEST(Cabrillo, HeaderFollowsModeAndEntries) {
    using C = SummaryDetails::Category;
    using P = SummaryDetails::Power;
    // Mode, category, power, Text2; then the contest, category (empty: no line) and
    // operators lines.
    const std::tuple<std::uint8_t, C, P, const char*, const char*, const char*, const char*>
        cases[] = {
            {ModePhone, C::SingleOp, P::High, "", "SSB", "SINGLE-OP ALL HIGH", "W1AW"},
            {ModeCW, C::SingleOpAssisted, P::None, " ", "CW", "SINGLE-OP-ASSISTED ALL ", " "},
            {ModeCW, C::None, P::QRP, "K1ABC K1DEF", "CW", "", "K1ABC K1DEF"},
            {ModeCW, C::MultiOne, P::Low, "", "CW", "MULTI-ONE ALL LOW", "W1AW"},
            {ModeCW, C::MultiTwo, P::QRP, "", "CW", "MULTI-TWO ALL QRP", "W1AW"},
            {ModeCW, C::MultiMulti, P::High, "", "CW", "MULTI-MULTI ALL HIGH", "W1AW"},
            {ModeCW, C::SchoolClub, P::Low, "", "CW", "SCHOOL-CLUB ALL LOW", "W1AW"},
            {ModeCW, C::Checklog, P::Low, "", "CW", "CHECKLOG ALL LOW", "W1AW"},
        };
    for (const auto& [mode, category, power, operators, contest, cat, ops] : cases) {
        SummaryDetails d;
        d.category = category;
        d.power = power;
        d.operators = operators;
        std::vector<std::string> expected = {std::string("CONTEST: ARRL-SS-") + contest,
                                             "CALLSIGN: W1AW"};
        if (*cat)
            expected.push_back(std::string("CATEGORY: ") + cat);
        expected.push_back("CLAIMED-SCORE:  0 ");
        expected.push_back(std::string("OPERATORS: ") + ops);
        const auto out = lines(station(mode), d);
        ASSERT_GE(out.size(), expected.size() + 2);
        EXPECT_EQ(std::vector<std::string>(out.begin() + 2, out.begin() + 2 + expected.size()),
                  expected);
    }
}

TEST(Cabrillo, PhoneContactWithLongFields) {
    ContestState s = station(ModePhone);
    add(s, {"11000", "1500", "A", "VE3/W1ABCDEFG", "72", "WI", "11/8/2026", "9:05", "160"});
    const auto out = lines(s);
    // The five-digit serial meets the precedence; the long call pushes the rest down.
    EXPECT_EQ(std::vector<std::string>(out.end() - 3, out.end() - 1),
              (std::vector<std::string>{
                  "QSO: 1800  PH  2026-11-08 0905 W1AW        11000A 85 CT  VE3/W1ABCDEFG",
                  std::string(69, ' ') + "1500 A 72 WI"}));
}

TEST(Cabrillo, UnreadableStampNamesTheRecordAndLeavesNoFile) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"31/31/2026", "21:00:00", "Contact 2 has a date that cannot be read (\"31/31/2026\")"},
        {"", "21:00:00", "Contact 2 has a date that cannot be read"},
        {"11/7/2026", "25:00:00", "Contact 2 has a time that cannot be read (\"25:00:00\")"},
        {"7/11/2026", "21:00:00", "Contact 2 has the date \"7/11/2026\", more than three days"},
    };
    for (const auto& [date, time, message] : cases) {
        TempDir dir;
        ContestState s = station();
        add(s, {"1", "5", "A", "K9XYZ", "72", "WI", "11/7/2026", "21:05:33", "40"});
        add(s, {"2", "5", "A", "K9ABC", "72", "WI", date, time, "40"});
        add(s, {"3", "5", "A", "K9DEF", "72", "WI", "11/8/2026", "01:05:33", "40"});
        const ReportResult r = writeCabrillo("ASCIICab.txt", s, {}, ShortDateForm{}, Year);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(message), std::string::npos) << r.error;
        EXPECT_FALSE(fileExists("ASCIICab.txt")) << message;
    }
}

TEST(Cabrillo, FullGeneratedLogReadsBackByColumn) {
    tools::LogGenOptions o;
    o.count = 11000;
    o.scpPath = "";
    const auto contacts = tools::generateContacts(o);
    ContestState s = station();
    for (const auto& c : contacts)
        add(s, c);
    std::istringstream in(joinReportLines(lines(s)));
    const auto field = [](const std::string& line, std::size_t from, std::size_t width) {
        std::string t = line.substr(from, width);
        return t.erase(t.find_last_not_of(' ') + 1);
    };
    std::size_t i = 0;
    for (std::string line; std::getline(in, line);) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        if (line.rfind("QSO:", 0) != 0)
            continue;
        ASSERT_LT(i, contacts.size());
        const Contact& c = contacts[i++];
        const auto d = ShortDateForm{}.parse(c.Date, Year);
        ASSERT_TRUE(d);
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", d->year, d->month, d->day);
        const std::vector<std::string> got = {
            field(line, 5, 6),  field(line, 15, 11), field(line, 26, 5),
            field(line, 43, 5), field(line, 57, 12), field(line, 69, 5),
            field(line, 74, 2), field(line, 76, 3),  line.substr(79)};
        const std::vector<std::string> want = {std::string(cabrilloFrequency(c.Bnd)),
                                               date,
                                               c.Time.substr(0, 2) + c.Time.substr(3, 2),
                                               c.NumSent,
                                               c.Call,
                                               c.Num,
                                               c.Pre,
                                               c.Ck,
                                               c.Sec};
        ASSERT_EQ(got, want) << "record " << i;
    }
    EXPECT_EQ(i, contacts.size());
}
