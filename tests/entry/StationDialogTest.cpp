#include "entry/StationDialogLogic.h"
#include "support/FakePort.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;
using Box = StationDialogLogic::Box;

namespace {

class StationDialog : public ::testing::Test {
protected:
    FakeClock clock;
    FakePort port{clock};
    StationDialogLogic dialog{port};
    void type(Box box, const std::string& keys) {
        for (char ch : keys)
            dialog.typeKey(box, ch == '\n' ? 13 : static_cast<unsigned char>(ch));
    }
};

} // namespace

TEST_F(StationDialog, KeystrokeRules) {
    dialog.Form_Load({});
    dialog.Text6.clear();
    struct Case {
        Box box;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {Box::Text1, "w1aw", "W1AW"}, {Box::Text3, "a", "A"},        {Box::Text4, "8x5", "8X5"},
        {Box::Text5, "eny", "ENY"},   {Box::Text6, "1a-2\b5", "15"}, {Box::Text1, "\"", "W1AW"},
    };
    for (const Case& c : cases) {
        type(c.box, c.keys);
        EXPECT_EQ(dialog.box(c.box).text, c.text) << c.keys;
    }
    EXPECT_FALSE(dialog.hidden);
}

TEST_F(StationDialog, EnterActsLikeDoneAndAnEmptyCallIsRefused) {
    dialog.Form_Load({});
    type(Box::Text5, "ct\n");
    EXPECT_FALSE(dialog.hidden);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].title, "Enter call sign");
    EXPECT_EQ(port.boxes[0].text, "You must enter a valid call sign!");
    EXPECT_EQ(port.boxes[0].buttons, Buttons::OkCancel);

    type(Box::Text1, "w1aw");
    type(Box::Text6, "\n");
    EXPECT_TRUE(dialog.hidden);
    const StationData d = dialog.result({});
    EXPECT_EQ(d.MyCall, "W1AW");
    EXPECT_EQ(d.MySec, "CT");
    EXPECT_EQ(d.UtcHours, 0);
}

TEST_F(StationDialog, HoursBoxBounds) {
    struct Case {
        const char* hours;
        bool accepted;
        int value;
    };
    const Case cases[] = {{"", true, 0},     {"0", true, 0},      {"255", true, 255},
                          {"256", false, 0}, {"99999", false, 0}, {"007", true, 7}};
    for (const Case& c : cases) {
        dialog.Form_Load({"W1AW", "A", "85", "CT", 3, 0, 0});
        dialog.Text6.setText(c.hours);
        port.boxes.clear();
        dialog.Command1_Click();
        EXPECT_EQ(dialog.hidden, c.accepted) << c.hours;
        EXPECT_EQ(port.boxes.size(), c.accepted ? 0u : 1u) << c.hours;
        if (c.accepted) {
            EXPECT_EQ(dialog.result({}).UtcHours, c.value) << c.hours;
        }
    }
}

TEST_F(StationDialog, ShowsTheStoredValuesAndMode) {
    const StationData stored{"K9ABC", "B", "99", "IL", 6, ModePhone, 12};
    dialog.Form_Load(stored);
    EXPECT_EQ(dialog.Text1.text, "K9ABC");
    EXPECT_EQ(dialog.Text6.text, "6");
    EXPECT_TRUE(dialog.Option2);
    dialog.Command1_Click();
    EXPECT_EQ(dialog.result({}).ContestMode, ModePhone);
    EXPECT_EQ(dialog.result(stored).PrefReserved, 12);

    dialog.Form_Load({"K9ABC", "B", "99", "IL", 6, ModeCW, 0});
    EXPECT_FALSE(dialog.Option2);
    // Closed without "Done": the stored values stand.
    dialog.Text1.setText("");
    EXPECT_EQ(dialog.result(stored), stored);
}
