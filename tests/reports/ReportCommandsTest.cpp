#include "core/LogFile.h"
#include "core/Numbers.h"
#include "support/FakePrinter.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace vantor;
using namespace vantor::test;

namespace {

const char* const WarningTitle =
    "This traditional log submission format may not be valid after 1999!";

class ReportCommands : public ::testing::Test {
protected:
    LogicHarness h;
    PrintingPort port{h.clock};
    FileNames files;
    std::unique_ptr<Form1Logic> logic;

    void SetUp() override {
        h.startNewContest();
        h.type("123aw1aw85ct\n");
        h.clock.advanceMs(60000);
        h.type("17bk9xyz72wi\n");
        h.clock.advanceMs(60000);
        h.type("5qn1xx01ct\n");
        ASSERT_EQ(h.state.RecCount, 3);
    }
    Form1Logic& commands() {
        if (!logic)
            logic = std::make_unique<Form1Logic>(h.state, h.model, h.clock, port, ShortDateForm{},
                                                 files);
        return *logic;
    }
    std::string totals() const {
        return h.model.lblTotCon.caption + "|" + h.model.lblTotSec.caption + "|" +
               h.model.lblTotScore.caption;
    }
    // A contact added to "log.txt" behind the program's back: a command that
    // rebuilds the state takes it in, one that fails does not.
    void addContactToFile() {
        appendContact("log.txt",
                      {"4", "9", "A", "W9XYZ", "66", "EMA", "11/8/2026", "03:00:00", "40"});
    }
};

} // namespace

TEST_F(ReportCommands, WarningThenTheSameOutputEveryTime) {
    struct Case {
        const char* name;
        void (Form1Logic::*command)();
        const char* file;
    };
    const Case cases[] = {
        {"ASCII log", &Form1Logic::mnuAsciiLog_Click, "ASCIILog.txt"},
        {"dupe sheet", &Form1Logic::mnuAsciiDupe_Click, "ASCIIDup.txt"},
    };
    for (const Case& c : cases) {
        const std::string before = totals();
        const int beeps = port.beeps;
        (commands().*c.command)();
        const std::string afterFirst = totals();
        if (c.file == std::string("ASCIIDup.txt")) {
            EXPECT_EQ(afterFirst, before);
        }
        EXPECT_EQ(port.beeps, beeps + 1) << c.name;
        ASSERT_FALSE(port.boxes.empty());
        EXPECT_EQ(port.boxes.back().title, WarningTitle);
        EXPECT_EQ(port.boxes.back().buttons, Buttons::Ok);
        EXPECT_EQ(h.model.lblDialog.caption, " ") << c.name;
        const std::string first = readFile(c.file);
        (commands().*c.command)();
        EXPECT_EQ(readFile(c.file), first) << c.name;
        EXPECT_EQ(totals(), afterFirst) << c.name;
        EXPECT_EQ(h.state.RecCount, 3) << c.name;
    }
    // One log-on line and three contacts; the calls by area.
    const std::string log = readFile("ASCIILog.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
    EXPECT_EQ(readFile("ASCIIDup.txt").substr(0, 24), "N1XX\r\nW1AW\r\nK9XYZ\r\n\r\nTot");
}

TEST_F(ReportCommands, AsciiLogRebuildsTheStateFromTheFile) {
    addContactToFile();
    commands().mnuAsciiLog_Click();
    EXPECT_EQ(h.state.RecCount, 4);
    EXPECT_EQ(h.state.SecWorked, 3);
    EXPECT_EQ(h.state.ContactLog[4].Call, "W9XYZ");
    EXPECT_EQ(h.model.Label10[2].fore, colours::Worked); // EMA
    EXPECT_EQ(totals(), "  4|  3|  24");
    EXPECT_EQ(h.logic.recentRecords().front(), 4);
}

TEST_F(ReportCommands, FailuresAreToldAndChangeNothing) {
    using F = Form1Logic;
    using J = PrintingPort::Job;
    // The journal is removed for the first two; "no/" is a folder that does not exist.
    const std::tuple<void (Form1Logic::*)(), J, const char*> cases[] = {
        {&F::mnuAsciiLog_Click, J::Printer, "nsonoff.txt was not found, so the log could not"},
        {&F::mnuPrntlog_Click, J::Printer, "nsonoff.txt was not found, so the log could not"},
        {&F::mnuAsciiLog_Click, J::Printer, "no/ASCIILog.txt could not be written"},
        {&F::mnuAsciiDupe_Click, J::Printer, "no/ASCIIDup.txt could not be written"},
        {&F::mnuPrntlog_Click, J::Failing, "The log was not printed: the printer is out of paper."},
        {&F::mnuPrntlog_Click, J::None, "The log was not printed: no print job could be started."},
        {&F::mnuPrntdupe_Click, J::Failing, "The dupe sheet was not printed: the printer is out"},
    };
    addContactToFile();
    const std::string journal = readFile("nsonoff.txt");
    for (const auto& [command, job, message] : cases) {
        const std::string text = message;
        logic.reset();
        files = {};
        files.asciiLog = text.rfind("no/", 0) == 0 ? "no/ASCIILog.txt" : "ASCIILog.txt";
        files.asciiDupe = text.rfind("no/", 0) == 0 ? "no/ASCIIDup.txt" : "ASCIIDup.txt";
        port.job = job;
        if (text.rfind("nsonoff", 0) == 0)
            std::filesystem::remove("nsonoff.txt");
        const std::string before = totals();
        (commands().*command)();
        EXPECT_NE(h.model.lblDialog.caption.find(text), std::string::npos)
            << h.model.lblDialog.caption;
        EXPECT_EQ(h.state.RecCount, 3) << text;
        EXPECT_EQ(h.state.SecWorked, 2) << text;
        EXPECT_EQ(h.model.Label10[2].fore, colours::Unworked) << text;
        EXPECT_EQ(totals(), before) << text;
        EXPECT_FALSE(fileExists("ASCIILog.txt")) << text;
        writeFile("nsonoff.txt", journal);
    }
}

TEST_F(ReportCommands, PrintingWithoutAPrinterSaysWhereThePagesWent) {
    struct Case {
        void (Form1Logic::*command)();
        const char* pdf;
        const char* message;
    };
    const Case cases[] = {
        {&Form1Logic::mnuPrntlog_Click, "Log.pdf", "No printer: the log was printed to Log.pdf."},
        {&Form1Logic::mnuPrntdupe_Click, "DupeSheet.pdf",
         "No printer: the dupe sheet was printed to DupeSheet.pdf."},
    };
    port.job = PrintingPort::Job::Pdf;
    for (const Case& c : cases) {
        port.record = {};
        // A duplicate announced just before leaves the label red; the notice is no
        // duplicate and shows in the normal colours. (The previous case's hold is over.)
        h.clock.advanceMs(3000);
        h.type("9aw1aw\n");
        ASSERT_EQ(h.model.lblDialog.back, colours::Red) << c.pdf;
        (commands().*c.command)();
        EXPECT_EQ(port.requested.back(), c.pdf);
        EXPECT_TRUE(port.record.ended) << c.pdf;
        EXPECT_EQ(h.model.lblDialog.caption, c.message);
        EXPECT_EQ(h.model.lblDialog.back, colours::Message) << c.pdf;
    }
    // The printed log carries the station's header and the three contacts.
    port.job = PrintingPort::Job::Printer;
    port.record = {};
    commands().mnuPrntlog_Click();
    EXPECT_EQ(h.model.lblDialog.caption, " ");
    EXPECT_EQ(port.record.pages().front()[3].substr(0, 19), "    Call Used: W1AW");
}

TEST_F(ReportCommands, OnlyTheDuplicateAnnouncementStandsOnRed) {
    struct Case {
        const char* name;
        std::function<void()> event;
        Rgb back;
    };
    const Case cases[] = {
        {"clock tick keeps the announcement", [&] { h.logic.Timer2_Timer(); }, colours::Red},
        {"band change keeps it", [&] { h.logic.chooseBand("20"); }, colours::Red},
        {"written log", [&] { commands().mnuAsciiLog_Click(); }, colours::Message},
        {"clock stopped", [&] { h.logic.cmdLogOn_Click(); }, colours::Message},
        {"a second duplicate after the hold",
         [&] {
             h.clock.advanceMs(3000);
             h.type("9aw1aw\n");
         },
         colours::Red},
    };
    for (const Case& c : cases) {
        h.type("9aw1aw\n");
        ASSERT_EQ(h.model.lblDialog.back, colours::Red) << c.name;
        c.event();
        EXPECT_EQ(h.model.lblDialog.back, c.back) << c.name;
        h.clock.advanceMs(4000);
        h.logic.cmdClear_Click();
    }
}

TEST_F(ReportCommands, AdifFileIsToldInTheDialogLine) {
    struct Case {
        const char* name;
        std::function<void()> before;
        const char* label;
        const char* boxText; // empty: no box
        int records;         // in W1AW.adi; -1: no file
    };
    const Case cases[] = {
        {"the whole log", [] {}, "Wrote W1AW.adi with 3 contacts.", "", 3},
        {"a contact no reader takes", [&] { h.state.ContactLog[2].Ck = "7"; },
         "W1AW.adi was not written.",
         "These contacts cannot go into the ADIF file; correct them and write it again:\n"
         "Contact 2: the check \"7\" is not two digits.",
         -1},
        {"no call", [&] { h.state.StationInfo.MyCall.clear(); },
         "The ADIF file needs your call: enter it in Setup.", "", -1},
    };
    for (const Case& c : cases) {
        h.state.StationInfo.MyCall = "W1AW";
        h.state.ContactLog[2].Ck = "72";
        std::filesystem::remove("W1AW.adi");
        h.port.boxes.clear();
        c.before();
        h.logic.mnuAdif_Click();
        EXPECT_EQ(h.model.lblDialog.caption, c.label) << c.name;
        ASSERT_EQ(h.port.boxes.size(), *c.boxText ? 1u : 0u) << c.name;
        if (*c.boxText)
            EXPECT_EQ(h.port.boxes[0].text, c.boxText) << c.name;
        const std::string adi = readFile("W1AW.adi");
        EXPECT_EQ(fileExists("W1AW.adi") ? std::count(adi.begin(), adi.end(), '\n') - 2 : -1,
                  c.records)
            << c.name;
    }
}
