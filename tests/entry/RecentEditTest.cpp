#include "core/SectionTable.h"
#include "entry/EditContactLogic.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

const std::string L1 =
    "\"1\",\"11\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/7/2026\",\"21:00:05\",\"40\"\r\n";
const std::string L2 =
    "\"2\",\"12\",\"B\",\"K2XX\",\"70\",\"ENY\",\"11/7/2026\",\"21:05:00\",\"40\"\r\n";
const std::string L3 =
    "\"3\",\"13\",\"Q\",\"N3YY\",\"99\",\"EPA\",\"11/7/2026\",\"21:10:00\",\"20\"\r\n";
const std::string L3nny =
    "\"3\",\"13\",\"Q\",\"N3YY\",\"99\",\"NNY\",\"11/7/2026\",\"21:10:00\",\"20\"\r\n";
const std::string L4 =
    "\"4\",\"14\",\"U\",\"K2XX\",\"70\",\"ENY\",\"11/7/2026\",\"21:15:00\",\"20\"\r\n";
const std::string L5 =
    "\"5\",\"15\",\"M\",\"W5ZZ\",\"01\",\"STX\",\"11/8/2026\",\"01:20:00\",\"15\"\r\n";
const std::string Five = L1 + L2 + L3 + L4 + L5;

// Continues the contest held in bytes, as the operator does at start-up.
void openLog(LogicHarness& h, const std::string& bytes) {
    writeFile("log.txt", bytes);
    h.port.useStationReply = true;
    h.port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
    h.port.answers = {Answer::Yes};
    h.logic.windowShown();
    h.port.boxes.clear();
}

// The operator's part in the edit dialog: retype one box, then "Done" (or close).
auto editing(EditContactLogic::Box box, std::string keys, bool done = true) {
    return [box, keys, done](ContestState& s, int rec, const ShortDateForm& form, int year) {
        FakeClock clock;
        FakePort port{clock};
        EditContactLogic dialog(s, port, form, year);
        dialog.Form_Load(rec);
        dialog.box(box).clear();
        for (char ch : keys)
            dialog.typeKey(box, static_cast<unsigned char>(ch));
        if (done)
            dialog.cmdDone_Click();
    };
}

std::string scoreboard(const Form1Model& m) {
    return m.lblTotCon.caption + "|" + m.lblTotSec.caption + "|" + m.lblTotScore.caption + "|" +
           m.lblNumCurCon.caption;
}

} // namespace

TEST(RecentEdit, DeleteClosesUpTheRecordsAndRebuilds) {
    struct Case {
        std::string log;
        int selected;
        std::string file;
        const char* scoreboard; // contacts, sections, score, next serial
    };
    const Case cases[] = {
        {Five, 3, L1 + L2 + L4 + L5, "  4|  3|  24| 6"},
        {Five, 5, L1 + L2 + L3 + L4, "  4|  3|  24| 5"}, // the deleted serial comes again
        {Five, 1, L2 + L3 + L4 + L5, "  4|  3|  24| 6"},
        {L3, 1, "", "  0|  0|  0|1"},
        {Five, 0, Five, "  5|  4|  40| 6"}, // no row selected: nothing happens
        {Five, 6, Five, "  5|  4|  40| 6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        LogicHarness h;
        openLog(h, c.log);
        h.logic.userFocus(Field::Other); // the button
        h.logic.ListView1_ItemClick();
        const int listed = h.model.listVersion;
        h.logic.cmdDelete_Click(c.selected);
        EXPECT_EQ(readFile("log.txt"), c.file);
        EXPECT_EQ(scoreboard(h.model), c.scoreboard);
        const bool acted = c.file != c.log;
        EXPECT_EQ(h.model.listVersion > listed, acted);
        EXPECT_EQ(h.model.cmdDelete.visible, !acted);
        EXPECT_EQ(h.model.focus, acted ? Field::txtNum : Field::Other);
        EXPECT_TRUE(h.port.boxes.empty());
    }
}

TEST(RecentEdit, EditStoresTheDialogsChangeAndRebuilds) {
    LogicHarness h;
    openLog(h, Five);
    const auto cell = [&h](const char* sec) {
        return h.model.Label10[static_cast<std::size_t>(sectionLookup(sec))].fore;
    };
    h.port.editDialog = editing(EditContactLogic::Box::txtEditSec, "nny");
    h.logic.cmdEdit_Click(0);
    EXPECT_TRUE(h.port.editedRecords.empty());
    h.logic.cmdEdit_Click(3);
    EXPECT_EQ(h.port.editedRecords, std::vector<int>{3});
    EXPECT_EQ(readFile("log.txt"), L1 + L2 + L3nny + L4 + L5);
    EXPECT_EQ(scoreboard(h.model), "  5|  4|  40| 6");
    EXPECT_EQ(cell("NNY"), colours::Worked);
    EXPECT_EQ(cell("EPA"), colours::Unworked);

    // Closed without "Done": the same file is written again.
    h.port.editDialog = editing(EditContactLogic::Box::txtEditSec, "ct", false);
    h.logic.cmdEdit_Click(2);
    EXPECT_EQ(readFile("log.txt"), L1 + L2 + L3nny + L4 + L5);
}

TEST(RecentEdit, AFailedRewriteKeepsTheOldFileAndState) {
    for (const bool edit : {false, true}) {
        LogicHarness h;
        openLog(h, Five);
        // The new file cannot be created where the rewrite puts it first.
        std::filesystem::create_directory("log.txt.tmp");
        h.port.editDialog = editing(EditContactLogic::Box::txtEditCall, "W0NEW");
        if (edit)
            h.logic.cmdEdit_Click(3);
        else
            h.logic.cmdDelete_Click(3);
        ASSERT_EQ(h.port.boxes.size(), 1u) << edit;
        EXPECT_EQ(h.port.boxes[0].title, "Vantor");
        EXPECT_NE(h.port.boxes[0].text.find("log.txt could not be rewritten"), std::string::npos);
        EXPECT_EQ(readFile("log.txt"), Five);
        EXPECT_EQ(h.state.ContactLog[3].Call, "N3YY");
        EXPECT_EQ(scoreboard(h.model), "  5|  4|  40| 6");
        EXPECT_FALSE(h.port.ended);
    }
}

// The second wall behind the dialog's limits: a rewritten log the loader would refuse
// never replaces the one on disk, so no correction can end every later start with
// "File Error".
TEST(RecentEdit, ARewriteTheLoaderWouldRefuseIsNotWritten) {
    const std::string L4long =
        "\"2222222222\",\"14\",\"U\",\"K2XX\",\"70\",\"ENY\",\"11/7/2026\",\"21:15:00\",\"20\"\r\n";
    struct Case {
        const char* name;
        std::string log;
        bool edit;
    };
    const Case cases[] = {
        {"edit of the last serial sent past any number", Five, true},
        {"delete leaving an overlong serial last", L1 + L2 + L3 + L4long + L5, false},
    };
    for (const Case& c : cases) {
        LogicHarness h;
        openLog(h, c.log);
        h.port.editDialog = [](ContestState& s, int rec, const ShortDateForm&, int) {
            s.ContactLog[rec].NumSent = "2222222222"; // as if a box kept no limit
        };
        if (c.edit)
            h.logic.cmdEdit_Click(5);
        else
            h.logic.cmdDelete_Click(5);
        ASSERT_EQ(h.port.boxes.size(), 1u) << c.name;
        EXPECT_NE(h.port.boxes[0].text.find("would make the log unreadable"), std::string::npos)
            << h.port.boxes[0].text;
        EXPECT_EQ(readFile("log.txt"), c.log) << c.name;
        EXPECT_EQ(h.state.RecCount, 5) << c.name;
        EXPECT_FALSE(h.port.ended) << c.name;
    }
}

TEST(RecentEdit, ButtonsShowFromTheListAndHideInTheEntryFields) {
    LogicHarness h;
    openLog(h, Five);
    EXPECT_FALSE(h.model.cmdEdit.visible || h.model.cmdDelete.visible);
    h.logic.ListView1_ItemClick();
    EXPECT_TRUE(h.model.cmdEdit.visible && h.model.cmdDelete.visible);
    h.logic.userFocus(Field::txtCall);
    EXPECT_FALSE(h.model.cmdEdit.visible || h.model.cmdDelete.visible);
    h.logic.ListView1_LostFocus();
    EXPECT_TRUE(h.model.cmdEdit.visible && h.model.cmdDelete.visible);
    h.logic.userFocus(Field::txtNum);
    EXPECT_FALSE(h.model.cmdEdit.visible || h.model.cmdDelete.visible);
}
