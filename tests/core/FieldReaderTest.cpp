#include "core/FieldReader.h"
#include "core/FieldWriter.h"
#include "core/LogFile.h"
#include "core/OnOffFile.h"
#include "core/PrefsFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace vantor;
using Status = FieldReader::Status;

namespace {

struct Read {
    std::vector<std::string> fields;
    bool malformed = false;
};

Read readAll(std::string_view data) {
    Read r;
    FieldReader reader(data);
    std::string f;
    for (;;) {
        const Status s = reader.next(f);
        if (s == Status::End)
            break;
        if (s == Status::Malformed) {
            r.malformed = true;
            break;
        }
        r.fields.push_back(f);
    }
    return r;
}

} // namespace

TEST(FieldReader, ReadsFieldsAcrossLineEnds) {
    struct Case {
        const char* data;
        std::vector<std::string> fields;
        bool malformed;
    };
    const Case cases[] = {
        {"\"a\",\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}, false},
        {"\"a\"\r\n\"b\"", {"a", "b"}, false},
        {"\"x,y\",\"z\"", {"x,y", "z"}, false},
        {"12,-3,\"t\"", {"12", "-3", "t"}, false},
        {"   \"a\"  ,  \"b\"", {"a", "b"}, false},
        {"\"\",\"\"\r\n", {"", ""}, false},
        {"a b,c\r\n", {"a b", "c"}, false},
        {"\"a\"\n\"b\"\r\"c\"", {"a", "b", "c"}, false},
        {"\"a\"\r\n\r\n\"b\"\r\n", {"a", "b"}, false},
        {"1,,2", {"1", "", "2"}, false},
        {"\"a\",\r\n\"b\"", {"a", "", "b"}, false},
        {"", {}, false},
        {"\r\n  \r\n", {}, false},
        {"\"W1\"AW\",\"CT\"", {}, true},
        {"\"open", {}, true},
        {"ab\"c\",\"d\"", {}, true},
    };
    for (const Case& c : cases) {
        const Read r = readAll(c.data);
        EXPECT_EQ(r.malformed, c.malformed) << c.data;
        if (!c.malformed) {
            EXPECT_EQ(r.fields, c.fields) << c.data;
        }
    }
}

TEST(FieldReader, KeepsBinaryBytesInsideQuotes) {
    const std::string data("\"a\0b\xff\",\"c\"", 10);
    FieldReader reader(data);
    std::string f;
    ASSERT_EQ(reader.next(f), Status::Ok);
    EXPECT_EQ(f, std::string("a\0b\xff", 4));
    ASSERT_EQ(reader.next(f), Status::Ok);
    EXPECT_EQ(f, "c");
    EXPECT_TRUE(reader.atEnd());
}

TEST(FieldWriter, QuotesTextAndEndsLinesWithCrLf) {
    FieldWriter w;
    w.number(1).text("11/7/99").text("02:00:05").text("00:00:00").endLine();
    w.text("").number(-4).endLine();
    EXPECT_EQ(w.str(), "1,\"11/7/99\",\"02:00:05\",\"00:00:00\"\r\n\"\",-4\r\n");
}

namespace {

// Log-like text: a few records of nine fields, quoted or bare, separated by commas or
// line ends of any kind, then often damaged by a few random bytes.
std::string logLikeBytes(std::mt19937& random) {
    const auto pick = [&random](std::size_t n) { return random() % n; };
    const std::string plain = " 0123456789AW/:\t\xff";
    std::string data;
    const std::size_t records = pick(5);
    for (std::size_t r = 0; r < records; ++r) {
        for (int f = 0; f < 9; ++f) {
            std::string text;
            for (std::size_t n = pick(6); n > 0; --n)
                text += f == 0 ? static_cast<char>('0' + pick(10)) : plain[pick(plain.size())];
            if (pick(3) != 0)
                data += "\"" + text + (pick(4) == 0 ? ",\r\n" : "") + "\"";
            else
                data += text;
            static const char* separators[] = {",", ",", ",", "\r\n", "\n", "\r", ", "};
            data += f == 8 ? "\r\n" : separators[pick(7)];
        }
    }
    for (std::size_t damage = pick(2) ? 0 : 1 + pick(3); damage > 0 && !data.empty(); --damage) {
        const std::size_t at = pick(data.size());
        switch (pick(3)) {
        case 0:
            data.erase(at, 1);
            break;
        case 1:
            data.insert(at, 1, "\",\r\n"[pick(4)]);
            break;
        default:
            data[at] = static_cast<char>(pick(256));
        }
    }
    return data;
}

} // namespace

TEST(FieldReader, AnyBytesEndInRecordsOrAFailureNeverACrash) {
    std::mt19937 random(2026);
    int loaded = 0;
    int refused = 0;
    // The states are large; one of each serves every round.
    auto state = std::make_unique<ContestState>();
    auto again = std::make_unique<ContestState>();
    auto prefs = std::make_unique<ContestState>();
    for (int round = 0; round < 2000; ++round) {
        const std::string data = logLikeBytes(random);
        const LoadResult r = loadLogData(*state, data);
        ASSERT_GE(state->RecCount, r.ok() ? 0 : 1);
        ASSERT_LE(state->RecCount, ContactLogTable::Capacity);
        refused += r.ok() ? 0 : 1;
        if (r.ok() && state->RecCount > 0) {
            ++loaded;
            // What loaded is written back and loads again to the same records.
            std::string written;
            for (int i = 1; i <= state->RecCount; ++i)
                written += formatLogLine(state->ContactLog[i]);
            ASSERT_TRUE(loadLogData(*again, written).ok());
            ASSERT_EQ(again->RecCount, state->RecCount);
            for (int i = 1; i <= state->RecCount; ++i)
                ASSERT_EQ(again->ContactLog[i], state->ContactLog[i]);
        }
        ASSERT_LE(readPrefsData(data, *prefs), 10);
        const OnOffJournal journal = readOnOffData(data);
        ASSERT_LE(journal.records.size(), data.size());
    }
    // Both outcomes were really exercised.
    EXPECT_GT(loaded, 250);
    EXPECT_GT(refused, 250);
}
