#include "entry/EditContactLogic.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace vantor;
using namespace vantor::test;

namespace {

void enter(LogicHarness& h, const char* call, const char* sec) {
    h.model.txtNum.setText("1");
    h.model.txtPre.setText("A");
    h.model.txtCall.setText(call);
    h.model.txtCK.setText("70");
    h.model.txtSec.setText(sec);
    h.logic.userFocus(Field::txtNum);
    h.type("\n");
}

std::set<std::string> folder() {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator("."))
        names.insert(e.path().filename().string());
    return names;
}

} // namespace

TEST(SectionChoice, CommitAcceptsExactlyTheChosenListsSections) {
    const struct {
        const char* sec;
        bool in79, in85;
    } cases[] = {
        {"PE", false, true},  {"GH", false, true}, {"TER", false, true}, {"ONE", false, true},
        {"MAR", true, false}, {"ON", true, false}, {"NWT", true, false}, {"QC", true, true},
    };
    for (const bool today : {false, true}) {
        LogicHarness h;
        h.startNewContest();
        if (today)
            h.logic.chooseSections(Sections85);
        int n = 0;
        for (const auto& c : cases) {
            const bool accepted = today ? c.in85 : c.in79;
            const std::string call = "K" + std::to_string(n) + "XX";
            enter(h, call.c_str(), c.sec);
            n += accepted ? 1 : 0;
            EXPECT_EQ(h.state.RecCount, n) << c.sec << " today=" << today;
            if (!accepted) {
                EXPECT_EQ(h.model.lblDialog.caption, "Invalid Section") << c.sec;
            }
            h.logic.cmdClear_Click();
        }
        EXPECT_EQ(h.model.lblsectogo.caption, today ? "80" : "75");
    }
}

TEST(SectionChoice, TheChoiceIsKeptInTheFolderAndTheGridFollowsIt) {
    LogicHarness h;
    h.startNewContest();
    enter(h, "VE1AA", "MAR");
    enter(h, "W1AW", "CT");
    const std::string prefs = readFile("nspref.txt");

    h.logic.chooseSections(Sections85);
    EXPECT_EQ(readFile("nssect.txt"), "85\r\n");
    EXPECT_EQ(readFile("nspref.txt"), prefs); // the traditional file stays as it was
    EXPECT_EQ(h.state.SecWorked, 1);          // MAR is not one of today's sections
    EXPECT_EQ(h.model.lblsectogo.caption, "  84");
    EXPECT_EQ(h.model.lblTotScore.caption, "  4");
    EXPECT_EQ(h.model.lblDialog.caption,
              "Sections: the 85 of today. 1 logged section(s) not in this list: MAR.");
    EXPECT_EQ(h.model.Label10[85].caption, "TER");
    EXPECT_EQ(h.model.Label10[85].toolTip, "Territories");
    EXPECT_EQ(h.model.Label10[1].fore, colours::Worked);
    h.logic.Label10_Click(82);
    EXPECT_EQ(h.model.txtSec.text, "PE");
    h.logic.Label10_MouseMove(82);
    EXPECT_EQ(h.model.lblDupe.caption.substr(0, 33), "  Prince Edward Island    Total =");

    // A new start in the same folder reads the choice back.
    LogicHarness again;
    std::filesystem::copy_file(h.dir.path() / "nssect.txt", again.dir.path() / "nssect.txt");
    again.logic.Form_Load();
    EXPECT_EQ(again.state.Sections, &Sections85);
    EXPECT_EQ(again.model.Label10[74].caption, "GH");

    h.logic.chooseSections(Sections79);
    EXPECT_FALSE(fileExists("nssect.txt"));
    EXPECT_EQ(h.state.SecWorked, 2);
    EXPECT_EQ(h.model.Label10[79].caption, "NWT");
    EXPECT_EQ(h.model.Label10[80].caption, "");
    EXPECT_EQ(h.model.lblsectogo.caption, "  77");
}

TEST(SectionChoice, ATraditionalFolderReadsAndWritesBackByteForByte) {
    const std::string log =
        "\"1\",\"5\",\"A\",\"VE1AA\",\"85\",\"MAR\",\"11/7/2026\",\"21:00:05\",\"40\"\r\n"
        "\"2\",\"6\",\"B\",\"K1XX\",\"85\",\"CT\",\"11/7/2026\",\"21:01:05\",\"40\"\r\n";
    const std::string prefs =
        "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n1\r\n\"40\"\r\n120\r\n";
    const std::string onOff = "1,\"11/7/2026\",\"20:59:00\",\"\"\r\n"
                              "0,\"11/7/2026\",\"21:01:00\",\"00:02:00\"\r\n";
    LogicHarness h;
    writeFile("log.txt", log);
    writeFile("nspref.txt", prefs);
    writeFile("nsonoff.txt", onOff);
    h.logic.Form_Load();
    h.port.answers = {Answer::Yes};
    h.logic.windowShown();
    ASSERT_EQ(h.state.RecCount, 2);
    EXPECT_EQ(h.state.SecWorked, 2);
    EXPECT_EQ(h.model.lblsectogo.caption, "  77");
    h.logic.mnuExit_Click();
    EXPECT_EQ(readFile("log.txt"), log);
    EXPECT_EQ(readFile("nspref.txt"), prefs);
    EXPECT_EQ(readFile("nsonoff.txt"), onOff);
    // Beside them only the record of the date form the folder's dates are in.
    EXPECT_EQ(folder(),
              (std::set<std::string>{"log.txt", "nspref.txt", "nsonoff.txt", "nsdate.txt"}));
    EXPECT_EQ(readFile("nsdate.txt"), "\"M/d/yyyy\"\r\n");
}

TEST(SectionChoice, TheEditDialogChecksTheChosenList) {
    for (const SectionList* list : {&Sections79, &Sections85}) {
        for (const char* sec : {"PE", "MAR", "GH", "NWT"}) {
            ContestState state;
            state.Sections = list;
            state.ContactLog[++state.RecCount] = {"1",   "11",        "A",        "VE1AA", "85",
                                                  "MAR", "11/7/2026", "21:00:05", "40"};
            FakeClock clock;
            FakePort port{clock};
            EditContactLogic dialog{state, port, ShortDateForm{}, 2026};
            ASSERT_TRUE(dialog.Form_Load(1));
            dialog.box(EditContactLogic::Box::txtEditSec).setText(sec);
            dialog.cmdDone_Click();
            const bool known = list->lookup(sec) != 0;
            EXPECT_EQ(dialog.hidden, known) << sec << " in " << list->rows;
            EXPECT_EQ(dialog.Label2.visible, !known) << sec << " in " << list->rows;
            EXPECT_EQ(state.ContactLog[1].Sec, known ? sec : "MAR");
        }
    }
}

TEST(SectionChoice, AtLoadLoggedSectionsOutsideTheListAreCountedAndNamed) {
    const struct {
        bool today; // the folder's nssect.txt names the 85 sections
        const char* dialog;
    } cases[] = {
        {false, "Sections: the 79 of the traditional list. 3 logged section(s) not in this "
                "list: GH, PE."},
        {true, "Select a band from the menu bar and click Log \"Time On\" below!"},
    };
    for (const auto& c : cases) {
        LogicHarness h;
        std::string log;
        for (const char* sec : {"GH", "CT", "PE", "GH"})
            log += formatLogLine({"1", "5", "A", "W1AW", "85", sec, "11/7/2026", "02:00:05", "40"});
        writeFile("log.txt", log);
        if (c.today)
            writeFile("nssect.txt", "85\r\n");
        h.logic.Form_Load();
        h.port.answers = {Answer::Yes};
        h.logic.windowShown();
        EXPECT_EQ(h.model.lblDialog.caption, c.dialog) << c.today;
    }
}
