// The entry's files follow the folder's file names; the journal the 3.0 file needs is
// read from the named journal, never from a part of it.

#include "reports/Submission.h"
#include "core/OnOffFile.h"
#include "core/SectionTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(Submission, TheFilesAreTheNamedOnesAndADamagedJournalStopsTheThreeFile) {
    TempDir dir;
    ContestState state;
    state.StationInfo = {"W1AW", "A", "85", "CT", 0, ModeCW, 0};
    state.RecCount = 1;
    state.ContactLog[1] = {"1", "5", "A", "K1XX", "72", "ME", "11/7/2026", "21:05:33", "40"};
    FileNames files;
    files.cabrillo = "entry.cab";
    files.onOff = "journal.txt";
    std::vector<std::string> told;
    const auto tell = [&told](const std::string& text) { told.push_back(text); };

    EXPECT_TRUE(writeCabrilloEntry(files, state, {}, ShortDateForm{}, 2026, tell));
    EXPECT_TRUE(fileExists("entry.cab"));
    EXPECT_FALSE(fileExists("ASCIICab.txt") || fileExists("W1AW.log"));

    state.Sections = &Sections85;
    writeFile("journal.txt", "\"1\",\"11/7/2026\"\r\n");
    EXPECT_FALSE(writeCabrilloEntry(files, state, {}, ShortDateForm{}, 2026, tell));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind("journal.txt", 0), 0u) << told[0];
    EXPECT_NE(told[0].find("W1AW.log was not written."), std::string::npos) << told[0];
    EXPECT_FALSE(fileExists("W1AW.log"));

    writeFile("journal.txt", formatOnOffRecord({1, "11/7/2026", "21:00:00", "00:00:00"}));
    EXPECT_TRUE(writeCabrilloEntry(files, state, {}, ShortDateForm{}, 2026, tell));
    EXPECT_TRUE(fileExists("W1AW.log"));
}
