#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vantor;
using namespace vantor::test;

namespace {

class Dupes : public ::testing::Test {
protected:
    LogicHarness h;
    void SetUp() override {
        writeFile("log.txt",
                  "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n"
                  "\"2\",\"6\",\"B\",\"W1AB\",\"90\",\"EMA\",\"11/6/99\",\"21:05:00\",\"20\"\r\n"
                  "\"3\",\"7\",\"A\",\"K1XX\",\"72\",\"ME\",\"11/6/99\",\"21:06:00\",\"80\"\r\n");
        h.port.useStationReply = true;
        h.port.stationReply = {"W9XYZ", "A", "85", "IL", 5, 0, 0};
        h.port.answers = {Answer::Yes};
        h.logic.windowShown();
        h.logic.cmdLogOn_Click();
        h.logic.userFocus(Field::txtCall);
    }
};

const std::string Announcement = "Duplicate W1AW CT 11/6/99 21:04:33 ON 40  Rec#  1";

} // namespace

TEST_F(Dupes, PartialListNewestFirstAndPossibleDuplicateFromTheFourthKey) {
    struct Step {
        char key;
        const char* list;
        const char* dialog;
    };
    const Step steps[] = {
        {'W', "W1AB W1AW ", " "}, {'1', "W1AB W1AW ", " "},
        {'A', "W1AB W1AW ", " "}, {'B', "W1AB ", "Possible Duplicate!"},
        {'C', "", " "},
    };
    for (const Step& s : steps) {
        h.type(std::string(1, s.key));
        EXPECT_EQ(h.model.lblDupe.caption, s.list) << s.key;
        EXPECT_EQ(h.model.lblDupe.back, *s.list ? colours::Message : colours::Grey) << s.key;
        EXPECT_EQ(h.model.lblDialog.caption, s.dialog) << s.key;
    }
    h.type("\b");
    EXPECT_EQ(h.model.lblDupe.caption, "");
}

TEST_F(Dupes, PartialListSwitchedOff) {
    h.logic.cmdDup_Click();
    EXPECT_EQ(h.model.cmdDup.caption, "Off");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    h.logic.userFocus(Field::txtCall);
    h.type("W1AB");
    EXPECT_EQ(h.model.lblDupe.caption, "");
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    h.logic.cmdDup_Click();
    EXPECT_EQ(h.model.cmdDup.caption, "On");
}

TEST_F(Dupes, PartialListStopsOnceLongerThan125Characters) {
    std::string log;
    for (int i = 1; i <= 40; ++i) {
        const std::string call = "N5A" + std::string(1, static_cast<char>('A' + i % 26)) +
                                 std::to_string(i % 10) +
                                 std::string(1, static_cast<char>('A' + i / 26));
        log += "\"" + std::to_string(i) + "\",\"1\",\"A\",\"" + call +
               "\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n";
    }
    writeFile("log.txt", log);
    ASSERT_TRUE(h.logic.mnuopen2());
    h.logic.userFocus(Field::txtCall);
    h.type("N");
    const std::string& list = h.model.lblDupe.caption;
    EXPECT_GT(list.size(), 125u);
    EXPECT_LE(list.size(), 125u + 7u);
    // Oldest records are scanned first; the last one reached stands at the front.
    const std::size_t entries = list.size() / 7;
    EXPECT_EQ(list.substr(0, 6), h.state.ContactLog[static_cast<int>(entries)].Call);
    EXPECT_EQ(list.substr(list.size() - 7), h.state.ContactLog[1].Call + " ");
}

TEST_F(Dupes, CallPlausibilityOnTheThirdCharacter) {
    struct Case {
        const char* keys;
        bool warned;
    };
    const Case cases[] = {{"KXX", true}, {"K1X", false}, {"KX1", false}, {"KX", false}};
    for (const Case& c : cases) {
        h.logic.cmdClear_Click();
        h.logic.userFocus(Field::txtCall);
        const int beeps = h.port.beeps;
        const std::size_t boxes = h.port.boxes.size();
        h.type(c.keys);
        EXPECT_EQ(h.port.boxes.size(), boxes) << c.keys; // a warning, never a modal box
        EXPECT_EQ(h.port.beeps - beeps, c.warned ? 1 : 0) << c.keys;
        EXPECT_EQ(h.model.lblDialog.caption,
                  c.warned ? "The second or third character is not numeric!" : " ")
            << c.keys;
        EXPECT_EQ(h.model.txtCall.text, c.keys);
    }
}

TEST_F(Dupes, LeavingTheCallFieldAnnouncesADuplicateThatStaysVisible) {
    h.logic.userFocus(Field::txtNum);
    h.type("12AW1AW ");
    EXPECT_EQ(h.model.lblDialog.caption, Announcement);
    EXPECT_EQ(h.model.lblDialog.back, colours::Red);
    EXPECT_EQ(h.model.lblDupe.caption, "");
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_EQ(h.state.DupeFlag, 1);
}

TEST_F(Dupes, EnterInTheCallFieldGivesTheSameAnnouncement) {
    h.logic.userFocus(Field::txtNum);
    h.type("12AW1AW");
    const int beeps = h.port.beeps;
    h.type("\n");
    EXPECT_EQ(h.model.lblDialog.caption, Announcement);
    EXPECT_EQ(h.model.lblDialog.back, colours::Red);
    EXPECT_EQ(h.port.beeps - beeps, 1);
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_EQ(h.state.RecCount, 3);
}

TEST_F(Dupes, SuffixedCallIsNotADuplicateAndNoBandMatters) {
    h.logic.chooseBand("10");
    h.logic.userFocus(Field::txtNum);
    h.type("1AW1AW/3 85CT\n");
    EXPECT_EQ(h.state.RecCount, 4);
    EXPECT_EQ(h.state.ContactLog[4].Call, "W1AW/3");
    h.type("2BK1XX7"); // the 7 starts the check field, leaving the call field
    EXPECT_EQ(h.state.RecCount, 4);
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.lblDialog.caption, "Duplicate K1XX ME 11/6/99 21:06:00 ON 80  Rec#  3");
}

TEST_F(Dupes, KeysDuringTheThreeSecondsAreDiscardedUntilTheHoldTimerEndsThem) {
    h.logic.userFocus(Field::txtNum);
    h.type("12AW1AW ");
    ASSERT_TRUE(h.logic.holdingKeys());
    EXPECT_EQ(h.logic.dupeHoldLeftMs(), 3000);
    h.clock.advanceMs(1200);
    EXPECT_EQ(h.logic.dupeHoldLeftMs(), 1800);
    h.type("4");
    h.logic.editedText(Field::txtNum, "45", 2); // pasted: the fields stay as they are
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.lblDialog.caption, Announcement);
    EXPECT_EQ(h.model.lblDialog.back, colours::Red);

    // The window's timer ends the hold, whatever the wall clock says meanwhile.
    h.clock.advanceMs(-3600 * 1000);
    h.logic.dupeHoldOver();
    EXPECT_FALSE(h.logic.holdingKeys());
    EXPECT_EQ(h.model.lblDialog.caption, Announcement);
    EXPECT_EQ(h.model.lblDialog.back, colours::Message);
    h.type("4");
    EXPECT_EQ(h.model.txtNum.text, "4");

    // After Enter on a duplicate the hold runs as well; a key after it ends it.
    h.logic.cmdClear_Click();
    h.type("1AW1AW\n");
    EXPECT_TRUE(h.logic.holdingKeys());
    h.type("7");
    EXPECT_EQ(h.model.txtNum.text, "");
    h.clock.advanceMs(3000);
    h.type("7");
    EXPECT_FALSE(h.logic.holdingKeys());
    EXPECT_EQ(h.model.txtNum.text, "7");
}

TEST_F(Dupes, EmptyCallMatchesNothing) {
    h.state.ContactLog[2].Call = "";
    h.logic.userFocus(Field::txtNum);
    EXPECT_EQ(h.state.DupeFlag, 0);
    EXPECT_EQ(h.model.lblDialog.back, colours::Message);
}

TEST_F(Dupes, EnterChecksAgainWhenTheLogChangedSinceTheCallFieldWasLeft) {
    struct Case {
        std::string call;
        std::function<void(const std::string& call)> meanwhile;
        bool logged;
    };
    const Case cases[] = {
        {"W9ZZ", [](const std::string&) {}, true},
        {"W8ZZ", // edited in place by the edit dialog
         [this](const std::string& call) {
             h.port.editDialog = [call](ContestState& s, int rec, const ShortDateForm&, int) {
                 s.ContactLog[rec].Call = call;
             };
             h.logic.cmdEdit_Click(2);
         },
         false},
        {"W7ZZ", // a log opened again
         [this](const std::string& call) {
             writeFile("log.txt", "\"1\",\"5\",\"A\",\"" + call +
                                      "\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n");
             ASSERT_TRUE(h.logic.mnuopen2());
         },
         false},
    };
    for (const Case& c : cases) {
        h.clock.advanceMs(3000); // past the hold of the row before
        h.logic.dupeHoldOver();
        h.logic.cmdClear_Click();
        h.logic.userFocus(Field::txtNum);
        h.type("12A" + c.call + "8"); // the 8 leaves the call field: not worked yet
        ASSERT_EQ(h.state.DupeFlag, 0) << c.call;
        ASSERT_EQ(h.model.txtCK.text, "8") << c.call;
        c.meanwhile(c.call);
        const int before = h.state.RecCount;
        h.logic.userFocus(Field::txtCK);
        h.type("5CT\n");
        EXPECT_EQ(h.state.RecCount, before + (c.logged ? 1 : 0)) << c.call;
        EXPECT_EQ(h.model.lblDialog.caption.rfind("Duplicate " + c.call, 0) == 0, !c.logged)
            << c.call << ": " << h.model.lblDialog.caption;
    }
}
