#include "core/PrefsFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

ContestState defaults() {
    ContestState s;
    s.Band = "40";
    s.TabOrder = 1;
    return s;
}

} // namespace

TEST(PrefsFile, WritesTenLinesInOrder) {
    ContestState s = defaults();
    s.StationInfo = {"W1AW", "A", "85", "CT", 5, 0, 0};
    s.OpTime = 3600;
    EXPECT_EQ(formatPrefs(s),
              "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n1\r\n\"40\"\r\n3600\r\n");
}

TEST(PrefsFile, RoundTripKeepsEveryField) {
    TempDir dir;
    ContestState s = defaults();
    s.StationInfo = {"VE3/W1AW", "Q", "07", "ON", 255, 1, -12};
    s.TabOrder = 2;
    s.Band = "160";
    s.OpTime = 86400;
    ASSERT_TRUE(writePrefs("nspref.txt", s));
    ContestState back = defaults();
    EXPECT_EQ(readPrefs("nspref.txt", back), 10);
    EXPECT_EQ(back.StationInfo, s.StationInfo);
    EXPECT_EQ(back.TabOrder, 2);
    EXPECT_EQ(back.Band, "160");
    EXPECT_EQ(back.OpTime, 86400);
}

TEST(PrefsFile, ReadingStopsAtTheFirstFailureKeepingWhatItRead) {
    struct Case {
        const char* data;
        int taken;
    };
    const Case cases[] = {
        {"", 0},
        {"\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n", 5},                // five lines
        {"\"W1AW\"\r\n40000\r\n\"A\"\r\n", 1},                                // reserved too big
        {"\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n256\r\n", 5},         // hours too big
        {"\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\nfive\r\n", 5},        // text for a number
        {"\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n3\r\n", 7}, // no such order
        {"\"W1\"AW\"\r\n0\r\n", 0},                                           // quote inside
        {"\"W1AW\",0,\"A\",\"85\",\"CT\",5,1,2,\"20\",100", 10},              // one line is fine
    };
    for (const Case& c : cases) {
        ContestState s = defaults();
        EXPECT_EQ(readPrefsData(c.data, s), c.taken) << c.data;
    }

    ContestState s = defaults();
    readPrefsData("\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n", s);
    EXPECT_EQ(s.StationInfo.MyCall, "W1AW");
    EXPECT_EQ(s.StationInfo.MySec, "CT");
    EXPECT_EQ(s.StationInfo.UtcHours, 0);
    EXPECT_EQ(s.TabOrder, 1);
    EXPECT_EQ(s.Band, "40");
    EXPECT_EQ(s.OpTime, 0);
}

TEST(PrefsFile, MissingFileChangesNothing) {
    TempDir dir;
    ContestState s = defaults();
    EXPECT_EQ(readPrefs("nspref.txt", s), 0);
    EXPECT_EQ(s.Band, "40");
}
