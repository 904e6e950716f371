#include "support/LogicHarness.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

const ShortDateForm British = ShortDateForm::fromPattern("dd/MM/yyyy");

// One start of the program in the current folder under a system of the given date
// form: the stored station, the existing log continued, one contact typed.
struct Start {
    ContestState state;
    Form1Model model;
    FakeClock clock{localMs(2026, 11, 7, 21, 0, 5)};
    FakePort port{clock};
    Form1Logic logic;

    explicit Start(const ShortDateForm& system, Answer open = Answer::Yes)
        : logic(state, model, clock, port, system) {
        logic.Form_Load();
        port.useStationReply = true;
        port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
        port.answers = {open, Answer::Yes};
        logic.windowShown();
    }
    void type(const std::string& keys) {
        for (char ch : keys)
            logic.typeKey(model.focus, ch == '\n' ? 13 : static_cast<unsigned char>(ch));
    }
};

} // namespace

TEST(FolderDateForm, TheFormAFolderWasStartedWithIsKeptWhateverTheLocale) {
    const struct {
        const char* record; // nsdate.txt before the start; null: none
        ShortDateForm system;
        const char* stamp;    // the contact's date
        const char* recorded; // nsdate.txt after the start
    } cases[] = {
        {nullptr, ShortDateForm{}, "11/8/2026", "\"M/d/yyyy\"\r\n"},
        {nullptr, British, "08/11/2026", "\"dd/MM/yyyy\"\r\n"},
        {"\"M/d/yyyy\"\r\n", British, "11/8/2026", "\"M/d/yyyy\"\r\n"},
        {"\"dd/MM/yyyy\"", ShortDateForm{}, "08/11/2026", "\"dd/MM/yyyy\""},
        // A damaged record is left for the operator to mend; the system's form serves.
        {"\"dd.MM.yyyy\"\r\n", ShortDateForm{}, "11/8/2026", "\"dd.MM.yyyy\"\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.record)
            writeFile("nsdate.txt", c.record);
        Start start(c.system, Answer::No);
        start.type("1aw1aw85ct\n");
        EXPECT_EQ(start.state.ContactLog[1].Date, c.stamp);
        EXPECT_EQ(readFile("nsdate.txt"), c.recorded);
    }
}

TEST(FolderDateForm, ALaterStartUnderAnotherLocaleReadsTheStampsAsWritten) {
    TempDir dir;
    {
        Start first(ShortDateForm{}, Answer::No);
        first.type("1aw1aw85ct\n");
    }
    Start second(British);
    second.logic.TimeStats();
    EXPECT_EQ(second.model.lblAQSO60.caption, "1"); // 11/8/2026 read as 8 November
    second.type("2aw2aw85ct\n");
    EXPECT_EQ(second.state.ContactLog[2].Date, "11/8/2026");
    EXPECT_EQ(second.logic.dateForm(), ShortDateForm{});
}
