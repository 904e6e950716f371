// A whole contest weekend through the entry logic: 11000 contacts typed key by key
// over 30 hours of clock, with band changes, times off, edits and deletes, the log
// full at the end; then every report, checked against a recount of "log.txt" made here
// from its lines alone.

#include "core/SectionTable.h"
#include "entry/Form1Logic.h"
#include "reports/Cabrillo.h"
#include "reports/SummarySheet.h"
#include "support/FakePort.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>

using namespace vantor;
using namespace vantor::test;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

// The numbers standing in a line, in order.
std::vector<long> numbersIn(const std::string& line) {
    std::vector<long> numbers;
    std::istringstream words(line);
    for (std::string w; words >> w;)
        if (w.find_first_not_of("0123456789") == std::string::npos)
            numbers.push_back(std::stol(w));
    return numbers;
}

const std::string* lineStarting(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& l : lines)
        if (l.rfind(start, 0) == 0)
            return &l;
    return nullptr;
}

std::string callFor(int n) {
    static const char* prefixes[] = {"k", "w", "n", "ka", "wb", "ve"};
    const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    return prefixes[n % 6] + std::to_string(n / 6 % 10) + letters[n / 60 % 26] +
           letters[n / 1560 % 26] + letters[n / 40560 % 26];
}

} // namespace

TEST(Weekend, ElevenThousandContactsAndEveryReportAgreesWithTheLog) {
    // Memory-backed storage where there is one: every contact is synced.
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string folder = std::string(base) + "/vantor-weekend-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    FileNames files;
    files.log = folder + "/log.txt";
    files.prefs = folder + "/nspref.txt";
    files.onOff = folder + "/nsonoff.txt";
    files.sections = folder + "/nssect.txt";
    files.asciiLog = folder + "/ASCIILog.txt";
    files.asciiDupe = folder + "/ASCIIDup.txt";

    const auto state = std::make_unique<ContestState>();
    Form1Model model;
    FakeClock clock(localMs(2026, 11, 7, 16, 0, 0));
    FakePort port(clock);
    Form1Logic logic(*state, model, clock, port, ShortDateForm{}, files);
    logic.Form_Load();
    port.useStationReply = true;
    port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
    port.answers = {Answer::No, Answer::Yes};
    logic.windowShown();
    port.editDialog = [](ContestState& s, int rec, const ShortDateForm&, int) {
        s.ContactLog[rec].Sec = "ENY";
    };

    const auto type = [&](const std::string& keys) {
        for (char ch : keys)
            logic.typeKey(model.focus, static_cast<unsigned char>(ch));
    };
    int typed = 0;
    int deletes = 0;
    int edits = 0;
    while (state->RecCount < ContactLogTable::Capacity) {
        clock.advanceMs(9000 + typed % 3 * 500); // 11000 contacts fill about 30 hours
        const std::string section(state->Sections->row(typed % 79 + 1).Abbr);
        type(std::to_string(typed % 1500 + 1) + "abqums"[typed % 6] + callFor(typed) +
             std::to_string(10 + typed % 90) + section + "\r");
        ++typed;
        ASSERT_EQ(model.txtCall.text, "") << typed; // every contact taken at once
        if (typed % 1000 == 0) {
            logic.chooseBand(BandCodes[typed / 1000 % BandCodes.size()]);
            logic.cmdLogOn_Click(); // time off, then on again at the next Enter
            clock.advanceMs(45 * 60 * 1000);
        }
        if (typed % 997 == 0) {
            logic.cmdDelete_Click(state->RecCount / 2);
            ++deletes;
        }
        if (typed % 1301 == 0) {
            logic.cmdEdit_Click(state->RecCount / 3);
            ++edits;
        }
    }
    type("1a" + callFor(typed) + "85ct\r"); // the log is full
    EXPECT_EQ(state->RecCount, ContactLogTable::Capacity);
    std::string refused = callFor(typed);
    for (char& c : refused)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(model.txtCall.text, refused); // refused, and kept in its field
    EXPECT_GT(deletes, 5);
    EXPECT_GT(edits, 5);
    EXPECT_GE(clock.nowMs() - localMs(2026, 11, 7, 16, 0, 0), 30LL * 3600 * 1000);

    logic.mnuAsciiLog_Click();
    logic.mnuAsciiDupe_Click();
    SummaryDetails details;
    details.powerOutput = "100";
    ASSERT_TRUE(writeSummarySheet(folder + "/ASCIISum.txt", *state, details).ok);
    ASSERT_TRUE(writeCabrillo(folder + "/ASCIICab.txt", *state, details, ShortDateForm{}, 2026).ok);

    // The recount: contacts, distinct calls, sections of the 79 worked, score.
    const std::vector<std::string> log = linesOf(readFile(files.log));
    std::set<std::string> abbreviations;
    for (int r = 1; r <= Sections79.rows; ++r)
        abbreviations.insert(std::string(Sections79.row(r).Abbr));
    std::set<std::string> calls;
    std::set<std::string> sections;
    std::vector<std::string> callOrder;
    for (const std::string& line : log) {
        std::vector<std::string> fields;
        std::size_t from = 1;
        for (std::size_t end; (end = line.find("\",\"", from)) != std::string::npos; from = end + 3)
            fields.push_back(line.substr(from, end - from));
        fields.push_back(line.substr(from, line.size() - from - 1));
        ASSERT_EQ(fields.size(), 9u) << line;
        calls.insert(fields[3]);
        callOrder.push_back(fields[3]);
        if (abbreviations.count(fields[5]))
            sections.insert(fields[5]);
    }
    const long contacts = static_cast<long>(log.size());
    const long worked = static_cast<long>(sections.size());
    const long claimed = 2 * contacts * worked;
    EXPECT_EQ(contacts, 11000);
    EXPECT_EQ(calls.size(), log.size()); // no duplicate was stored
    EXPECT_EQ(worked, 79);

    const auto dupe = linesOf(readFile(files.asciiDupe));
    const std::string* totals = lineStarting(dupe, "Total Contacts");
    ASSERT_NE(totals, nullptr);
    EXPECT_EQ(numbersIn(*totals), (std::vector<long>{contacts, worked, claimed}));

    const auto summary = linesOf(readFile(folder + "/ASCIISum.txt"));
    const std::string* scoring = lineStarting(summary, "Scoring:");
    ASSERT_NE(scoring, nullptr);
    EXPECT_EQ(numbersIn(*scoring), (std::vector<long>{2 * contacts, worked, claimed}));

    const auto cabrillo = linesOf(readFile(folder + "/ASCIICab.txt"));
    std::vector<std::string> qsoCalls;
    for (const std::string& line : cabrillo)
        if (line.rfind("QSO:", 0) == 0)
            qsoCalls.push_back(line);
    ASSERT_EQ(qsoCalls.size(), log.size());
    for (std::size_t i = 0; i < log.size(); ++i)
        EXPECT_NE(qsoCalls[i].find(" " + callOrder[i] + " "), std::string::npos) << qsoCalls[i];
    const std::string* claimedLine = lineStarting(cabrillo, "CLAIMED-SCORE:");
    ASSERT_NE(claimedLine, nullptr);
    EXPECT_EQ(numbersIn(*claimedLine), std::vector<long>{claimed});

    // The traditional log lists every contact once, with its call.
    const std::string ascii = readFile(files.asciiLog);
    std::size_t listed = 0;
    for (const std::string& call : callOrder)
        listed += ascii.find(" " + call + " ") != std::string::npos;
    EXPECT_EQ(listed, log.size());

    std::filesystem::remove_all(folder);
}
