#include "entry/EditContactLogic.h"
#include "support/FakePort.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;
using Box = EditContactLogic::Box;

namespace {

const std::vector<Contact> Log = {
    {"1", "11", "A", "W1AW", "85", "CT", "11/7/2026", "21:00:05", "40"},
    {"2", "12", "B", "K2XX", "70", "ENY", "11/7/2026", "21:05:00", "40"},
    {"3", "13", "Q", "N3YY", "99", "EPA", "11/7/2026", "21:10:00", "20"},
    {"4", "14", "U", "K2XX", "70", "ENY", "11/7/2026", "21:15:00", "20"},
};

// The record's fields in the order of the boxes.
constexpr std::string Contact::*Fields[] = {&Contact::NumSent, &Contact::Num,  &Contact::Pre,
                                            &Contact::Call,    &Contact::Ck,   &Contact::Sec,
                                            &Contact::Date,    &Contact::Time, &Contact::Bnd};

class EditContact : public ::testing::Test {
protected:
    ContestState state;
    FakeClock clock;
    FakePort port{clock};
    EditContactLogic dialog{state, port, ShortDateForm{}, 2026};

    void load(int record) {
        state.RecCount = 0;
        for (const Contact& c : Log)
            state.ContactLog[++state.RecCount] = c;
        port.boxes.clear();
        port.beeps = 0;
        ASSERT_TRUE(dialog.Form_Load(record));
    }
    void retype(Box box, const std::string& keys) {
        dialog.box(box).clear();
        for (char ch : keys)
            dialog.typeKey(box, ch == '\n' ? 13 : static_cast<unsigned char>(ch));
    }
    // Message titles, then the warning labels shown: "title|...|dup|invalid".
    std::string shown() const {
        std::string s;
        for (const ShownBox& b : port.boxes)
            s += b.title + "|";
        return s + (dialog.Label1.visible ? "dup|" : "") + (dialog.Label2.visible ? "invalid" : "");
    }
};

} // namespace

TEST_F(EditContact, KeystrokesAndPasteFollowEachBoxsRule) {
    load(3);
    EXPECT_FALSE(dialog.Form_Load(0) || dialog.Form_Load(5));
    const std::tuple<Box, const char*, const char*> cases[] = {
        {Box::txtEditNumSent, "12a\"/-3\b4", "124"},
        {Box::txtEditNum, "1a\"2", "12"},
        {Box::txtEditCall, "w1\"aw,/p", "W1AW,/P"},
        {Box::txtEditSec, "eny\"", "ENY"},
        {Box::txtEditDate, "11/7/2026x:-", "11/7/2026"},
        {Box::txtEditTime, "21:05:09/a.", "21:05:09"},
        {Box::txtEditBnd, "40m", "40M"},
    };
    for (const auto& [box, keys, text] : cases) {
        retype(box, keys);
        EXPECT_EQ(dialog.box(box).text, text) << keys;
    }
    dialog.editedText(Box::txtEditTime, "1a2:3\r4");
    EXPECT_EQ(dialog.box(Box::txtEditTime).text, "12:34");
    dialog.editedText(Box::txtEditCall, "k\"9\nz");
    EXPECT_EQ(dialog.box(Box::txtEditCall).text, "K9Z");
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(state.ContactLog[3], Log[2]); // nothing stored before "Done"
}

TEST_F(EditContact, DateOrTimeRecognition) {
    // The program's own forms pass in either box; empty text never does.
    const std::pair<const char*, bool> cases[] = {
        {"11/7/2026", true}, {"11/07/26", true}, {"21:05:09", true},   {"9:05", true},
        {"", false},         {"   ", false},     {"2/30/2026", false}, {"24:00:00", false},
    };
    for (const auto& [text, ok] : cases)
        EXPECT_EQ(dialog.recognised(text), ok) << text;
}

TEST_F(EditContact, DoneRefusesOrStoresInOrder) {
    struct Case {
        int record;
        Box box;
        const char* keys;
        const char* shown;
        int beeps;
        const char* stored; // the box's text now in the record; null when nothing stored
    };
    const Case cases[] = {
        {3, Box::txtEditCall, "n3yy", "", 0, "N3YY"}, // its own call is no duplicate
        {3, Box::txtEditDate, "13/45/2026", "Invalid Date Format!|", 1, nullptr},
        {3, Box::txtEditCall, "k2xx", "dup|", 2, nullptr}, // one beep per other record
        {2, Box::txtEditCall, "k2xx", "dup|", 1, nullptr},
        {3, Box::txtEditSec, "xyz", "invalid", 1, nullptr},
        {3, Box::txtEditSec, "eny", "", 0, "ENY"},
        {3, Box::txtEditNumSent, "", "", 0, "0"},
        {3, Box::txtEditDate, "11/8/26", "", 0, "11/8/26"}, // stored as typed
        {3, Box::txtEditTime, "1:02", "", 0, "1:02"},
        {3, Box::txtEditBnd, "17", "", 0, "17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        load(c.record);
        retype(c.box, c.keys);
        retype(Box::txtEditBnd, dialog.box(Box::txtEditBnd).text + "\n"); // Enter is "Done"
        EXPECT_EQ(shown(), c.shown);
        EXPECT_EQ(port.beeps, c.beeps);
        EXPECT_EQ(dialog.hidden, c.stored != nullptr);
        Contact expected = Log[static_cast<std::size_t>(c.record - 1)];
        if (c.stored)
            expected.*Fields[static_cast<std::size_t>(c.box)] = c.stored;
        EXPECT_EQ(state.ContactLog[c.record], expected);
    }

    // Time before date; the warnings stay up once the fields are put right.
    load(3);
    retype(Box::txtEditDate, "");
    retype(Box::txtEditTime, "25:00:00");
    retype(Box::txtEditCall, "W1AW");
    retype(Box::txtEditSec, "ZZ");
    dialog.cmdDone_Click();
    EXPECT_EQ(shown(), "Invalid Time Format!|");
    EXPECT_EQ(dialog.focus, Box::txtEditTime);
    retype(Box::txtEditTime, "21:00");
    retype(Box::txtEditDate, "11/7/2026");
    dialog.cmdDone_Click();
    retype(Box::txtEditCall, "N3YZ");
    retype(Box::txtEditSec, "EPA");
    dialog.cmdDone_Click();
    EXPECT_TRUE(dialog.hidden);
    EXPECT_EQ(shown(), "Invalid Time Format!|dup|invalid");
    EXPECT_EQ(dialog.Label1.caption + dialog.Label2.caption, " Duplicate!   Invalid!");
    EXPECT_EQ(state.ContactLog[3].Call, "N3YZ");
}

TEST_F(EditContact, OnlyTheOperatorLeavingABoxChecksIt) {
    struct Case {
        const char *date, *time;
        std::vector<Box> moves; // the operator's moves, starting in the date box
        const char* shown;
        Box focus;
    };
    const Case cases[] = {
        {"11/7/2026", "21:00:00", {Box::txtEditTime}, "", Box::txtEditTime},
        {"", "21:00:00", {Box::txtEditBnd}, "Invalid Date Format!|", Box::txtEditDate},
        // Both invalid: the refused box keeps the focus and the other says nothing.
        {"1//", "99", {Box::txtEditTime}, "Invalid Date Format!|", Box::txtEditDate},
        {"1//",
         "9",
         {Box::txtEditTime, Box::cmdDone},
         "Invalid Date Format!|Invalid Date Format!|",
         Box::txtEditDate},
        {"11/7/2026",
         "7",
         {Box::txtEditTime, Box::cmdDone},
         "Invalid Time Format!|",
         Box::txtEditTime},
    };
    for (const Case& c : cases) {
        load(1);
        dialog.box(Box::txtEditDate).setText(c.date);
        dialog.box(Box::txtEditTime).setText(c.time);
        dialog.userFocus(Box::txtEditDate);
        for (Box to : c.moves)
            dialog.userFocus(to);
        EXPECT_EQ(shown(), c.shown) << c.date << " " << c.time;
        EXPECT_EQ(dialog.focus, c.focus) << c.date << " " << c.time;
    }
    EXPECT_EQ(port.boxes.at(0).text, "You have entered an invalid time format!");
    EXPECT_EQ(port.boxes.at(0).buttons, Buttons::Ok);
    EXPECT_EQ(port.beeps, 1);
}
