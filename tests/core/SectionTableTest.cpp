#include "core/SectionTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vantor;

TEST(SectionTable, HasSeventyNineDistinctRowsInContiguousGroups) {
    std::set<std::string_view> abbrs;
    for (int r = 1; r <= SectionRows; ++r)
        abbrs.insert(SectionTable[static_cast<std::size_t>(r)].Abbr);
    EXPECT_EQ(abbrs.size(), 79u);

    int expectedFirst = 1;
    for (const SectionGroup& g : SectionGroups) {
        EXPECT_EQ(g.firstRow, expectedFirst) << g.caption;
        for (int r = g.firstRow; r <= g.lastRow; ++r)
            EXPECT_EQ(SectionTable[static_cast<std::size_t>(r)].Group, g.caption) << r;
        expectedFirst = g.lastRow + 1;
    }
    EXPECT_EQ(expectedFirst, 80);
}

TEST(SectionTable, LookupIsExactAndCaseSensitive) {
    struct Case {
        const char* text;
        int row;
    };
    const Case cases[] = {
        {"CT", 1}, {"EMA", 2},  {"NWT", 79}, {"SD", 70},  {"NL", 71}, {"PAC", 46},
        {"ny", 0}, {"NY", 0},   {"ema", 0},  {"EMAX", 0}, {" CT", 0}, {"CT ", 0},
        {"", 0},   {"WWA", 54}, {"MDC", 16}, {"VI", 28},  {"AK", 56},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sectionLookup(c.text), c.row) << c.text;
}

TEST(SectionTable, FullNamesOfSomeRows) {
    EXPECT_EQ(SectionTable[10].FullName, "NY Long Island");
    EXPECT_EQ(SectionTable[16].FullName, "Maryland-DC");
    EXPECT_EQ(SectionTable[71].FullName, "Newfoundland-Labrador");
    EXPECT_EQ(SectionTable[79].FullName, "Northwest Territories-Yukon");
}
