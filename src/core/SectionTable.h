#pragma once
// The ARRL sections of the contest, grouped by call area. Two lists exist: the 79
// rows of the traditional contest (the default) and the 85 sections of today. Rows
// are numbered from 1; row 0 is an empty placeholder so that row numbers index the
// tables directly.

#include <array>
#include <span>
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

// One list of sections: its rows (row 0 the placeholder) and its call-area groups.
// Every rule that loops over the sections loops over the list the contest uses.
struct SectionList {
    int rows; // number of sections; rows run 1..rows
    std::span<const SectionRow> table;
    std::span<const SectionGroup> groups;

    const SectionRow& row(int r) const { return table[static_cast<std::size_t>(r)]; }
    // Row whose Abbr equals text exactly (case-sensitive, no trimming); 0 when none.
    int lookup(std::string_view text) const;
};

inline constexpr int TodaySectionRows = 85;
// The largest list; per-row arrays are sized for it.
inline constexpr int MaxSectionRows = TodaySectionRows;

extern const std::array<SectionRow, TodaySectionRows + 1> TodaySectionTable;
extern const std::array<SectionGroup, 11> TodaySectionGroups;

extern const SectionList Sections79; // the traditional list, the default
extern const SectionList Sections85; // today's ARRL and RAC sections

} // namespace vantor
