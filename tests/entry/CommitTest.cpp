#include "core/LogFile.h"
#include "support/LogicHarness.h"
#include "tools/LogGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

class Commit : public ::testing::Test {
protected:
    LogicHarness h;
    void SetUp() override { h.startNewContest(); }

    // Puts texts straight into the five fields, as if typed, and presses Enter in
    // the serial-number field.
    void enter(const char* num, const char* pre, const char* call, const char* ck,
               const char* sec) {
        h.model.txtNum.setText(num);
        h.model.txtPre.setText(pre);
        h.model.txtCall.setText(call);
        h.model.txtCK.setText(ck);
        h.model.txtSec.setText(sec);
        h.logic.userFocus(Field::txtNum);
        h.type("\n");
    }
};

} // namespace

TEST_F(Commit, RefusedEntriesKeepTheirFieldsAndSayWhy) {
    struct Case {
        const char *num, *pre, *call, *ck, *sec;
        const char* message;
        Field focus;
    };
    const Case cases[] = {
        {"5", "A", "W1AW", "85", "", "Invalid Section", Field::txtSec},
        {"", "A", "W1AW", "85", "CT", "Need Contact Number!", Field::txtNum},
        {"5", "", "W1AW", "85", "CT", "Need Precedence!", Field::txtPre},
        {"5", "A", "W1", "85", "CT", "Need Call Sign!", Field::txtCall},
        {"5", "A", "W1AW", "", "CT", "Need Check!", Field::txtCK},
        {"5", "A", "W1AW", "85", "ema", "Invalid Section", Field::txtNum},
        {"5", "A", "W1AW", "85", "EMAX", "Invalid Section", Field::txtNum},
        {"5", "A", "W1AW", "", "XX", "Invalid Section", Field::txtCK},
    };
    for (const Case& c : cases) {
        enter(c.num, c.pre, c.call, c.ck, c.sec);
        EXPECT_EQ(h.model.lblDialog.caption, c.message) << c.call << "/" << c.sec;
        EXPECT_EQ(h.model.focus, c.focus) << c.call << "/" << c.sec;
        EXPECT_EQ(h.state.RecCount, 0);
        EXPECT_EQ(h.model.txtSec.text, c.sec);
        EXPECT_EQ(h.model.txtCall.text, c.call);
    }
    EXPECT_EQ(readFile("log.txt"), "");
    EXPECT_EQ(h.state.LoggedOn, 1); // the first Enter started the clock
}

TEST_F(Commit, FirstContactAndScoreboardCaptions) {
    enter("5", "A", "KB1", "85", "EMA");
    ASSERT_EQ(h.state.RecCount, 1);
    EXPECT_EQ(h.state.ContactLog[1].NumSent, "1");
    EXPECT_EQ(h.model.lblTotCon.caption, " 1");
    EXPECT_EQ(h.model.lblTotSec.caption, "1");
    EXPECT_EQ(h.model.lblsectogo.caption, "78");
    EXPECT_EQ(h.model.lblTotScore.caption, "2");
    EXPECT_EQ(h.model.lblNumCurCon.caption, "  2");
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    EXPECT_EQ(h.model.Label10[2].fore, colours::Worked);
    EXPECT_EQ(h.model.Label10[1].fore, colours::Unworked);
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_EQ(h.model.lblDupe.caption, "");
    EXPECT_EQ(h.model.lblDupe.back, colours::Grey);

    enter("6", "B", "KB2", "90", "EMA");
    EXPECT_EQ(h.model.lblTotSec.caption, "1");
    EXPECT_EQ(h.model.lblsectogo.caption, "78");
    EXPECT_EQ(h.model.lblTotScore.caption, "4");
    EXPECT_EQ(h.state.SecCount[2], 2);
    EXPECT_EQ(h.state.ContactLog[2].NumSent, "2");
}

TEST_F(Commit, StampIsUtcWithTheStationsHours) {
    h.clock.setMs(localMs(2026, 11, 6, 23, 30, 0));
    enter("5", "A", "W1AW", "85", "CT"); // the station is 5 hours behind UTC
    const Contact& c = h.state.ContactLog[1];
    EXPECT_EQ(c.Date, "11/7/2026");
    EXPECT_EQ(c.Time, "04:30:00");
    EXPECT_EQ(c.Bnd, "40");
    h.logic.chooseBand("15");
    enter("6", "A", "W2AW", "85", "ENY");
    EXPECT_EQ(h.state.ContactLog[2].Bnd, "15");
}

TEST_F(Commit, DuplicateIsNotStoredButClearsTheEntry) {
    enter("5", "A", "W1AW", "85", "CT");
    enter("9", "B", "W1AW", "11", "ENY");
    EXPECT_EQ(h.state.RecCount, 1);
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_EQ(h.model.lblDialog.caption.rfind("Duplicate W1AW", 0), 0u);
    EXPECT_EQ(h.model.lblNumCurCon.caption, "  2");
}

TEST_F(Commit, FullLogRefusesWithAMessageAndKeepsTheFields) {
    tools::LogGenOptions o;
    o.count = 11000;
    writeFile("log.txt", tools::formatLog(tools::generateContacts(o)));
    ASSERT_TRUE(h.logic.mnuopen2());
    const std::string before = readFile("log.txt");
    enter("5", "A", "ZZ9ZZZ", "85", "CT");
    EXPECT_EQ(h.state.RecCount, 11000);
    EXPECT_EQ(h.model.txtCall.text, "ZZ9ZZZ");
    EXPECT_NE(h.model.lblDialog.caption.find("11000"), std::string::npos);
    EXPECT_EQ(readFile("log.txt"), before);
}

TEST_F(Commit, FailedAppendTellsTheOperatorAndKeepsMemoryAndFileInAgreement) {
    enter("5", "A", "W1AW", "85", "CT");
    std::filesystem::rename("log.txt", "saved.txt");
    std::filesystem::create_directory("log.txt");
    enter("6", "B", "K2XX", "90", "ENY");
    EXPECT_EQ(h.state.RecCount, 1);
    EXPECT_EQ(h.state.SecWorked, 1);
    EXPECT_EQ(h.model.lblTotCon.caption, " 1");
    EXPECT_EQ(h.model.lblDialog.caption.rfind("NOT LOGGED", 0), 0u);
    EXPECT_EQ(h.fields(), "6|B|K2XX|90|ENY");

    std::filesystem::remove("log.txt");
    std::filesystem::rename("saved.txt", "log.txt");
    h.logic.userFocus(Field::txtNum);
    h.type("\n");
    ASSERT_EQ(h.state.RecCount, 2);
    EXPECT_EQ(h.state.ContactLog[2].NumSent, "2");
    ContestState reloaded;
    ASSERT_TRUE(loadLog(reloaded, "log.txt").ok());
    EXPECT_EQ(reloaded.RecCount, 2);
    EXPECT_EQ(reloaded.ContactLog[2], h.state.ContactLog[2]);
}

TEST_F(Commit, CommitAfterALoadRestoresTheSameRecords) {
    tools::LogGenOptions o;
    o.count = 250;
    writeFile("log.txt", tools::formatLog(tools::generateContacts(o)));
    ASSERT_TRUE(h.logic.mnuopen2());
    EXPECT_EQ(h.model.lblNumCurCon.caption, " 251");
    enter("17", "Q", "ZZ9ZZZ", "01", "NWT");
    ASSERT_EQ(h.state.RecCount, 251);
    EXPECT_EQ(h.state.ContactLog[251].NumSent, "251");

    ContestState reloaded;
    ASSERT_TRUE(loadLog(reloaded, "log.txt").ok());
    ASSERT_EQ(reloaded.RecCount, 251);
    for (int i = 1; i <= 251; ++i)
        ASSERT_EQ(reloaded.ContactLog[i], h.state.ContactLog[i]) << i;
    EXPECT_EQ(reloaded.SecWorked, h.state.SecWorked);
}
