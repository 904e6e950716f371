#include "core/PrefsFile.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <optional>

using namespace vantor;
using namespace vantor::test;

TEST(Startup, FirstRunWithoutFilesEndsWithAnEmptyNewLog) {
    LogicHarness h;
    EXPECT_EQ(h.model.Label30.caption, "40");
    EXPECT_EQ(h.model.bandChecked, (std::array<bool, 6>{false, false, true, false, false, false}));
    EXPECT_TRUE(h.model.numoptChecked);
    EXPECT_FALSE(h.model.calloptChecked);
    EXPECT_EQ(h.model.lblDialog.caption,
              "Select a band from the menu bar and click Log \"Time On\" below!");
    EXPECT_EQ(h.model.lblNumCurCon.caption, "  1");
    EXPECT_EQ(h.model.Label10[79].caption, "NWT");
    EXPECT_EQ(h.model.Label10[79].toolTip, "Northwest Territories-Yukon");
    EXPECT_EQ(h.model.Label10[79].fore, colours::Unworked);

    h.startNewContest();
    EXPECT_EQ(h.port.stationDialogs, 1);
    ASSERT_EQ(h.port.boxes.size(), 2u);
    EXPECT_EQ(h.port.boxes[0].title, "Open existing log?");
    EXPECT_EQ(h.port.boxes[0].text,
              "Do you want to continue an existing contest? (Yes opens your existing log, No "
              "erases any existing log and starts a new log.)");
    EXPECT_EQ(h.port.boxes[0].icon, Icon::Question);
    EXPECT_EQ(h.port.boxes[1].title, "Start new contest?");
    EXPECT_EQ(h.port.boxes[1].text, "Are you sure? (Selecting Yes will erase existing log file!)");
    EXPECT_EQ(h.port.boxes[1].icon, Icon::None);
    // Only the question whose Yes erases the contest defaults to No.
    EXPECT_EQ(h.port.boxes[0].defaultButton, Answer::Yes);
    EXPECT_EQ(h.port.boxes[1].defaultButton, Answer::No);

    EXPECT_EQ(readFile("log.txt"), "");
    EXPECT_EQ(readFile("nsonoff.txt"), "");
    EXPECT_EQ(readFile("nspref.txt"),
              "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n1\r\n\"40\"\r\n0\r\n");
    EXPECT_EQ(h.model.lblTotCon.caption, "  0");
    EXPECT_EQ(h.model.lblTotSec.caption, "  0");
    EXPECT_EQ(h.model.lblTotScore.caption, "  0");
    EXPECT_EQ(h.model.lblsectogo.caption, "  79");
    EXPECT_EQ(h.model.lblNumCurCon.caption, "1");
    EXPECT_EQ(h.model.Label2.caption, "W1AW");
    EXPECT_EQ(h.model.Label4.caption, "CT");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_FALSE(h.port.ended);
}

TEST(Startup, NoThenNoKeepsAndLoadsTheExistingLog) {
    LogicHarness h;
    const std::string log =
        "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/7/2026\",\"02:00:05\",\"40\"\r\n"
        "\"2\",\"6\",\"B\",\"K1XX\",\"85\",\"CT\",\"11/7/2026\",\"02:01:05\",\"40\"\r\n"
        "\"3\",\"7\",\"A\",\"K2XX\",\"85\",\"ENY\",\"11/7/2026\",\"02:02:05\",\"20\"\r\n";
    writeFile("log.txt", log);
    writeFile("nsonoff.txt", "1,\"11/7/2026\",\"02:00:00\",\"00:00:00\"\r\n");
    h.port.answers = {Answer::No, Answer::No};
    h.logic.windowShown();
    EXPECT_EQ(readFile("log.txt"), log);
    EXPECT_NE(readFile("nsonoff.txt"), "");
    EXPECT_EQ(h.state.RecCount, 3);
    EXPECT_EQ(h.model.lblTotCon.caption, "  3");
    EXPECT_EQ(h.model.lblTotSec.caption, "  2");
    EXPECT_EQ(h.model.lblTotScore.caption, "  12");
    EXPECT_EQ(h.model.lblsectogo.caption, "  77");
    EXPECT_EQ(h.model.lblNumCurCon.caption, " 4");
    EXPECT_EQ(h.model.Label10[1].fore, colours::Worked);
    EXPECT_EQ(h.model.Label10[9].fore, colours::Worked);
    EXPECT_EQ(h.model.Label10[2].fore, colours::Unworked);
}

TEST(Startup, YesWithoutALogEndsTheProgramWithTheFileError) {
    LogicHarness h;
    h.port.answers = {Answer::Yes};
    h.logic.windowShown();
    ASSERT_FALSE(h.port.boxes.empty());
    EXPECT_EQ(h.port.boxes.back().title, "File Error");
    EXPECT_EQ(h.port.boxes.back().text.rfind("There is no log.txt", 0), 0u);
    EXPECT_EQ(h.port.boxes.back().buttons, Buttons::Ok);
    EXPECT_TRUE(h.port.ended);
    EXPECT_TRUE(h.logic.ended());
    EXPECT_FALSE(fileExists("log.txt"));
    EXPECT_FALSE(fileExists("nsonoff.txt"));
    // Nothing more happens once the program has ended.
    h.logic.cmdLogOn_Click();
    h.logic.mnuExit_Click();
    EXPECT_FALSE(fileExists("nsonoff.txt"));
}

TEST(Startup, SavedCallFirstOrderEndsWithTheFocusInTheCallField) {
    TempDir outer;
    writeFile("nspref.txt",
              "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n1\r\n2\r\n\"160\"\r\n3600\r\n");
    ContestState state;
    Form1Model model;
    FakeClock clock(localMs(2026, 11, 7, 12, 0, 0));
    FakePort port(clock);
    Form1Logic logic(state, model, clock, port, ShortDateForm{});
    logic.Form_Load();
    EXPECT_TRUE(model.calloptChecked);
    EXPECT_EQ(model.Label30.caption, "160");
    EXPECT_TRUE(model.bandChecked[0]);
    EXPECT_EQ(state.OpTime, 3600);
    EXPECT_EQ(state.StationInfo.ContestMode, ModePhone);
    port.answers = {Answer::No, Answer::Yes};
    logic.windowShown();
    EXPECT_EQ(model.focus, Field::txtCall);
    EXPECT_EQ(model.txtCall.tabIndex, 1);
    EXPECT_EQ(model.txtNum.tabIndex, 2);
    EXPECT_EQ(model.txtPre.tabIndex, 3);
    EXPECT_EQ(model.txtCK.tabIndex, 4);
    EXPECT_EQ(model.txtSec.tabIndex, 5);
    EXPECT_EQ(state.OpTime, 0); // a new contest starts from nothing
}

TEST(Startup, UnknownSavedBandMarksNoBandItem) {
    TempDir outer;
    writeFile("nspref.txt",
              "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n1\r\n\"17\"\r\n0\r\n");
    ContestState state;
    Form1Model model;
    FakeClock clock;
    FakePort port(clock);
    Form1Logic logic(state, model, clock, port, ShortDateForm{});
    logic.Form_Load();
    EXPECT_EQ(model.Label30.caption, "17");
    EXPECT_EQ(model.bandChecked, (std::array<bool, 6>{}));
}

TEST(Startup, SetupChangesTheOwnExchangeAndTheOffsetForLaterContacts) {
    LogicHarness h;
    h.startNewContest();
    h.type("1AW1AW85CT\n");
    ASSERT_EQ(h.state.ContactLog[1].Time, "02:00:05");
    h.port.stationReply = {"K9ABC", "B", "99", "IL", 6, 1, 0};
    h.logic.mnuSetup_Click();
    EXPECT_EQ(h.model.Label1.caption, "B");
    EXPECT_EQ(h.model.Label2.caption, "K9ABC");
    EXPECT_EQ(h.model.Label3.caption, "99");
    EXPECT_EQ(h.model.Label4.caption, "IL");
    EXPECT_EQ(h.state.RecCount, 1);
    h.type("2AW2AW85CT\n");
    EXPECT_EQ(h.state.ContactLog[1].Time, "02:00:05");
    EXPECT_EQ(h.state.ContactLog[2].Time, "03:00:05");
    ContestState saved;
    readPrefs("nspref.txt", saved);
    EXPECT_EQ(saved.StationInfo.MyCall, "K9ABC");
    EXPECT_EQ(saved.StationInfo.ContestMode, ModePhone);
}

TEST(Startup, LaterFocusOnTheSerialFieldHidesListButtonsAndAsksNothing) {
    LogicHarness h;
    h.startNewContest();
    const auto boxes = h.port.boxes.size();
    h.model.cmdEdit.visible = true;
    h.model.cmdDelete.visible = true;
    h.logic.userFocus(Field::txtCall);
    EXPECT_FALSE(h.model.cmdEdit.visible);
    h.model.cmdEdit.visible = true;
    h.model.cmdDelete.visible = true;
    h.logic.userFocus(Field::txtNum);
    EXPECT_FALSE(h.model.cmdEdit.visible);
    EXPECT_FALSE(h.model.cmdDelete.visible);
    EXPECT_EQ(h.port.boxes.size(), boxes);
    EXPECT_EQ(h.port.stationDialogs, 1);
}

TEST(Startup, FileNewAsksBeforeErasing) {
    LogicHarness h;
    h.startNewContest();
    h.type("1AW1AW85CT\n");
    h.port.answers = {Answer::No};
    h.logic.mnuNew_Click();
    EXPECT_EQ(h.state.RecCount, 1);
    h.port.answers = {Answer::Yes};
    h.logic.mnuNew_Click();
    EXPECT_EQ(h.state.RecCount, 0);
    EXPECT_EQ(readFile("log.txt"), "");
    EXPECT_EQ(readFile("nsonoff.txt"), "");
    EXPECT_EQ(h.model.lblTotCon.caption, "  0");
}

TEST(Startup, AFailedLoadSaysWhatIsWrongBeforeTheProgramEnds) {
    const std::string line =
        "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/7/2026\",\"02:00:05\",\"40\"\r\n";
    std::string full;
    for (int i = 0; i < 11000; ++i)
        full += line;
    struct Case {
        const char* name;
        std::optional<std::string> log; // none: no log.txt at all
        std::string expected;           // the start of the text; empty: the log loads
    };
    const Case cases[] = {
        {"missing", std::nullopt, "There is no log.txt in the folder "},
        {"too many", full + line, "The log.txt in the folder "},
        {"full", full, ""},
        {"stray quote", "\"1\",\"5\",\"A\",\"W1\"AW\",\"85\",\"CT\",\"11/7/2026\",\"x\",\"40\"\r\n",
         std::string(FileErrorText)},
    };
    for (const Case& c : cases) {
        LogicHarness h;
        if (c.log)
            writeFile("log.txt", *c.log);
        h.port.answers = {Answer::Yes};
        h.logic.windowShown();
        EXPECT_EQ(h.port.ended, !c.expected.empty()) << c.name;
        if (c.expected.empty())
            continue;
        const ShownBox& box = h.port.boxes.back();
        EXPECT_EQ(box.title, "File Error") << c.name;
        EXPECT_EQ(box.text.substr(0, c.expected.size()), c.expected) << c.name;
        if (c.expected != FileErrorText) {
            EXPECT_NE(box.text.find(h.dir.path().string()), std::string::npos) << c.name;
        }
        if (std::string(c.name) == "too many") {
            EXPECT_NE(box.text.find("more than the 11000 contacts"), std::string::npos);
        }
    }
}

TEST(Startup, EndedWhileTheStationDialogIsOpenNothingMoreIsAskedOrWritten) {
    LogicHarness h;
    h.port.duringStationDialog = [&h] { h.logic.mnuExit_Click(); }; // a SIGTERM, say
    h.logic.windowShown();
    EXPECT_TRUE(h.port.ended);
    EXPECT_TRUE(h.port.boxes.empty());
    EXPECT_FALSE(fileExists("nspref.txt"));
}
