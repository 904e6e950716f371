// The report commands on their own: the ASCII log rebuilds the state only from a log
// it has listed, and says so to its caller.

#include "entry/ReportMenu.h"
#include "core/LogFile.h"
#include "core/OnOffFile.h"
#include "support/FakePort.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

TEST(ReportMenu, TheAsciiLogAdoptsTheFileOnlyWhenItWasListed) {
    TempDir dir;
    ContestState state;
    Form1Model model;
    FakeClock clock;
    FakePort port{clock};
    const FileNames files;
    ReportMenu menu{state, model, port, files};

    ASSERT_TRUE(appendContact(files.log,
                              {"1", "5", "A", "W1AW", "85", "CT", "11/8/2026", "02:00:05", "40"}));
    ASSERT_TRUE(appendOnOff(files.onOff, {1, "11/8/2026", "02:00:00", "00:00:00"}));
    std::filesystem::create_directory(files.asciiLog); // cannot be written over
    EXPECT_FALSE(menu.asciiLog(false));
    EXPECT_EQ(state.RecCount, 0);
    EXPECT_EQ(port.beeps, 1);

    std::filesystem::remove(files.asciiLog);
    EXPECT_TRUE(menu.asciiLog(false));
    EXPECT_EQ(state.RecCount, 1);
    EXPECT_EQ(state.ContactLog[1].Call, "W1AW");
    EXPECT_EQ(model.lblDialog.caption, " ");
    EXPECT_TRUE(std::filesystem::exists(files.asciiLog));
    EXPECT_EQ(port.boxes.size(), 2u);
}
