#include "entry/EditContactLogic.h"
#include "support/FakePort.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace vantor;
using namespace vantor::test;
using Box = EditContactLogic::Box;

namespace {

const std::vector<Contact> FiveContacts = {
    {"1", "11", "A", "W1AW", "85", "CT", "11/7/2026", "21:00:05", "40"},
    {"2", "12", "B", "K2XX", "70", "ENY", "11/7/2026", "21:05:00", "40"},
    {"3", "13", "Q", "N3YY", "99", "EPA", "11/7/2026", "21:10:00", "20"},
    {"4", "14", "U", "K2XX", "70", "ENY", "11/7/2026", "21:15:00", "20"},
    {"5", "15", "M", "W5ZZ", "01", "STX", "11/8/2026", "01:20:00", "15"},
};

class EditContact : public ::testing::Test {
protected:
    ContestState state;
    FakeClock clock;
    FakePort port{clock};
    EditContactLogic dialog{state, port, ShortDateForm{}, 2026};

    void SetUp() override {
        for (const Contact& c : FiveContacts)
            state.ContactLog[++state.RecCount] = c;
    }
    void type(Box box, const std::string& keys) {
        for (char ch : keys)
            dialog.typeKey(box, ch == '\n' ? 13 : static_cast<unsigned char>(ch));
    }
    void retype(Box box, const std::string& keys) {
        dialog.box(box).clear();
        type(box, keys);
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> t;
        for (const ShownBox& b : port.boxes)
            t.push_back(b.title);
        return t;
    }
};

} // namespace

TEST_F(EditContact, LoadsTheRecordAndFiltersEachBoxsKeys) {
    ASSERT_FALSE(dialog.Form_Load(0));
    ASSERT_FALSE(dialog.Form_Load(6));
    ASSERT_TRUE(dialog.Form_Load(3));
    EXPECT_EQ(dialog.box(Box::txtEditCall).text, "N3YY");
    EXPECT_EQ(dialog.box(Box::txtEditBnd).text, "20");
    EXPECT_EQ(dialog.focus, Box::txtEditNumSent);
    EXPECT_FALSE(dialog.Label1.visible || dialog.Label2.visible);

    struct Case {
        Box box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {Box::txtEditNumSent, "12a\"/-3\b4", "124"},
        {Box::txtEditNum, "1a\"2", "1A2"},
        {Box::txtEditCall, "w1\"aw,/p", "W1AW,/P"},
        {Box::txtEditCk, "8x", "8X"},
        {Box::txtEditSec, "eny\"", "ENY"},
        {Box::txtEditDate, "11/7/2026x:-", "11/7/2026"},
        {Box::txtEditTime, "21:05:09/a.", "21:05:09"},
        {Box::txtEditBnd, "40m", "40M"},
    };
    for (const Case& c : cases) {
        retype(c.box, c.keys);
        EXPECT_EQ(dialog.box(c.box).text, c.text) << c.keys;
    }
    // Pasted text is held to what the keys could type.
    dialog.editedText(Box::txtEditTime, "1a2:3\r4");
    EXPECT_EQ(dialog.box(Box::txtEditTime).text, "12:34");
    dialog.editedText(Box::txtEditCall, "k\"9\nz");
    EXPECT_EQ(dialog.box(Box::txtEditCall).text, "K9Z");
    EXPECT_FALSE(dialog.hidden);
    EXPECT_EQ(port.beeps, 0);
}

TEST_F(EditContact, DateAndTimeRecognition) {
    const std::pair<const char*, bool> cases[] = {
        {"11/7/2026", true}, {"11/07/26", true}, {"21:05:09", true},   {"9:05", true},
        {"", false},         {"   ", false},     {"13/7/2026", false}, {"2/30/2026", false},
        {"24:00:00", false}, {"21:5:09", false}, {"11/7", false},      {"2026", false},
    };
    for (const auto& [text, ok] : cases)
        EXPECT_EQ(dialog.recognised(text), ok) << text;
}

TEST_F(EditContact, DoneRefusesOrStores) {
    struct Case {
        const char* name;
        int record;
        std::vector<std::pair<Box, const char*>> edits; // box retyped with these keys
        std::vector<std::string> titles;
        int beeps;
        bool dupLabel, invalidLabel, stored;
        Box focus;
        Contact expected; // the record afterwards
    };
    const Contact three = FiveContacts[2];
    Contact eny = three;
    eny.Sec = "ENY";
    Contact zeroSent = three;
    zeroSent.NumSent = "0";
    Contact retyped{"30", "7", "B", "W9Q", "12", "WI", "11/8/26", "1:02", "80"};
    const Case cases[] = {
        {"unchanged: its own call is no duplicate",
         3,
         {},
         {},
         0,
         false,
         false,
         true,
         Box::txtEditNumSent,
         three},
        {"time is checked before date",
         3,
         {{Box::txtEditDate, ""}, {Box::txtEditTime, "25:00:00"}},
         {"Invalid Time Format!"},
         1,
         false,
         false,
         false,
         Box::txtEditTime,
         three},
        {"bad date",
         3,
         {{Box::txtEditDate, "13/45/2026"}},
         {"Invalid Date Format!"},
         1,
         false,
         false,
         false,
         Box::txtEditDate,
         three},
        {"call logged under two other records: two beeps",
         3,
         {{Box::txtEditCall, "k2xx"}},
         {},
         2,
         true,
         false,
         false,
         Box::txtEditNumSent,
         three},
        {"section not in the table",
         3,
         {{Box::txtEditSec, "XYZ"}},
         {},
         1,
         false,
         true,
         false,
         Box::txtEditNumSent,
         three},
        {"duplicate and bad section together",
         3,
         {{Box::txtEditCall, "W1AW"}, {Box::txtEditSec, "ct1"}},
         {},
         2,
         true,
         true,
         false,
         Box::txtEditNumSent,
         three},
        {"lower-case section typed is raised and accepted",
         3,
         {{Box::txtEditSec, "eny"}},
         {},
         0,
         false,
         false,
         true,
         Box::txtEditNumSent,
         eny},
        {"emptied Num Sent is stored as 0",
         3,
         {{Box::txtEditNumSent, ""}},
         {},
         0,
         false,
         false,
         true,
         Box::txtEditNumSent,
         zeroSent},
        {"the other holder of a shared call still counts",
         2,
         {{Box::txtEditSec, "NNY"}},
         {},
         1,
         true,
         false,
         false,
         Box::txtEditNumSent,
         FiveContacts[1]},
        {"every box stored as typed",
         3,
         {{Box::txtEditNumSent, "30"},
          {Box::txtEditNum, "7"},
          {Box::txtEditPre, "b"},
          {Box::txtEditCall, "w9q"},
          {Box::txtEditCk, "12"},
          {Box::txtEditSec, "wi"},
          {Box::txtEditDate, "11/8/26"},
          {Box::txtEditTime, "1:02"},
          {Box::txtEditBnd, "80"}},
         {},
         0,
         false,
         false,
         true,
         Box::txtEditNumSent,
         retyped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.RecCount = 0;
        SetUp();
        port.boxes.clear();
        port.beeps = 0;
        ASSERT_TRUE(dialog.Form_Load(c.record));
        for (const auto& [box, keys] : c.edits)
            retype(box, keys);
        type(Box::txtEditBnd, "\n"); // Enter in any box is "Done"
        EXPECT_EQ(titles(), c.titles);
        EXPECT_EQ(port.beeps, c.beeps);
        EXPECT_EQ(dialog.Label1.visible, c.dupLabel);
        EXPECT_EQ(dialog.Label2.visible, c.invalidLabel);
        EXPECT_EQ(dialog.hidden, c.stored);
        EXPECT_EQ(dialog.focus, c.focus);
        EXPECT_EQ(state.ContactLog[c.record], c.expected);
        EXPECT_EQ(state.ContactLog[1], FiveContacts[0]);
    }
}

TEST_F(EditContact, WarningsStayUpAfterTheFieldIsCorrected) {
    ASSERT_TRUE(dialog.Form_Load(3));
    retype(Box::txtEditCall, "K2XX");
    retype(Box::txtEditSec, "ZZ");
    dialog.cmdDone_Click();
    retype(Box::txtEditCall, "N3YZ");
    retype(Box::txtEditSec, "EPA");
    dialog.cmdDone_Click();
    EXPECT_TRUE(dialog.hidden);
    EXPECT_TRUE(dialog.Label1.visible && dialog.Label2.visible);
    EXPECT_EQ(dialog.Label1.caption, " Duplicate!");
    EXPECT_EQ(dialog.Label2.caption, "   Invalid!");
    EXPECT_EQ(state.ContactLog[3].Call, "N3YZ");
}

TEST_F(EditContact, LeavingADateOrTimeBox) {
    struct Case {
        const char* name;
        const char* date;
        const char* time;
        std::vector<Box> moves; // the operator's focus moves, from txtEditDate
        std::vector<std::string> titles;
        Box focus;
    };
    const Case cases[] = {
        {"valid date left", "11/7/2026", "21:00:00", {Box::txtEditTime}, {}, Box::txtEditTime},
        {"empty date",
         "",
         "21:00:00",
         {Box::txtEditBnd},
         {"Invalid Date Format!"},
         Box::txtEditDate},
        {"both invalid: the refused box keeps the focus, no ping-pong",
         "1//",
         "99",
         {Box::txtEditTime},
         {"Invalid Date Format!"},
         Box::txtEditDate},
        {"each departure is checked again",
         "1//",
         "21:00",
         {Box::txtEditTime, Box::cmdDone},
         {"Invalid Date Format!", "Invalid Date Format!"},
         Box::txtEditDate},
        {"invalid time left for Done",
         "11/7/2026",
         "7",
         {Box::txtEditTime, Box::cmdDone},
         {"Invalid Time Format!"},
         Box::txtEditTime},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.boxes.clear();
        port.beeps = 0;
        ASSERT_TRUE(dialog.Form_Load(1));
        dialog.box(Box::txtEditDate).setText(c.date);
        dialog.box(Box::txtEditTime).setText(c.time);
        dialog.userFocus(Box::txtEditDate);
        for (Box to : c.moves)
            dialog.userFocus(to);
        EXPECT_EQ(titles(), c.titles);
        EXPECT_EQ(port.beeps, static_cast<int>(c.titles.size()));
        EXPECT_EQ(dialog.focus, c.focus);
        for (const ShownBox& b : port.boxes) {
            EXPECT_EQ(b.buttons, Buttons::Ok);
            EXPECT_EQ(b.text, b.title == "Invalid Date Format!"
                                  ? "You have entered an invalid date format!"
                                  : "You have entered an invalid time format!");
        }
    }
}
