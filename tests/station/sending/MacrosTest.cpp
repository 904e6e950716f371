#include "station/sending/Macros.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

MacroContext station() {
    return {"W1AW", "A", "85", "CT", 7, "K5TR", "0123", "B", "09", "STX"};
}

TEST(Macros, ExpandEachMacroWithAndWithoutCutNumbers) {
    struct Case {
        const char* text;
        bool cut;
        const char* sent;
    };
    const Case cases[] = {
        {"CQ SS {MYCALL} {MYCALL} SS", false, "CQ SS W1AW W1AW SS"},
        {"{CALL} {NR} {MYPREC} {MYCALL} {MYCK} {MYSEC}", false, "K5TR 7 A W1AW 85 CT"},
        {"{HISNR} {HISPREC} {HISCK} {HISSEC}", false, "123 B 09 STX"},
        {"{HISNR} {HISCK}", true, "A23 TN"},
        {"{MYCK}", true, "85"},
        {"{UNKNOWN} {nr} {", false, "{UNKNOWN} {nr} {"},
        {"TU{MYCALL}}", false, "TUW1AW}"},
        {"", false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandMacros(c.text, station(), c.cut), c.sent) << c.text;
}

TEST(Macros, SerialNumberRuleAndCutDigits) {
    struct Case {
        long long serial;
        bool cut;
        const char* sent;
    };
    const Case cases[] = {{1, false, "1"},       {1, true, "A"},      {10, true, "AT"},
                          {90, true, "NT"},      {109, true, "ATN"},  {250, true, "25T"},
                          {1000, false, "1000"}, {2345, true, "2345"}};
    for (const Case& c : cases) {
        MacroContext ctx = station();
        ctx.serial = c.serial;
        EXPECT_EQ(expandMacros("{NR}", ctx, c.cut), c.sent) << c.serial;
    }
    MacroContext unknown = station();
    unknown.serial.reset(); // the last serial sent in the log is not a number
    EXPECT_EQ(expandMacros("NR {NR}", unknown, false), "NR ");
    EXPECT_EQ(withoutLeadingZeros("000"), "0");
    EXPECT_EQ(withoutLeadingZeros("007"), "7");
    EXPECT_EQ(withoutLeadingZeros("0A1"), "0A1");
}

} // namespace
} // namespace vantor
