#include "core/LogFile.h"
#include "support/TempDir.h"
#include "tools/LogGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

Contact contact(const std::string& serial, const std::string& call, const std::string& sec) {
    return {serial, "5", "A", call, "85", sec, "11/7/2026", "02:00:05", "40"};
}

std::string dataFile(const std::string& name) {
    return std::string(VANTOR_TEST_DATA) + "/" + name;
}

} // namespace

TEST(LogFile, LineIsNineQuotedFieldsEndedByCrLf) {
    EXPECT_EQ(formatLogLine(contact("1", "W1AW", "CT")),
              "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/7/2026\",\"02:00:05\",\"40\"\r\n");
    EXPECT_EQ(formatLogLine(Contact{}), "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

TEST(LogFile, RewriteAndLoadRestoreTheSameRecords) {
    TempDir dir;
    ContestState s;
    s.ContactLog[1] = contact("1", "W1AW", "CT");
    s.ContactLog[2] = contact("2", "K2,X", "CT"); // a comma stays inside its quotes
    s.ContactLog[3] = contact("3", "VE3ABC", "EMA");
    s.RecCount = 3;
    ASSERT_TRUE(rewriteLog("log.txt", s));

    ContestState loaded;
    ASSERT_TRUE(loadLog(loaded, "log.txt").ok());
    ASSERT_EQ(loaded.RecCount, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(loaded.ContactLog[i], s.ContactLog[i]) << i;
    EXPECT_EQ(loaded.SecWorked, 2);
    EXPECT_EQ(loaded.SecCount[1], 2);
    EXPECT_EQ(loaded.SecCount[2], 1);
    EXPECT_EQ(score(loaded), 12);
    EXPECT_EQ(nextSerial(loaded), "4");

    // An appended contact becomes the last line and loads back unchanged.
    ASSERT_TRUE(appendContact("log.txt", contact("4", "N5ZZ", "XX")));
    ASSERT_TRUE(loadLog(loaded, "log.txt").ok());
    EXPECT_EQ(loaded.RecCount, 4);
    EXPECT_EQ(loaded.ContactLog[4], contact("4", "N5ZZ", "XX"));
    EXPECT_EQ(loaded.SecWorked, 2); // a section outside the table adds none
}

TEST(LogFile, AContactAppendedToAFileWithoutItsLastLineEndLoadsWithTheOthers) {
    TempDir dir;
    const std::string first = formatLogLine(contact("1", "W1AW", "CT"));
    writeFile("log.txt", first.substr(0, first.size() - 2));
    ASSERT_TRUE(appendContact("log.txt", contact("2", "K2XX", "EMA")));
    ContestState loaded;
    ASSERT_TRUE(loadLog(loaded, "log.txt").ok());
    EXPECT_EQ(loaded.RecCount, 2);
    EXPECT_EQ(loaded.ContactLog[2], contact("2", "K2XX", "EMA"));
}

TEST(LogFile, EmptyFileLoadsAsNoContacts) {
    TempDir dir;
    ASSERT_TRUE(emptyLog("log.txt"));
    ContestState s;
    s.RecCount = 7;
    s.SecWorked = 3;
    ASSERT_TRUE(loadLog(s, "log.txt").ok());
    EXPECT_EQ(s.RecCount, 0);
    EXPECT_EQ(s.SecWorked, 0);
    EXPECT_EQ(nextSerial(s), "1");
}

TEST(LogFile, LoadFailures) {
    struct Case {
        const char* file; // from tests/data; nullptr: no file at all
        LoadFailure failure;
        int line;
    };
    const Case cases[] = {
        {nullptr, LoadFailure::Missing, 0},
        {"log-last-field-missing.txt", LoadFailure::CutShort, 2},
        {"log-one-short-line.txt", LoadFailure::CutShort, 1},
        {"log-quote-inside-call.txt", LoadFailure::Malformed, 2},
        {"log-unterminated-quote.txt", LoadFailure::Malformed, 2},
        {"log-last-serial-not-a-number.txt", LoadFailure::BadSerial, 2},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.file)
            std::filesystem::copy_file(dataFile(c.file), "log.txt");
        ContestState s;
        const LoadResult r = loadLog(s, "log.txt");
        EXPECT_EQ(r.failure, c.failure) << (c.file ? c.file : "missing");
        EXPECT_EQ(r.line, c.line) << (c.file ? c.file : "missing");
        EXPECT_FALSE(r.ok());
    }
    EXPECT_EQ(LoadResult::title, "File Error");
    EXPECT_EQ(LoadResult::text.substr(0, 48), "Error opening file.  This error is annoying but ");
}

TEST(LogFile, LineEndsOfAnyKindAndBlankLinesStillLoad) {
    TempDir dir;
    std::filesystem::copy_file(dataFile("log-lf-blank-lines-split-record.txt"), "log.txt");
    ContestState s;
    ASSERT_TRUE(loadLog(s, "log.txt").ok());
    EXPECT_EQ(s.RecCount, 2);
    EXPECT_EQ(s.ContactLog[2].Date, "11/7/2026"); // borrowed from the next line
    EXPECT_EQ(s.ContactLog[2].Bnd, "40");
}

TEST(LogFile, CapacityIsElevenThousandRecords) {
    TempDir dir;
    tools::LogGenOptions o;
    o.count = 11000;
    const auto contacts = tools::generateContacts(o);
    writeFile("log.txt", tools::formatLog(contacts));
    ContestState s;
    ASSERT_TRUE(loadLog(s, "log.txt").ok());
    EXPECT_EQ(s.RecCount, 11000);
    EXPECT_EQ(s.ContactLog[11000], contacts.back());

    ASSERT_TRUE(appendContact("log.txt", contact("11001", "W1AW", "CT")));
    const LoadResult r = loadLog(s, "log.txt");
    EXPECT_EQ(r.failure, LoadFailure::TooManyRecords);
    EXPECT_EQ(r.line, 11001);
}

TEST(LogFile, UnreadablePathIsALoadFailure) {
    TempDir dir;
    std::filesystem::create_directory("log.txt");
    ContestState s;
    EXPECT_EQ(loadLog(s, "log.txt").failure, LoadFailure::Unreadable);
}
