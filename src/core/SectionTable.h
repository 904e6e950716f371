#pragma once
// The 79 ARRL sections of the contest, grouped by call area. Rows are numbered
// 1..79; row 0 is an empty placeholder so that row numbers index the table directly.

#include <array>
#include <string_view>

namespace vantor {

struct SectionRow {
    std::string_view Abbr;
    std::string_view FullName;
    std::string_view Group; // "1".."9", "0" or "Canada"
};

inline constexpr int SectionRows = 79;

extern const std::array<SectionRow, SectionRows + 1> SectionTable;

// Row whose Abbr equals text exactly (case-sensitive, no trimming); 0 when none.
int sectionLookup(std::string_view text);

struct SectionGroup {
    std::string_view caption; // heading caption
    int firstRow;
    int lastRow;
};

// The eleven call-area groups in grid order, each a contiguous range of rows.
extern const std::array<SectionGroup, 11> SectionGroups;

} // namespace vantor
