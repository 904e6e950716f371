#include "support/LogicHarness.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

struct Step {
    char key;
    const char* fields; // num|pre|call|ck|sec after the key
    Field focus;
};

class Typing : public ::testing::Test {
protected:
    LogicHarness h;
    void SetUp() override {
        h.startNewContest();
        h.logic.cmdLogOn_Click(); // the clock runs
    }
    void typeSteps(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            h.type(std::string(1, s.key));
            EXPECT_EQ(h.fields(), s.fields) << "after key '" << s.key << "'";
            EXPECT_EQ(h.model.focus, s.focus) << "after key '" << s.key << "'";
        }
    }
};

} // namespace

TEST_F(Typing, SerialFirstExchangeWithoutSpaceOrTab) {
    typeSteps({
        {'1', "1||||", Field::txtNum},
        {'2', "12||||", Field::txtNum},
        {'3', "123||||", Field::txtNum},
        {'A', "123|A|||", Field::txtPre},
        {'W', "123|A|W||", Field::txtCall},
        {'1', "123|A|W1||", Field::txtCall},
        {'A', "123|A|W1A||", Field::txtCall},
        {'W', "123|A|W1AW||", Field::txtCall},
        {'8', "123|A|W1AW|8|", Field::txtCK},
        {'5', "123|A|W1AW|85|", Field::txtCK},
        {'C', "123|A|W1AW|85|C", Field::txtSec},
        {'T', "123|A|W1AW|85|CT", Field::txtSec},
        {'\n', "||||", Field::txtNum},
    });
    ASSERT_EQ(h.state.RecCount, 1);
    const Contact& c = h.state.ContactLog[1];
    EXPECT_EQ(c.Num, "123");
    EXPECT_EQ(c.Pre, "A");
    EXPECT_EQ(c.Call, "W1AW");
    EXPECT_EQ(c.Ck, "85");
    EXPECT_EQ(c.Sec, "CT");
    EXPECT_EQ(readFile("log.txt"),
              "\"1\",\"123\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/8/2026\",\"02:00:05\",\"40\"\r\n");
}

TEST_F(Typing, CallFirstExchangeWithoutSpaceOrTab) {
    h.logic.callopt_Click();
    EXPECT_EQ(h.model.focus, Field::txtCall);
    typeSteps({
        {'W', "||W||", Field::txtCall},
        {'1', "||W1||", Field::txtCall},
        {'A', "||W1A||", Field::txtCall},
        {'W', "||W1AW||", Field::txtCall},
        {'1', "1||W1AW||", Field::txtNum},
        {'2', "12||W1AW||", Field::txtNum},
        {'3', "123||W1AW||", Field::txtNum},
        {'A', "123|A|W1AW||", Field::txtPre},
        {'8', "123|A|W1AW|8|", Field::txtCK},
        {'5', "123|A|W1AW|85|", Field::txtCK},
        {'C', "123|A|W1AW|85|C", Field::txtSec},
        {'T', "123|A|W1AW|85|CT", Field::txtSec},
        {'\n', "||||", Field::txtCall},
    });
    ASSERT_EQ(h.state.RecCount, 1);
    EXPECT_EQ(h.state.ContactLog[1].Call, "W1AW");
    EXPECT_EQ(h.state.ContactLog[1].Num, "123");
}

TEST_F(Typing, CallFieldHandOverRule) {
    struct Case {
        const char* start; // call field text before the key
        char key;
        const char* call; // call field after
        Field focus;
    };
    const Case cases[] = {
        {"W1AW", '/', "W1AW/", Field::txtCall}, {"W1AW/", '3', "W1AW/3", Field::txtCall},
        {"KH6", '1', "KH61", Field::txtCall},   {"W1", '2', "W12", Field::txtCall},
        {"W1A", '5', "W1A", Field::txtCK},      {"WAB", '5', "WAB5", Field::txtCall},
        {"W1-A", '5', "W1-A5", Field::txtCall}, {"W1AW", 'x', "W1AWX", Field::txtCall},
        {"W1AW", '"', "W1AW", Field::txtCall},  {"W1AW", ' ', "W1AW", Field::txtCK},
    };
    for (const Case& c : cases) {
        h.logic.cmdClear_Click();
        h.logic.userFocus(Field::txtCall);
        h.model.txtCall.setText(c.start);
        h.type(std::string(1, c.key));
        EXPECT_EQ(h.model.txtCall.text, c.call) << c.start << " + " << c.key;
        EXPECT_EQ(h.model.focus, c.focus) << c.start << " + " << c.key;
    }
}

TEST_F(Typing, FieldFiltersAndLimits) {
    struct Case {
        Field field;
        const char* start;
        const char* keys;
        const char* text; // the field's text afterwards
        Field focus;
    };
    const Case cases[] = {
        {Field::txtPre, "", "a", "A", Field::txtPre},
        {Field::txtPre, "", "x", "", Field::txtPre},
        {Field::txtPre, "", "\"", "", Field::txtPre},
        {Field::txtPre, "", " ", "", Field::txtCall},
        {Field::txtCK, "85", "1", "85", Field::txtCK},
        {Field::txtCK, "8", "\"", "8", Field::txtCK},
        {Field::txtCK, "85", "e", "85", Field::txtSec},
        {Field::txtSec, "", "ema", "EMA", Field::txtSec},
        {Field::txtSec, "EMA", "xy", "EMAX", Field::txtSec},
        {Field::txtSec, "CT", "\"", "CT", Field::txtSec},
        {Field::txtSec, "CT", " ", "CT", Field::txtNum},
        {Field::txtNum, "12345", "6", "12345", Field::txtNum},
        {Field::txtNum, "12", "\b", "1", Field::txtNum},
        {Field::txtNum, "12", "\"", "12", Field::txtNum},
        {Field::txtNum, "12", " ", "12", Field::txtPre},
        {Field::txtCall, "", "\"", "", Field::txtCall},
    };
    for (const Case& c : cases) {
        h.logic.cmdClear_Click();
        h.logic.userFocus(c.field);
        h.model.box(c.field).setText(c.start);
        h.type(c.keys);
        EXPECT_EQ(h.model.box(c.field).text, c.text) << c.start << " + " << c.keys;
        EXPECT_EQ(h.model.focus, c.focus) << c.start << " + " << c.keys;
    }
}

TEST_F(Typing, HandedKeyRefusedByTheNextFieldEmptiesIt) {
    h.type("12X");
    EXPECT_EQ(h.fields(), "12||||");
    EXPECT_EQ(h.model.focus, Field::txtPre);
    EXPECT_EQ(h.state.KeyState, 0);
}

TEST_F(Typing, SpaceInSectionReturnsToTheFirstFieldOfTheOrder) {
    h.logic.callopt_Click();
    h.logic.userFocus(Field::txtSec);
    h.type(" ");
    EXPECT_EQ(h.model.focus, Field::txtCall);
}

TEST_F(Typing, StoppedClockRemindsOnEveryKeyButKeepsTheKey) {
    h.logic.cmdLogOn_Click(); // stop
    const int beeps = h.port.beeps;
    h.type("1");
    EXPECT_EQ(h.model.lblDialog.caption, "Click Log \"On Time\"!");
    h.type("2AW");
    EXPECT_EQ(h.model.lblDialog.caption, "Click Log \"Time On\"!");
    EXPECT_EQ(h.fields(), "12|A|W||");
    EXPECT_EQ(h.port.beeps - beeps, 4);
}

TEST_F(Typing, TabOrderMenuMovesFocusChecksAndSaves) {
    h.logic.callopt_Click();
    EXPECT_TRUE(h.model.calloptChecked);
    EXPECT_FALSE(h.model.numoptChecked);
    EXPECT_EQ(h.model.txtCall.tabIndex, 1);
    EXPECT_EQ(h.model.txtNum.tabIndex, 2);
    EXPECT_NE(readFile("nspref.txt").find("\r\n2\r\n\"40\""), std::string::npos);

    h.logic.numopt_Click();
    EXPECT_EQ(h.model.focus, Field::txtNum);
    EXPECT_TRUE(h.model.numoptChecked);
    EXPECT_FALSE(h.model.calloptChecked);
    EXPECT_EQ(h.model.txtNum.tabIndex, 1);
    EXPECT_EQ(h.model.txtCall.tabIndex, 3);
    EXPECT_NE(readFile("nspref.txt").find("\r\n1\r\n\"40\""), std::string::npos);
}

TEST_F(Typing, ClearEmptiesTheFieldsAndMessages) {
    h.type("123AW1A");
    h.model.lblDupe.caption = "W1AB ";
    h.logic.cmdClear_Click();
    EXPECT_EQ(h.fields(), "||||");
    EXPECT_EQ(h.model.lblDupe.caption, "");
    EXPECT_EQ(h.model.lblDupe.back, colours::Grey);
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    EXPECT_EQ(h.model.focus, Field::txtNum);
}

TEST_F(Typing, PastedTextIsFilteredLikeTypedText) {
    h.logic.editedText(Field::txtCall, "w1\"a w", 6);
    EXPECT_EQ(h.model.txtCall.text, "W1AW");
    h.logic.editedText(Field::txtNum, "12a34567", 8);
    EXPECT_EQ(h.model.txtNum.text, "12345");
    h.logic.editedText(Field::txtPre, "zq", 2);
    EXPECT_EQ(h.model.txtPre.text, "Q");
}
