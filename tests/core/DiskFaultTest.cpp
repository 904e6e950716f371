// Disk faults under the file operations and the commit: a full disk, failing writes,
// syncs, closes and renames. Whatever fails, what was stored before stays whole, the
// operator is told, and memory agrees with the file.

#include "core/FileOps.h"
#include "support/FaultInjection.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

const std::string Line =
    "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/7/2026\",\"02:00:05\",\"40\"\r\n";

} // namespace

TEST(DiskFaults, AnAppendThatFailsLeavesTheFileAsItWas) {
    struct Case {
        const char* faults;
        bool stored;
    };
    const Case cases[] = {
        {"write:ENOSPC:log.txt", false},
        {"write:ENOSPC:log.txt:30", false}, // the disk fills in the middle of the line
        {"fsync:EIO:log.txt", false},
        {"close:EIO:log.txt", true}, // written and synced: the line is there
        {"write:ENOSPC:other.txt", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFile("log.txt", Line);
        IoResult r;
        {
            ArmedFaults armed(c.faults);
            r = appendDurably("log.txt", Line);
        }
        EXPECT_EQ(r.ok, c.stored) << c.faults << " " << r.error;
        EXPECT_EQ(readFile("log.txt"), c.stored ? Line + Line : Line) << c.faults;
        EXPECT_EQ(r.error.empty(), c.stored) << c.faults;
    }
}

TEST(DiskFaults, ARewriteThatFailsKeepsTheOldFile) {
    const char* cases[] = {"write:ENOSPC:nspref.txt", "write:ENOSPC:nspref.txt:5",
                           "fsync:EIO:nspref.txt", "close:EIO:nspref.txt",
                           "rename:EROFS:nspref.txt"};
    for (const char* faults : cases) {
        TempDir dir;
        writeFile("nspref.txt", "old\r\n");
        IoResult r;
        {
            ArmedFaults armed(faults);
            r = replaceAtomically("nspref.txt", std::string(5000, 'n'));
        }
        EXPECT_FALSE(r.ok) << faults;
        EXPECT_EQ(readFile("nspref.txt"), "old\r\n") << faults;
        EXPECT_FALSE(fileExists("nspref.txt.tmp")) << faults;
    }
}

TEST(DiskFaults, TheCommitAcknowledgesOnlyWhatIsOnDisk) {
    struct Case {
        const char* faults;
        bool stored;
    };
    const Case cases[] = {{"write:ENOSPC:log.txt:40", false},
                          {"fsync:EIO:log.txt", false},
                          {"close:EIO:log.txt", true}};
    for (const Case& c : cases) {
        LogicHarness h;
        h.startNewContest();
        h.type("1aw1aw85ct");
        {
            ArmedFaults armed(c.faults);
            h.type("\n");
        }
        EXPECT_EQ(h.state.RecCount, c.stored ? 1 : 0) << c.faults;
        EXPECT_EQ(h.fields(), c.stored ? "||||" : "1|A|W1AW|85|CT") << c.faults;
        if (!c.stored) {
            EXPECT_EQ(
                h.model.lblDialog.caption.rfind("NOT LOGGED: log.txt could not be written", 0), 0u)
                << c.faults;
        }
        // Enter again once the disk is sound: the contact is on disk exactly once.
        h.type("\n");
        const std::string log = readFile("log.txt");
        EXPECT_EQ(log.size(), formatLogLine(h.state.ContactLog[1]).size()) << c.faults;
        EXPECT_EQ(h.state.RecCount, 1);
        ContestState reloaded;
        ASSERT_TRUE(loadLog(reloaded, "log.txt").ok());
        EXPECT_EQ(reloaded.RecCount, 1) << c.faults;
    }
}

TEST(DiskFaults, AFullDiskIsToldAndTheProgramGoesOn) {
    LogicHarness h;
    h.startNewContest();
    {
        ArmedFaults armed("write:ENOSPC:nsonoff.txt;write:ENOSPC:nspref.txt");
        h.logic.cmdLogOn_Click();
        h.logic.chooseBand("20");
    }
    ASSERT_EQ(h.port.boxes.size(), 4u);
    EXPECT_EQ(h.port.boxes[2].title, "Vantor");
    EXPECT_EQ(h.port.boxes[2].text.rfind("The time on could not be recorded in nsonoff.txt.", 0),
              0u);
    EXPECT_NE(h.port.boxes[3].text.find("No space left on device"), std::string::npos);
    EXPECT_FALSE(h.port.ended);
    EXPECT_EQ(h.state.LoggedOn, 1);
    EXPECT_EQ(readFile("nsonoff.txt"), "");
    EXPECT_NE(readFile("nspref.txt").find("\"40\""), std::string::npos);
}

TEST(DiskFaults, ARewriteIsRefusedWhereAnAppendIs) {
    TempDir dir;
    writeFile("log.txt", Line);
    ArmedFaults readOnly("open:EACCES:log.txt$");
    EXPECT_FALSE(appendDurably("log.txt", Line).ok);
    const IoResult r = replaceAtomically("log.txt", "");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Permission denied"), std::string::npos) << r.error;
    EXPECT_EQ(readFile("log.txt"), Line);
    EXPECT_FALSE(fileExists("log.txt.tmp"));
}

TEST(DiskFaults, ANewContestThatCannotReplaceEveryFileTouchesNone) {
    for (const char* faults :
         {"open:EACCES:log.txt$", "open:EACCES:nsonoff.txt$", "write:ENOSPC:nspref.txt"}) {
        LogicHarness h;
        h.startNewContest();
        h.type("1aw1aw85ct\n"); // starts the clock
        h.clock.advanceMs(60000);
        h.logic.Timer2_Timer();
        const std::string log = readFile("log.txt");
        const std::string journal = readFile("nsonoff.txt");
        const std::string prefs = readFile("nspref.txt");
        h.port.answers = {Answer::Yes};
        {
            ArmedFaults armed(faults);
            h.logic.mnuNew_Click();
        }
        EXPECT_EQ(h.port.boxes.back().text.rfind("No new contest was started", 0), 0u) << faults;
        EXPECT_EQ(readFile("log.txt"), log) << faults;
        EXPECT_EQ(readFile("nsonoff.txt"), journal) << faults;
        EXPECT_EQ(readFile("nspref.txt"), prefs) << faults;
        EXPECT_EQ(h.state.RecCount, 1) << faults;
        EXPECT_EQ(h.state.LoggedOn, 1) << faults;
        EXPECT_EQ(h.model.lblttrack.caption, "00:01:00") << faults;
    }
}
