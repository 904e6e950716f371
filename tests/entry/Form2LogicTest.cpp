#include "entry/Form2Logic.h"

#include "core/LogFile.h"
#include "support/FakePrinter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace vantor;
using namespace vantor::test;
using C = Form2Control;
using D = SummaryDetails;

namespace {

const std::string WarningTitle =
    "This traditional log submission format may not be valid after 1999!";

struct Form2Fixture : ::testing::Test {
    TempDir dir;
    ContestState state;
    FakeClock clock{0};
    PrintingPort port{clock};
    Form2Logic logic{state, port, ShortDateForm{}, 2026};

    Form2Fixture() {
        state.StationInfo = {"W1AW", "A", "85", "CT", 0, ModeCW, 0};
        logic.Form_Load();
    }
    void addContact(const std::string& date) {
        ++state.RecCount;
        state.ContactLog[state.RecCount] = {"1",  "5",  "A",        "K1XX", "72",
                                            "ME", date, "21:05:33", "40"};
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const ShownBox& b : port.boxes)
            out.push_back(b.title);
        return out;
    }
};

} // namespace

TEST_F(Form2Fixture, OpensWithTheDefaultsEveryTime) {
    EXPECT_EQ(logic.model.Frame1, "W1AW's License Class:");
    EXPECT_EQ(logic.details(), D{});
    EXPECT_EQ(logic.details().category, D::Category::SingleOp);
    EXPECT_EQ(logic.details().power, D::Power::Low);

    logic.select(C::Option17);
    logic.model.textOf(C::Text5) = "Hiram";
    logic.Command3_Click();
    EXPECT_TRUE(logic.model.hidden);
    logic.Form_Load();
    EXPECT_EQ(logic.details(), D{});
    EXPECT_FALSE(logic.model.hidden);
}

TEST_F(Form2Fixture, EachOptionGivesItsEntry) {
    struct Case {
        C option;
        std::function<void(D&)> change;
    };
    const Case cases[] = {
        {C::Option1, [](D& d) { d.ownClass = D::LicenseClass::Novice; }},
        {C::Option2, [](D& d) { d.ownClass = D::LicenseClass::Technician; }},
        {C::Option4, [](D& d) { d.operatorClass = D::LicenseClass::Novice; }},
        {C::Option8, [](D& d) { d.operatorClass = D::LicenseClass::Technician; }},
        {C::Option5, [](D& d) { d.operatorClass = D::LicenseClass::Other; }},
        {C::Option7, [](D& d) { d.singleOperator = false; }},
        {C::Option12, [](D& d) { d.category = D::Category::SingleOpAssisted; }},
        {C::Option13, [](D& d) { d.category = D::Category::MultiOne; }},
        {C::Option14, [](D& d) { d.category = D::Category::MultiTwo; }},
        {C::Option15, [](D& d) { d.category = D::Category::MultiMulti; }},
        {C::Option16, [](D& d) { d.category = D::Category::SchoolClub; }},
        {C::Option17, [](D& d) { d.category = D::Category::Checklog; }},
        {C::Option20, [](D& d) { d.power = D::Power::QRP; }},
        {C::Option18, [](D& d) { d.power = D::Power::High; }},
        {C::Option9, [](D& d) { d.clubParticipation = true; }},
    };
    for (const Case& c : cases) {
        logic.Form_Load();
        logic.select(c.option);
        D expected;
        c.change(expected);
        EXPECT_EQ(logic.details(), expected) << form2Name(c.option);
    }
    // Back to the default of each frame, and only one option of a frame at a time.
    for (C c : {C::Option3, C::Option6, C::Option11, C::Option19, C::Option10})
        logic.select(c);
    EXPECT_EQ(logic.details(), D{});
    EXPECT_FALSE(logic.model.option(C::Option9));
}

TEST_F(Form2Fixture, TextsReachTheirEntriesExactlyAsTyped) {
    const std::pair<C, std::string D::*> texts[] = {
        {C::Text1, &D::operatorCall}, {C::Text2, &D::operators}, {C::Text3, &D::rigs},
        {C::Text9, &D::powerOutput},  {C::Text4, &D::antennas},  {C::Text5, &D::name},
        {C::Text10, &D::club},        {C::Text6, &D::address1},  {C::Text7, &D::address2},
        {C::Text8, &D::email},        {C::Text11, &D::soapbox},
    };
    for (const auto& [box, field] : texts) {
        logic.Form_Load();
        logic.model.textOf(box) = std::string(" x\xe9 ") + form2Name(box);
        EXPECT_EQ(logic.details().*field, logic.model.textOf(box)) << form2Name(box);
    }
}

TEST_F(Form2Fixture, LeavingTheOperatorCallBox) {
    struct Case {
        const char* text;
        C before;
        C focus;
        D::LicenseClass operatorClass;
    };
    const Case cases[] = {
        {"", C::Option8, C::Option6, D::LicenseClass::None},
        {"K1XX", C::Option4, C::Option5, D::LicenseClass::Other},
        {" ", C::Option8, C::Option5, D::LicenseClass::Other},
    };
    for (const Case& c : cases) {
        logic.Form_Load();
        logic.select(c.before);
        logic.model.textOf(C::Text1) = c.text;
        logic.Text1_LostFocus();
        EXPECT_EQ(logic.model.focus, c.focus) << '"' << c.text << '"';
        EXPECT_EQ(logic.details().operatorClass, c.operatorClass) << '"' << c.text << '"';
    }
}

TEST_F(Form2Fixture, WritingTheSummarySheet) {
    logic.model.focus = C::Text5;
    logic.Command1_Click();
    EXPECT_EQ(port.beeps, 1);
    ASSERT_EQ(titles(), std::vector<std::string>{WarningTitle});
    EXPECT_EQ(port.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(port.boxes[0].text,
              "In my last correspondence with the ARRL, they indicated that the traditional "
              "summary format will not be accepted after the 1999 contest.  In addition, they "
              "only want contest submissions as files (no computer generated printed logs). To "
              "write the new Cabrillo format (ASCIICab.txt) which incorporates the summary and "
              "log files, click Write Cabrillo Fmt.");
    EXPECT_EQ(readFile("ASCIISum.txt").rfind("ARRL NOVEMBER SWEEPSTAKES CW CONTEST\r\n\r\n", 0),
              0u);
    EXPECT_EQ(logic.model.focus, C::Command3);

    // A folder in the file's place: the operator is told and the focus stays.
    std::filesystem::remove("ASCIISum.txt");
    std::filesystem::create_directory("ASCIISum.txt");
    logic.model.focus = C::Text5;
    logic.Command1_Click();
    EXPECT_EQ(titles(), (std::vector<std::string>{WarningTitle, WarningTitle, "Vantor"}));
    EXPECT_NE(port.boxes.back().text.find("ASCIISum.txt"), std::string::npos);
    EXPECT_EQ(logic.model.focus, C::Text5);
}

TEST_F(Form2Fixture, WritingTheCabrilloFile) {
    addContact("11/7/2026");
    logic.model.focus = C::Text11;
    logic.Command4_Click();
    EXPECT_TRUE(port.boxes.empty());
    EXPECT_EQ(port.beeps, 0);
    const std::string cab = readFile("ASCIICab.txt");
    EXPECT_NE(cab.find("CATEGORY: SINGLE-OP ALL LOW\r\n"), std::string::npos);
    EXPECT_NE(cab.find("QSO: 7000  CW  2026-11-07 2105 W1AW"), std::string::npos);
    EXPECT_EQ(logic.model.focus, C::Command3);
    EXPECT_FALSE(fileExists("W1AW.log")); // Cabrillo 3.0 only for today's sections
    state.Sections = &Sections85;
    logic.Command4_Click();
    EXPECT_EQ(readFile("W1AW.log").substr(0, 19), "START-OF-LOG: 3.0\r\n");

    // A stamp that reads as no date: nothing is written and the operator hears why.
    std::filesystem::remove("ASCIICab.txt");
    std::filesystem::remove("W1AW.log");
    addContact("7th Nov");
    logic.model.focus = C::Text11;
    logic.Command4_Click();
    ASSERT_EQ(titles(), std::vector<std::string>{"Vantor"});
    EXPECT_NE(port.boxes[0].text.find("Contact 2"), std::string::npos);
    EXPECT_FALSE(fileExists("ASCIICab.txt") || fileExists("W1AW.log"));
    EXPECT_EQ(logic.model.focus, C::Text11);
}

TEST_F(Form2Fixture, TodaysEntryFollowsThePrecedenceAndListsWhatNoCheckerTakes) {
    state.Sections = &Sections85;
    state.StationInfo.MyPre = "B";
    logic.Form_Load();
    EXPECT_TRUE(logic.model.option(C::Option18)); // High, as B stands for
    EXPECT_FALSE(logic.model.option(C::Option19));

    addContact("11/7/2026");
    state.ContactLog[1].Bnd = "6";
    logic.model.focus = C::Text11;
    logic.Command4_Click();
    ASSERT_EQ(titles(), std::vector<std::string>{"Vantor"});
    EXPECT_NE(port.boxes[0].text.find("Contact 1: the band \"6\""), std::string::npos);
    EXPECT_NE(readFile("ASCIICab.txt").find("CATEGORY: SINGLE-OP ALL HIGH\r\n"), std::string::npos);
    EXPECT_FALSE(fileExists("W1AW.log"));
    EXPECT_EQ(logic.model.focus, C::Text11);
}

TEST_F(Form2Fixture, PrintingTheSummarySheet) {
    using Job = PrintingPort::Job;
    struct Case {
        Job job;
        std::vector<std::string> titles;
        std::string lastText;
        bool printed;
        C focus;
    };
    const Case cases[] = {
        {Job::Printer, {WarningTitle}, "", true, C::Command3},
        {Job::Pdf,
         {WarningTitle, "Vantor"},
         "No printer: the summary sheet was printed to SummarySheet.pdf.",
         true,
         C::Command3},
        {Job::Failing,
         {WarningTitle, "Vantor"},
         "The summary sheet could not be printed: the printer is out of paper",
         false,
         C::Text2},
        {Job::None,
         {WarningTitle, "Vantor"},
         "The summary sheet could not be printed: no print job could be started.",
         false,
         C::Text2},
    };
    for (const Case& c : cases) {
        port.boxes.clear();
        port.record = {};
        port.job = c.job;
        logic.model.focus = C::Text2;
        logic.Command2_Click();
        EXPECT_EQ(port.requested.back(), "SummarySheet.pdf");
        EXPECT_EQ(titles(), c.titles);
        if (!c.lastText.empty()) {
            EXPECT_EQ(port.boxes.back().text, c.lastText);
        }
        EXPECT_EQ(port.record.ended, c.printed);
        EXPECT_EQ(logic.model.focus, c.focus);
    }
    EXPECT_EQ(port.beeps, 4);
}
