#include "aids/TypingAids.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vantor;
using namespace vantor::aids;
using namespace vantor::test;

namespace {

void write(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

class Aids : public ::testing::Test {
protected:
    LogicHarness h;
    TypingAids aids{h.state, h.model, ScpFileName, "/nonexistent/MASTER.SCP"};
    void SetUp() override {
        write(HistoryFileName,
              "!!Order!!,Call,Sect,State,CK\nK5TR,STX,TX,68\nK5TS,STX,,68\nK5TT,STX,,68\n"
              "K5TU,STX,,68\nK5TV,STX,,68\n");
        write(ScpFileName, "# test\nK5TR\nAK5TR\nN5TR\nW1AW\n");
        aids.start();
        h.logic.setAids(&aids);
        h.startNewContest();
        h.logic.cmdLogOn_Click();
    }
    std::string lastLogLine() {
        const std::string log = readFile("log.txt");
        const auto end = log.rfind('\n', log.size() - 2);
        return log.substr(end == std::string::npos ? 0 : end + 1);
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> out;
        for (const ShownCall& c : aids.shown().calls)
            out.push_back(c.call + (c.worked ? "*" : ""));
        return out;
    }
};

} // namespace

TEST_F(Aids, HistoryFillsWhenTheCallIsLeftAndTypingReplacesIt) {
    struct Case {
        const char* keys;   // typed from an empty entry
        const char* fields; // num|pre|call|ck|sec before Enter
        const char* stored; // the check and section stored
        bool ckFromHistory;
    };
    const std::vector<Case> cases = {
        {"1ak5tr ", "1|A|K5TR|68|STX", ",\"68\",\"STX\"", true},
        {"2ak5ts 72", "2|A|K5TS|72|STX", ",\"72\",\"STX\"", false},
        {"3ak5tt ntx", "3|A|K5TT|68|NTX", ",\"68\",\"NTX\"", true},
        {"4ak5tu70", "4|A|K5TU|70|", ",\"70\",\"NTX\"", false}, // typed on: no fill
        {"5ak5tv 68 \b\bEB", "5|A|K5TV|68|EB", ",\"68\",\"EB\"", false},
    };
    for (const Case& c : cases) {
        h.type(c.keys);
        EXPECT_EQ(h.fields(), c.fields) << c.keys;
        EXPECT_EQ(h.model.txtCK.fromHistory, c.ckFromHistory) << c.keys;
        if (std::string(c.fields).back() == '|')
            h.type("ntx");
        h.type("\n");
        EXPECT_NE(lastLogLine().find(c.stored), std::string::npos)
            << c.keys << ": " << lastLogLine();
        EXPECT_FALSE(h.model.txtCK.fromHistory || h.model.txtSec.fromHistory) << c.keys;
    }
}

TEST_F(Aids, FillIsSelectedSoTheNextKeyReplacesIt) {
    int told = 0; // the window redraws the fields on each change of their drawing
    aids.onChanged = [&told] { ++told; };
    h.type("1ak5tr ");
    EXPECT_EQ(told, 1);
    EXPECT_EQ(h.model.focus, Field::txtCK);
    EXPECT_EQ(h.model.txtCK.selStart, 0);
    EXPECT_EQ(h.model.txtCK.selLength, 2);
    EXPECT_TRUE(h.model.txtSec.fromHistory);
    h.type("9");
    EXPECT_EQ(told, 2);
    EXPECT_EQ(h.model.txtCK.text, "9");
    EXPECT_FALSE(h.model.txtCK.fromHistory);
    EXPECT_TRUE(h.model.txtSec.fromHistory);
}

TEST_F(Aids, CheckPartialFollowsEveryKey) {
    aids.setCheckPartial(true);
    h.type("1a5");
    EXPECT_TRUE(listed().empty());
    h.type("t");
    EXPECT_EQ(listed(), (std::vector<std::string>{"K5TR", "AK5TR", "N5TR"}));
    h.type("r");
    EXPECT_EQ(listed(), (std::vector<std::string>{"K5TR", "AK5TR", "N5TR"}));
    h.type("\b\b");
    EXPECT_TRUE(listed().empty());
    h.logic.cmdClear_Click();
    h.type("1ak5tr 68stx\n");
    h.type("2a5t");
    EXPECT_EQ(listed(), (std::vector<std::string>{"K5TR*", "AK5TR", "N5TR"}));
    aids.setCheckPartial(false);
    EXPECT_TRUE(listed().empty());
}

TEST_F(Aids, NewSectionCueNamesAnUnworkedSectionAndLeavesOtherMessages) {
    aids.setSectionCue(true);
    h.type("1ak1zz 85c");
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    h.type("t");
    EXPECT_EQ(h.model.lblDialog.caption, "New section: CT");
    h.type("\b");
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    h.type("t\n2ak1yy 70ct");
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    h.logic.cmdClear_Click();
    h.type("3ak5tr ");
    EXPECT_EQ(h.model.lblDialog.caption, "New section: STX"); // brought by the history
    h.logic.cmdClear_Click();
    h.type("3akkk");
    h.logic.userFocus(Field::txtSec);
    h.type("stx");
    EXPECT_EQ(h.model.lblDialog.caption, "The second or third character is not numeric!");
}

TEST(AidsOff, NoScpAnywhereIsToldOnce) {
    TempDir dir;
    ContestState state;
    Form1Model model;
    TypingAids aids(state, model, ScpFileName, "/nonexistent/MASTER.SCP");
    model.lblDialog.caption = " ";
    aids.setCheckPartial(true);
    EXPECT_EQ(model.lblDialog.caption,
              "No MASTER.SCP in the contest folder or /nonexistent/MASTER.SCP: the check "
              "partial list is off.");
    model.lblDialog.caption = " ";
    aids.setCheckPartial(false);
    aids.setCheckPartial(true);
    EXPECT_EQ(model.lblDialog.caption, " ");
}

TEST_F(Aids, AMessageToldWhileTheMessageLineIsBusyWaitsForItToClear) {
    h.model.lblDialog.caption = "Click Log \"Time On\"!";
    EXPECT_FALSE(aids.tell("Call history: 5 calls from callhist.txt, 2 lines skipped."));
    aids.eventDone();
    EXPECT_EQ(h.model.lblDialog.caption, "Click Log \"Time On\"!");
    h.model.lblDialog.caption = " ";
    aids.eventDone();
    EXPECT_EQ(h.model.lblDialog.caption,
              "Call history: 5 calls from callhist.txt, 2 lines skipped.");
    h.model.lblDialog.caption = " ";
    aids.eventDone();
    EXPECT_EQ(h.model.lblDialog.caption, " "); // once
}
