#include "core/OnOffFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(OnOffFile, RecordFormAndRoundTrip) {
    TempDir dir;
    const OnOffRecord on{1, "11/7/99", "02:00:05", "00:00:00"};
    const OnOffRecord off{0, "11/7/99", "03:00:05", "01:00:00"};
    EXPECT_EQ(formatOnOffRecord(on), "1,\"11/7/99\",\"02:00:05\",\"00:00:00\"\r\n");
    ASSERT_TRUE(appendOnOff("nsonoff.txt", on));
    ASSERT_TRUE(appendOnOff("nsonoff.txt", off));
    ASSERT_TRUE(appendOnOff("nsonoff.txt", off)); // the same flag twice is kept
    const OnOffJournal j = readOnOff("nsonoff.txt");
    EXPECT_TRUE(j.complete);
    ASSERT_EQ(j.records.size(), 3u);
    EXPECT_EQ(j.records[0], on);
    EXPECT_EQ(j.records[2], off);

    ASSERT_TRUE(emptyOnOff("nsonoff.txt"));
    EXPECT_EQ(readFile("nsonoff.txt"), "");
    EXPECT_TRUE(readOnOff("nsonoff.txt").records.empty());
}

TEST(OnOffFile, DamagedJournalKeepsTheWholeRecordsBefore) {
    const OnOffJournal cut =
        readOnOffData("1,\"11/7/99\",\"02:00:05\",\"00:00:00\"\r\n0,\"11/7/99\"");
    EXPECT_FALSE(cut.complete);
    EXPECT_EQ(cut.records.size(), 1u);
    const OnOffJournal bad = readOnOffData("x,\"a\",\"b\",\"c\"\r\n");
    EXPECT_FALSE(bad.complete);
    EXPECT_TRUE(bad.records.empty());
}

TEST(OnOffFile, ARecordAppendedAfterAnUnterminatedLastLineReadsWithTheOthers) {
    TempDir dir;
    writeFile("nsonoff.txt", "1,\"11/7/99\",\"02:00:05\",\"00:00:00\"");
    ASSERT_TRUE(appendOnOff("nsonoff.txt", {0, "11/7/99", "03:00:05", "01:00:00"}));
    const OnOffJournal j = readOnOff("nsonoff.txt");
    EXPECT_TRUE(j.complete);
    EXPECT_EQ(j.records.size(), 2u);
}
