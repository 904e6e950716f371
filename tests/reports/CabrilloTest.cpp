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

std::string trimmed(const std::string& line, std::size_t from, std::size_t width) {
    std::string t = line.size() > from ? line.substr(from, width) : "";
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
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
    EXPECT_EQ(
        readFile("ASCIICab.txt"),
        "START-OF-LOG: 2.0\r\n"
        "ARRL-SECTION: CT\r\n"
        "CONTEST: ARRL-SS-CW\r\n"
        "CALLSIGN: W1AW\r\n"
        "CATEGORY: SINGLE-OP ALL LOW\r\n"
        "CLAIMED-SCORE:  8 \r\n"
        "OPERATORS: W1AW\r\n"
        "CLUB: Newington ARC\r\n"
        "NAME: John Doe\r\n"
        "ADDRESS: 225 Main St\r\n"
        "ADDRESS: Newington CT 06111\r\n"
        "SOAPBOX: Great fun!\r\n"
        // Fields at 1, 6, 12, 16, 27, 32, 44, 49, 51, 54, 58, 70, 75, 77 and 80;
        // the serial of four digits is followed by exactly one space.
        "QSO: 7000  CW  2026-11-07 2105 W1AW        1234 A 85 CT  K9XYZ       5    A 72 WI\r\n"
        "QSO:       CW  2026-11-07 2059 W1AW        1235 A 85 CT  VE3ABC      17   B 99 ON\r\n"
        "END-OF-LOG:\r\n");
}

TEST(Cabrillo, HeaderFollowsModeAndEntries) {
    struct Case {
        const char* name;
        std::uint8_t mode;
        SummaryDetails::Category category;
        SummaryDetails::Power power;
        const char* operators;
        std::vector<std::string> expected; // lines 3 to 8 of the file
    };
    using C = SummaryDetails::Category;
    using P = SummaryDetails::Power;
    const Case cases[] = {
        {"Phone",
         ModePhone,
         C::SingleOp,
         P::High,
         "",
         {"CONTEST: ARRL-SS-SSB", "CALLSIGN: W1AW", "CATEGORY: SINGLE-OP ALL HIGH",
          "CLAIMED-SCORE:  0 ", "OPERATORS: W1AW", "CLUB: "}},
        {"no power",
         ModeCW,
         C::SingleOpAssisted,
         P::None,
         " ",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CATEGORY: SINGLE-OP-ASSISTED ALL ",
          "CLAIMED-SCORE:  0 ", "OPERATORS:  ", "CLUB: "}},
        {"no category",
         ModeCW,
         C::None,
         P::QRP,
         "K1ABC K1DEF",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CLAIMED-SCORE:  0 ", "OPERATORS: K1ABC K1DEF",
          "CLUB: ", "NAME: "}},
        {"multi-one",
         ModeCW,
         C::MultiOne,
         P::Low,
         "",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CATEGORY: MULTI-ONE ALL LOW",
          "CLAIMED-SCORE:  0 ", "OPERATORS: W1AW", "CLUB: "}},
        {"multi-two",
         ModeCW,
         C::MultiTwo,
         P::QRP,
         "",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CATEGORY: MULTI-TWO ALL QRP",
          "CLAIMED-SCORE:  0 ", "OPERATORS: W1AW", "CLUB: "}},
        {"multi-multi",
         ModeCW,
         C::MultiMulti,
         P::High,
         "",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CATEGORY: MULTI-MULTI ALL HIGH",
          "CLAIMED-SCORE:  0 ", "OPERATORS: W1AW", "CLUB: "}},
        {"school club",
         ModeCW,
         C::SchoolClub,
         P::Low,
         "",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CATEGORY: SCHOOL-CLUB ALL LOW",
          "CLAIMED-SCORE:  0 ", "OPERATORS: W1AW", "CLUB: "}},
        {"checklog",
         ModeCW,
         C::Checklog,
         P::Low,
         "",
         {"CONTEST: ARRL-SS-CW", "CALLSIGN: W1AW", "CATEGORY: CHECKLOG ALL LOW",
          "CLAIMED-SCORE:  0 ", "OPERATORS: W1AW", "CLUB: "}},
    };
    for (const Case& c : cases) {
        SummaryDetails d;
        d.category = c.category;
        d.power = c.power;
        d.operators = c.operators;
        const auto out = lines(station(c.mode), d);
        ASSERT_GE(out.size(), 8u) << c.name;
        EXPECT_EQ(std::vector<std::string>(out.begin() + 2, out.begin() + 8), c.expected) << c.name;
        EXPECT_EQ(out.back(), "END-OF-LOG:") << c.name;
    }
}

TEST(Cabrillo, PhoneContactsAndLongFields) {
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
    struct Case {
        const char* date;
        const char* time;
        const char* message;
    };
    const Case cases[] = {
        {"31/31/2026", "21:00:00", "Contact 2 has a date that cannot be read (\"31/31/2026\")"},
        {"", "21:00:00", "Contact 2 has a date that cannot be read"},
        {"11/7/2026", "25:00:00", "Contact 2 has a time that cannot be read (\"25:00:00\")"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ContestState s = station();
        add(s, {"1", "5", "A", "K9XYZ", "72", "WI", "11/7/2026", "21:05:33", "40"});
        add(s, {"2", "5", "A", "K9ABC", "72", "WI", c.date, c.time, "40"});
        const ReportResult r = writeCabrillo("ASCIICab.txt", s, {}, ShortDateForm{}, Year);
        EXPECT_FALSE(r.ok) << c.date;
        EXPECT_NE(r.error.find(c.message), std::string::npos) << r.error;
        EXPECT_FALSE(fileExists("ASCIICab.txt")) << c.date;
    }
}

TEST(Cabrillo, FullGeneratedLogReadsBackByColumn) {
    TempDir dir;
    tools::LogGenOptions o;
    o.count = 11000;
    o.scpPath = "";
    const auto contacts = tools::generateContacts(o);
    ContestState s = station();
    for (const auto& c : contacts)
        add(s, c);
    ASSERT_TRUE(writeCabrillo("ASCIICab.txt", s, {}, ShortDateForm{}, Year).ok);
    std::istringstream in(readFile("ASCIICab.txt"));
    std::string line;
    std::size_t i = 0;
    while (std::getline(in, line)) {
        ASSERT_FALSE(line.empty());
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
            trimmed(line, 5, 6),  trimmed(line, 15, 11), trimmed(line, 26, 5),
            trimmed(line, 43, 5), trimmed(line, 57, 12), trimmed(line, 69, 5),
            trimmed(line, 74, 2), trimmed(line, 76, 3),  line.substr(79)};
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
