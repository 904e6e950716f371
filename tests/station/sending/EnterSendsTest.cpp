#include "station/sending/EnterSends.h"

#include "station/sending/Messages.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(EnterSends, EachStateOfTheExchange) {
    struct Case {
        EntryTexts t;
        bool worked;
        int order;
        EnterDecision expected;
    };
    const Case cases[] = {
        {{}, false, 1, {CqKey, false, false, Field::None}},
        {{}, false, 2, {CqKey, false, false, Field::None}},
        {{"", "", "K5TR", "", ""}, false, 1, {ExchangeKey, false, false, Field::txtNum}},
        {{"", "", "K5TR", "", ""}, false, 2, {ExchangeKey, false, false, Field::txtNum}},
        {{"12", "", "K5TR", "", ""}, false, 2, {ExchangeKey, false, false, Field::txtPre}},
        {{"12", "A", "K5TR", "", "STX"}, false, 1, {ExchangeKey, false, false, Field::txtCK}},
        {{"12", "A", "K5TR", "68", ""}, false, 1, {ExchangeKey, false, false, Field::txtSec}},
        {{"12", "A", "K5TR", "68", "STX"}, false, 1, {0, true, true, Field::None}},
        {{"12", "A", "K5TR", "68", "STX"}, false, 2, {0, true, true, Field::None}},
        // No call yet, or a call already worked: the commit says what is wrong.
        {{"12", "", "", "", ""}, false, 1, {0, true, false, Field::None}},
        {{"", "", "K5", "", ""}, false, 1, {0, true, false, Field::None}},
        {{"", "", "K5TR", "", ""}, true, 1, {0, true, false, Field::None}},
        {{"12", "A", "K5TR", "68", "STX"}, true, 1, {0, true, false, Field::None}},
    };
    int row = 0;
    for (const Case& c : cases) {
        const EnterDecision d = decideEnter(c.t, c.worked, c.order);
        EXPECT_EQ(d, c.expected) << "row " << row << ": send " << d.send << " commit " << d.commit
                                 << " thanks " << d.thanks;
        ++row;
    }
}

TEST(EnterSends, WorkedCallsAndTheSerialOfTheContext) {
    ContestState state;
    Form1Model model;
    EXPECT_EQ(macroContext(state, model).serial, 1);
    state.RecCount = 1;
    state.ContactLog[1].Call = "K5TR";
    state.ContactLog[1].NumSent = "41";
    EXPECT_TRUE(isWorked(state, "K5TR"));
    EXPECT_FALSE(isWorked(state, "K5T"));
    EXPECT_EQ(macroContext(state, model).serial, 42);
    model.txtCall.text = "W9XYZ";
    EXPECT_EQ(macroContext(state, model).call, "W9XYZ");
}

} // namespace
} // namespace vantor
