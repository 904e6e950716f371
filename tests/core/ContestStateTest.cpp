#include "core/ContestState.h"
#include "core/Numbers.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(NextSerial, FollowsTheLastNumberSent) {
    struct Case {
        const char* last; // NumSent of the last record; nullptr for an empty log
        const char* next; // nullptr when the last is not a number
    };
    const Case cases[] = {
        {nullptr, "1"},
        {"1", "2"},
        {"0099", "100"},
        {"007", "8"},
        {" 12 ", "13"},
        {"0", "1"},
        {"-5", "-4"},
        {"12a", nullptr},
        {"", nullptr},
        {"1 2", nullptr},
        {"99999999999", nullptr},
    };
    for (const Case& c : cases) {
        ContestState s;
        if (c.last) {
            s.RecCount = 3;
            s.ContactLog[3].NumSent = c.last;
        }
        const auto next = nextSerial(s);
        if (c.next)
            EXPECT_EQ(next, std::string(c.next)) << (c.last ? c.last : "(empty)");
        else
            EXPECT_FALSE(next.has_value()) << c.last;
    }
}

TEST(ContestState, ScoreAndSectionsToGo) {
    ContestState s;
    s.RecCount = 100;
    s.SecWorked = 50;
    EXPECT_EQ(score(s), 10000);
    EXPECT_EQ(sectionsToGo(s), 29);
    s.RecCount = 11000;
    s.SecWorked = 79;
    EXPECT_EQ(score(s), 1738000);
}

TEST(ContestState, TallyCountsEachSectionOnce) {
    ContestState s;
    EXPECT_EQ(sectionTally(s, "CT"), 1);
    EXPECT_EQ(sectionTally(s, "CT"), 0);
    EXPECT_EQ(s.SecWorked, 1);
    EXPECT_EQ(s.SecCount[1], 2);
    EXPECT_EQ(sectionTally(s, "XX"), 0);
    EXPECT_EQ(sectionTally(s, "NWT"), 79);
    EXPECT_EQ(s.SecWorked, 2);
    sectionReset(s);
    EXPECT_EQ(s.SecWorked, 0);
    EXPECT_EQ(s.SecCount[1], 0);
    EXPECT_EQ(s.SecCount[79], 0);
}

TEST(Numbers, SignBlankAndDecimal) {
    EXPECT_EQ(signBlank(0), " 0");
    EXPECT_EQ(signBlank(12), " 12");
    EXPECT_EQ(signBlank(-3), "-3");
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_EQ(parseDecimal("2147483647"), 2147483647);
    EXPECT_FALSE(parseDecimal("2147483648"));
    EXPECT_FALSE(parseDecimal(" "));
}
