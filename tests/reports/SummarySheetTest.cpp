#include "reports/SummarySheet.h"
#include "core/SectionTable.h"
#include "support/FakePrinter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantor;
using namespace vantor::test;

namespace {

ContestState station(std::uint8_t mode = ModeCW) {
    ContestState s;
    s.StationInfo = {"W1AW", "A", "85", "CT", 0, mode, 0};
    return s;
}

// Three contacts in CT, EMA, CT after 23 h 59 min on the air.
ContestState threeContacts() {
    ContestState s = station();
    for (const char* sec : {"CT", "EMA", "CT"}) {
        s.ContactLog[++s.RecCount].Sec = sec;
        sectionTally(s, sec);
    }
    s.OpTime = 23 * 3600 + 59 * 60;
    return s;
}

SummaryDetails filledIn() {
    SummaryDetails d;
    d.rigs = "IC-7300";
    d.powerOutput = "100";
    d.antennas = "Dipole";
    d.name = "John Doe";
    d.address1 = "1 Main St";
    d.address2 = "Newington CT";
    d.email = "w1aw@example.org";
    return d;
}

const char* const AllSectionsWrapped[] = {
    " CT EMA ME NH RI VT WMA NNY ENY NLI NNJ SNJ WNY DE EPA MDC WPA ",
    "AL GA KY NC NFL SC SFL TN VA PR VI AR LA MS NM NTX OK STX WTX EB ",
    "LAX ORG SB SCV SDG SF SJV SV PAC AZ EWA ID MT NV OR UT WWA WY AK ",
    "MI OH WV IL IN WI CO IA KS MN MO NE ND SD NL MAR QC ON MB SK AB ", "BC NWT"};

// Index of the first line equal to text, or -1.
int find(const std::vector<std::string>& lines, const std::string& text) {
    const auto it = std::find(lines.begin(), lines.end(), text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

} // namespace

TEST(SummarySheet, WholeFile) {
    TempDir dir;
    ASSERT_TRUE(writeSummarySheet("ASCIISum.txt", threeContacts(), filledIn()).ok);
    const std::string sp11(11, ' '), sp8(8, ' '), sp7(7, ' ');
    const std::string expected =
        "ARRL NOVEMBER SWEEPSTAKES CW CONTEST\r\n\r\n"
        "Call Used: W1AW    ARRL Section: CT    License Class: Other\r\n\r\n"
        "Call of operator if different\r\nfrom call used:     License Class: \r\n\r\n"
        " X Single Operator\r\n   Multioperator\r\n\r\n"
        "Scoring: 6 QSO points X 2 sections = 12 claimed score\r\n\r\n"
        "Count 2 points for complete QSO. (Sections worked are listed below.)\r\n\r\n"
        "Claimed Score   QSO's   Sections   Power Output   Hrs of Op\r\n"
        " 12 " +
        sp11 + " 3 " + sp8 + " 2 " + sp7 + "100" + sp11 +
        "23:59:00\r\n\r\n"
        "Club participation? No\r\n\r\n"
        "Equipment Description:\r\nRigs: IC-7300\r\nAntennas: Dipole\r\n\r\n"
        "Please enclose log, photos, comments, ideas, etc. with your entry and\r\n"
        "mail promptly to: ARRL, 225 Main Street, Newington, CT 06111.\r\n\r\n"
        "Internet: SSCW@arrl.org\r\nAnonymous FTP: ftp.arrl.org\r\nWWW: www.arrl.org\r\n\r\n"
        "I have observed all competition rules as well as all regulations for\r\n"
        "Amateur Radio in my country.  My report is correct and true to the best\r\n"
        "of my knowledge.  I agree to be bound by the decisions of the\r\n"
        "ARRL Awards Committee.\r\n\r\n"
        "Date __________  Signature ___________________  Call ______________\r\n\r\n"
        "Sections worked:\r\n CT EMA\r\n\r\nSections not worked:\r\n"
        " ME NH RI VT WMA NNY ENY NLI NNJ SNJ WNY DE EPA MDC WPA AL GA KY \r\n"
        "NC NFL SC SFL TN VA PR VI AR LA MS NM NTX OK STX WTX EB LAX ORG \r\n"
        "SB SCV SDG SF SJV SV PAC AZ EWA ID MT NV OR UT WWA WY AK MI OH \r\n"
        "WV IL IN WI CO IA KS MN MO NE ND SD NL MAR QC ON MB SK AB BC NWT\r\n\r\n"
        "Name: " +
        std::string(9, ' ') + "John Doe     Call:W1AW\r\n" + "Address: " + std::string(6, ' ') +
        "1 Main St\r\n" + std::string(15, ' ') + "Newington CT\r\n" +
        "Email Address: w1aw@example.org\r\n";
    EXPECT_EQ(readFile("ASCIISum.txt"), expected);
}

TEST(SummarySheet, LinesFollowStateAndEntries) {
    ContestState all = station(ModePhone);
    for (int r = 1; r <= SectionRows; ++r)
        sectionTally(all, SectionTable[static_cast<std::size_t>(r)].Abbr);
    all.RecCount = 79;
    ContestState maxed = station();
    maxed.OpTime = 32767;
    SummaryDetails multi, club, longPower, fitsPower;
    multi.singleOperator = false;
    multi.operators = "K1ABC K1DEF";
    multi.operatorCall = "K1ABC";
    multi.operatorClass = SummaryDetails::LicenseClass::Novice;
    multi.ownClass = SummaryDetails::LicenseClass::None;
    club.clubParticipation = true;
    longPower.powerOutput = "100 Watts barefo"; // 16 characters
    fitsPower.powerOutput = "100 Watts bare";   // 14 characters
    const std::vector<std::string> allWrapped(std::begin(AllSectionsWrapped),
                                              std::end(AllSectionsWrapped));
    const auto run = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    // Score, contacts and sections of an empty log: first digits at 2, 17 and 28.
    const std::string zeros = " 0 " + std::string(12, ' ') + " 0 " + std::string(8, ' ') + " 0 ";
    // A state, the entries, and lines that must follow each other in the sheet.
    const std::tuple<ContestState, SummaryDetails, std::vector<std::string>> cases[] = {
        {station(), {}, {"Scoring: 0 QSO points X 0 sections = 0 claimed score", ""}},
        {station(), {}, {zeros + std::string(21, ' ') + "00:00:00"}},
        {station(), {}, run({"Sections worked:", "", "Sections not worked:"}, allWrapped)},
        {all, {}, run(run({"Sections worked:"}, allWrapped), {"", "Sections not worked:", ""})},
        {all, {}, {"ARRL NOVEMBER SWEEPSTAKES PHONE CONTEST"}},
        {all, {}, {"Internet: SSPhone@arrl.org"}},
        {all, {}, {"Scoring: 158 QSO points X 79 sections = 12482 claimed score"}},
        {maxed, {}, {zeros + std::string(21, ' ') + "09:06:07"}},
        {station(),
         multi,
         {"Call Used: W1AW    ARRL Section: CT    License Class: ", "",
          "Call of operator if different", "from call used: K1ABC    License Class: Novice", "",
          "   Single Operator", " X Multioperator K1ABC K1DEF"}},
        {station(), club, {"Club participation? Yes", "ARRL Affiliated Club: ", ""}},
        {station(),
         longPower,
         {zeros + std::string(7, ' ') + "100 Watts barefo", std::string(50, ' ') + "00:00:00"}},
        {station(), fitsPower, {zeros + std::string(7, ' ') + "100 Watts bare00:00:00"}},
        {station(),
         {},
         {"Name: " + std::string(9, ' ') + "     Call:W1AW", "Address: " + std::string(6, ' '),
          std::string(15, ' '), "Email Address: "}},
    };
    for (const auto& [state, details, expected] : cases) {
        const auto lines = summarySheetLines(state, details);
        const auto at = std::search(lines.begin(), lines.end(), expected.begin(), expected.end());
        EXPECT_NE(at, lines.end()) << expected.front();
    }
}

TEST(SummarySheet, PrintedSheet) {
    PrintRecord rec;
    FakePrinter printer(rec);
    printSummarySheet(printer, threeContacts(), filledIn());
    const auto& ev = rec.events;
    const std::string col15(14, ' ');
    // A 16-point title block of two empty lines, the title and three empty lines.
    ASSERT_GE(ev.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(ev.begin(), ev.begin() + 8),
              (std::vector<std::string>{"font 16", "line ", "line ",
                                        "line " + col15 + "ARRL NOVEMBER SWEEPSTAKES CW CONTEST",
                                        "line ", "line ", "line ", "font 11"}));
    const auto pages = rec.pages();
    ASSERT_EQ(pages.size(), 2u);
    const auto& p1 = pages[0];
    const auto& p2 = pages[1];
    EXPECT_EQ(p1[6], col15 + "Call Used: W1AW    ARRL Section: CT    License Class: Other");
    const int score =
        find(p1, col15 + "Claimed Score   QSO's   Sections   Power Output   Hrs of Op");
    ASSERT_GE(score, 0);
    EXPECT_EQ(p1[static_cast<std::size_t>(score) + 1],
              col15 + " 12 " + std::string(13, ' ') + " 3 " + std::string(8, ' ') + " 2 " +
                  std::string(7, ' ') + "100" + std::string(13, ' ') + "23:59:00");
    const int date =
        find(p1, col15 + "Date __________  Signature ___________________  Call ______________");
    ASSERT_GE(date, 4);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(p1[static_cast<std::size_t>(date - i)], "");
    EXPECT_EQ(p1[static_cast<std::size_t>(date - 4)], col15 + "ARRL Awards Committee.");
    EXPECT_EQ(static_cast<std::size_t>(date) + 2, p1.size()); // the empty line, then the break
    const std::vector<std::string> secondPage = {
        "",
        "",
        "",
        col15 + "Sections worked:",
        col15 + " CT EMA",
        "",
        col15 + "Sections not worked:",
        col15 + " ME NH RI VT WMA NNY ENY NLI NNJ SNJ WNY DE EPA MDC WPA AL GA KY ",
        col15 + "NC NFL SC SFL TN VA PR VI AR LA MS NM NTX OK STX WTX EB LAX ORG ",
        col15 + "SB SCV SDG SF SJV SV PAC AZ EWA ID MT NV OR UT WWA WY AK MI OH ",
        col15 + "WV IL IN WI CO IA KS MN MO NE ND SD NL MAR QC ON MB SK AB BC NWT",
        "",
        col15 + "Name:      John Doe     Call: W1AW",
        col15 + "Address:  " + " 1 Main St",
        std::string(25, ' ') + "Newington CT",
        "",
        col15 + "Email Address: w1aw@example.org"};
    EXPECT_EQ(p2, secondPage);
}
