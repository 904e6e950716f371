#include "core/FieldReader.h"
#include "core/FieldWriter.h"

#include <gtest/gtest.h>

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
