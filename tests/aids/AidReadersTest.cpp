#include "aids/AidText.h"
#include "aids/AidsSettings.h"
#include "aids/CallHistory.h"
#include "aids/CheckPartial.h"

#include <gtest/gtest.h>

using namespace vantor::aids;

namespace {

std::vector<std::string> found(const CheckPartialList& list, std::string_view typed,
                               std::size_t limit = 50, std::size_t* total = nullptr) {
    std::vector<std::string_view> out;
    const std::size_t n = list.find(typed, limit, out);
    if (total)
        *total = n;
    return {out.begin(), out.end()};
}

// Over a megabyte: 120,000 lines made of row(call), a damaged line after every 1,000th.
std::string manyLines(const std::string& first, std::string (*row)(const std::string&)) {
    std::string bytes = first;
    for (int i = 1; i <= 120000; ++i) {
        bytes += row("W1" + std::to_string(100000 + i));
        if (i % 1000 == 0)
            bytes += row("W 1");
    }
    return bytes + row("K5TR");
}

} // namespace

TEST(ScpReader, SkipsCommentsVersionAndBadLines) {
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t calls, skipped, duplicates;
        std::vector<std::string> withK; // the calls holding "K", in find's order
    };
    const std::vector<Case> cases = {
        {"LF with comments", "# comment\n!!Version 2024\nK5TR\nW1AW\n", 2, 0, 0, {"K5TR"}},
        {"CR LF, no last end", "#\r\nK5TR\r\nAK1A\r\nN5K", 3, 0, 0, {"K5TR", "AK1A", "N5K"}},
        {"blank and version", "\n\n# Release 2023.05.02\nRelease 1\n\nk5tr\n", 1, 0, 0, {"K5TR"}},
        {"version in any case", "version 3\nVER20231101\nrelease\nK5TR\n", 1, 0, 0, {"K5TR"}},
        {"damaged lines",
         "K5TR\nK 5TR\nK5TR;\nAB\n" + std::string(20, 'K') + "\n",
         1,
         4,
         0,
         {"K5TR"}},
        {"duplicate call", "K5TR\nK5TR\nW1AW\n", 2, 0, 1, {"K5TR"}},
        {"UTF-8 mark", "\xEF\xBB\xBFK5TR\n", 1, 0, 0, {"K5TR"}},
        {"Latin-1 line", "K5TR\nJos\xE9\nW1\xC9W\nN5K\n", 2, 2, 0, {"K5TR", "N5K"}},
        {"over a megabyte",
         manyLines("# big\n", [](const std::string& call) { return call + "\n"; }),
         120001,
         120,
         0,
         {"K5TR"}},
        {"UTF-16 LE",
         std::string("\xFF\xFEK\0"
                     "5\0T\0R\0\n\0",
                     12),
         1,
         0,
         0,
         {"K5TR"}},
        {"empty", "", 0, 0, 0, {}},
    };
    for (const Case& c : cases) {
        CheckPartialList list;
        const ScpLoad load = list.load(c.bytes);
        EXPECT_EQ(load.calls, c.calls) << c.name;
        EXPECT_EQ(load.skipped, c.skipped) << c.name;
        EXPECT_EQ(load.duplicates, c.duplicates) << c.name;
        EXPECT_EQ(found(list, "K"), c.withK) << c.name;
    }
}

TEST(ScpReader, FindsAnywhereExactFirstThenStartingThenInside) {
    CheckPartialList list;
    list.load("AK5TR\nK5TRA\nK5TR\nN5TR\nK5T\nW5TRX\n");
    std::size_t total = 0;
    EXPECT_EQ(found(list, "K5TR", 50, &total),
              (std::vector<std::string>{"K5TR", "K5TRA", "AK5TR"}));
    EXPECT_EQ(total, 3u);
    EXPECT_EQ(found(list, "5TR"),
              (std::vector<std::string>{"AK5TR", "K5TRA", "K5TR", "N5TR", "W5TRX"}));
    EXPECT_EQ(found(list, "5TR", 2, &total), (std::vector<std::string>{"AK5TR", "K5TRA"}));
    EXPECT_EQ(total, 5u);
    EXPECT_TRUE(found(list, "QQ").empty());
    EXPECT_TRUE(found(list, "").empty());
    EXPECT_TRUE(found(list, "R\nK").empty()); // never across two calls
}

// A list searched key after key, as the call is typed, taken back and typed again,
// finds what a list searched once for each text finds.
TEST(ScpReader, SearchesKeyAfterKeyFindWhatOneSearchFinds) {
    const std::string scp = "AK5TR\nK5TRA\nK5TR\nN5TR\nK5T\nW5TRX\nK5\nKK5TR/P\nVE3K5T\n";
    CheckPartialList typing;
    typing.load(scp);
    const std::vector<std::string> texts = {
        "K",    "K5",  "K5T",    "K5TR", "K5TRA", "K5TR",  "K5T", "K5",  "K",   "5", "5T",  "5TR",
        "5TRX", "5TR", "K5TR/P", "5T",   "AK5",   "AK5TR", "AK5", "K5T", "QK5", "Q", "TR/", "K5T"};
    for (const std::string& typed : texts) {
        CheckPartialList once;
        once.load(scp);
        std::size_t total = 0, totalOnce = 0;
        EXPECT_EQ(found(typing, typed, 3, &total), found(once, typed, 3, &totalOnce)) << typed;
        EXPECT_EQ(total, totalOnce) << typed;
    }
    std::size_t total = 0;
    EXPECT_EQ(found(typing, "K5T", 50, &total),
              (std::vector<std::string>{"K5T", "K5TRA", "K5TR", "AK5TR", "KK5TR/P", "VE3K5T"}));
    EXPECT_EQ(total, 6u);
    typing.load("K5TX\n"); // a new file forgets what was found
    EXPECT_EQ(found(typing, "K5T"), (std::vector<std::string>{"K5TX"}));
}

TEST(HistoryReader, ReadsColumnsByName) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* call;
        std::optional<HistoryEntry> entry;
        std::size_t rows, skipped, duplicates;
        bool problem = false;
    };
    const std::string header = "!!Order!!,Call,Sect,State,CK,UserText,\n";
    const std::vector<Case> cases = {
        {"plain", header + "K5TR,STX,TX,68,Bob,\n", "K5TR", HistoryEntry{"68", "STX"}, 1, 0, 0},
        {"comments and !! lines",
         "# made by hand\n" + header + "#x\n!!Order!!,Call\nk5tr,stx,,68\n", "K5TR",
         HistoryEntry{"68", "STX"}, 1, 0, 0},
        {"CR LF, no last end", "!!Order!!,Call,CK,Sect\r\nW1AW,85,CT\r\nK5TR,68,STX", "K5TR",
         HistoryEntry{"68", "STX"}, 2, 0, 0},
        {"missing column", header + "K5TR,STX\n", "K5TR", HistoryEntry{"", "STX"}, 1, 0, 0},
        {"bad check and section", header + "K5TR,S7X,,687\n", "K5TR", HistoryEntry{"", ""}, 1, 0,
         0},
        {"duplicate call: the later row", header + "K5TR,STX,,68\nK5TR,NTX,,70\n", "K5TR",
         HistoryEntry{"70", "NTX"}, 1, 0, 1},
        {"rows without a call", header + ",STX,,68\nK 5,STX\nK5TR,STX,,68\n", "K5TR",
         HistoryEntry{"68", "STX"}, 1, 2, 0},
        {"plain header, quoted fields", "Call,CK,Sect\n\"K5TR\",\"68\",\"STX\"\n", "K5TR",
         HistoryEntry{"68", "STX"}, 1, 0, 0},
        {"Latin-1 line",
         header + "K5TR,STX,,68,Jos\xE9\nN\xC9"
                  "5K,STX\n",
         "K5TR", HistoryEntry{"68", "STX"}, 1, 1, 0},
        {"over a megabyte",
         manyLines(header, [](const std::string& call) { return call + ",NTX,,70\n"; }), "K5TR",
         HistoryEntry{"70", "NTX"}, 120001, 120, 0},
        {"no Call column", "!!Order!!,Sect,CK\nSTX,68\n", "K5TR", std::nullopt, 0, 1, 0, true},
        {"only comments", "# nothing\n", "K5TR", std::nullopt, 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        CallHistory history;
        const HistoryLoad load = history.load(c.bytes);
        const HistoryEntry* entry = history.find(c.call);
        EXPECT_EQ(entry != nullptr, c.entry.has_value()) << c.name;
        if (entry && c.entry) {
            EXPECT_EQ(*entry, *c.entry) << c.name;
        }
        EXPECT_EQ(load.rows, c.rows) << c.name;
        EXPECT_EQ(load.skipped, c.skipped) << c.name;
        EXPECT_EQ(load.duplicates, c.duplicates) << c.name;
        EXPECT_EQ(!load.problem.empty(), c.problem) << c.name;
    }
}

TEST(HistoryReader, WrittenFileReadsBack) {
    const std::string text =
        formatCallHistory({{"W1AW", {"85", "CT"}}, {"K5TR", {"68", "STX"}}, {"N5K", {"", ""}}});
    EXPECT_EQ(text, "!!Order!!,Call,Sect,State,CK\nK5TR,STX,,68\nN5K,,,\nW1AW,CT,,85\n");
    CallHistory history;
    EXPECT_EQ(history.load(text).rows, 3u);
    EXPECT_EQ(*history.find("W1AW"), (HistoryEntry{"85", "CT"}));
}

TEST(HistoryReader, HugeFileIsCut) {
    std::string bytes = "!!Order!!,Call,Sect,State,CK\n";
    while (bytes.size() <= AidFileLimit)
        bytes += "K5TR,STX,,68\nnot a row at all\n";
    CallHistory history;
    const HistoryLoad load = history.load(bytes);
    EXPECT_TRUE(load.cut);
    EXPECT_EQ(load.rows, 1u);
    EXPECT_GT(load.skipped, 100000u);
}

TEST(AidsSettingsFile, RoundTripAndDamage) {
    AidsSettings s;
    s.checkPartial = true;
    s.history = "/home/op/old contest/callhist.txt";
    s.listWindow = WindowPlace{10, 20, 300, 200};
    EXPECT_EQ(parseAidsSettings(formatAidsSettings(s)), s);
    const AidsSettings damaged =
        parseAidsSettings("checkpartial=on\r\nsectioncue=yes\ngarbage\nlistwindow=1,2,x,4");
    EXPECT_TRUE(damaged.checkPartial);
    EXPECT_FALSE(damaged.sectionCue);
    EXPECT_FALSE(damaged.listWindow.has_value());
}
