#include "core/SectionTable.h"

namespace vantor {

const std::array<SectionRow, SectionRows + 1> SectionTable = {{
    {"", "", ""},
    {"CT", "Connecticut", "1"},
    {"EMA", "East Massachusetts", "1"},
    {"ME", "Maine", "1"},
    {"NH", "New Hampshire", "1"},
    {"RI", "Rhode Island", "1"},
    {"VT", "Vermont", "1"},
    {"WMA", "West Massachusetts", "1"},
    {"NNY", "North New York", "2"},
    {"ENY", "East New York", "2"},
    {"NLI", "NY Long Island", "2"},
    {"NNJ", "North New Jersey", "2"},
    {"SNJ", "South New Jersey", "2"},
    {"WNY", "West New York", "2"},
    {"DE", "Delaware", "3"},
    {"EPA", "East Pennsylvania", "3"},
    {"MDC", "Maryland-DC", "3"},
    {"WPA", "West Pennsylvania", "3"},
    {"AL", "Alabama", "4"},
    {"GA", "Georgia", "4"},
    {"KY", "Kentucky", "4"},
    {"NC", "North Carolina", "4"},
    {"NFL", "North Florida", "4"},
    {"SC", "South Carolina", "4"},
    {"SFL", "South Florida", "4"},
    {"TN", "Tennessee", "4"},
    {"VA", "Virginia", "4"},
    {"PR", "Puerto Rico", "4"},
    {"VI", "Virgin Islands", "4"},
    {"AR", "Arkansas", "5"},
    {"LA", "Louisiana", "5"},
    {"MS", "Mississippi", "5"},
    {"NM", "New Mexico", "5"},
    {"NTX", "North Texas", "5"},
    {"OK", "Oklahoma", "5"},
    {"STX", "South Texas", "5"},
    {"WTX", "West Texas", "5"},
    {"EB", "East Bay", "6"},
    {"LAX", "Los Angeles", "6"},
    {"ORG", "Orange", "6"},
    {"SB", "Santa Barbara", "6"},
    {"SCV", "Santa Clara Valley", "6"},
    {"SDG", "San Diego", "6"},
    {"SF", "San Francisco", "6"},
    {"SJV", "San Joaquin Valley", "6"},
    {"SV", "Sacramento Valley", "6"},
    {"PAC", "Pacific", "6"},
    {"AZ", "Arizona", "7"},
    {"EWA", "East Washington", "7"},
    {"ID", "Idaho", "7"},
    {"MT", "Montana", "7"},
    {"NV", "Nevada", "7"},
    {"OR", "Oregon", "7"},
    {"UT", "Utah", "7"},
    {"WWA", "West Washington", "7"},
    {"WY", "Wyoming", "7"},
    {"AK", "Alaska", "7"},
    {"MI", "Michigan", "8"},
    {"OH", "Ohio", "8"},
    {"WV", "West Virginia", "8"},
    {"IL", "Illinois", "9"},
    {"IN", "Indiana", "9"},
    {"WI", "Wisconsin", "9"},
    {"CO", "Colorado", "0"},
    {"IA", "Iowa", "0"},
    {"KS", "Kansas", "0"},
    {"MN", "Minnesota", "0"},
    {"MO", "Missouri", "0"},
    {"NE", "Nebraska", "0"},
    {"ND", "North Dakota", "0"},
    {"SD", "South Dakota", "0"},
    {"NL", "Newfoundland-Labrador", "Canada"},
    {"MAR", "Maritime", "Canada"},
    {"QC", "Quebec", "Canada"},
    {"ON", "Ontario", "Canada"},
    {"MB", "Manitoba", "Canada"},
    {"SK", "Saskatchewan", "Canada"},
    {"AB", "Alberta", "Canada"},
    {"BC", "British Columbia", "Canada"},
    {"NWT", "Northwest Territories-Yukon", "Canada"},
}};

const std::array<SectionGroup, 11> SectionGroups = {{
    {"1", 1, 7},
    {"2", 8, 13},
    {"3", 14, 17},
    {"4", 18, 28},
    {"5", 29, 36},
    {"6", 37, 46},
    {"7", 47, 56},
    {"8", 57, 59},
    {"9", 60, 62},
    {"0", 63, 70},
    {"Canada", 71, 79},
}};

// The traditional US rows with West Central Florida, and the Canadian sections of
// today in place of MAR, ON and NWT.
const std::array<SectionRow, TodaySectionRows + 1> TodaySectionTable = [] {
    std::array<SectionRow, TodaySectionRows + 1> t{};
    constexpr int sfl = 24;    // WCF follows South Florida in call area 4
    constexpr int usRows = 70; // rows 1..70 of the traditional list are the US
    for (int r = 0; r <= sfl; ++r)
        t[static_cast<std::size_t>(r)] = SectionTable[static_cast<std::size_t>(r)];
    t[sfl + 1] = {"WCF", "West Central Florida", "4"};
    for (int r = sfl + 1; r <= usRows; ++r)
        t[static_cast<std::size_t>(r + 1)] = SectionTable[static_cast<std::size_t>(r)];
    const SectionRow canada[] = {
        {"AB", "Alberta", "Canada"},
        {"BC", "British Columbia", "Canada"},
        {"GH", "Golden Horseshoe", "Canada"},
        {"MB", "Manitoba", "Canada"},
        {"NB", "New Brunswick", "Canada"},
        {"NL", "Newfoundland and Labrador", "Canada"},
        {"NS", "Nova Scotia", "Canada"},
        {"ONE", "Ontario East", "Canada"},
        {"ONN", "Ontario North", "Canada"},
        {"ONS", "Ontario South", "Canada"},
        {"PE", "Prince Edward Island", "Canada"},
        {"QC", "Quebec", "Canada"},
        {"SK", "Saskatchewan", "Canada"},
        {"TER", "Territories", "Canada"},
    };
    int r = usRows + 2;
    for (const SectionRow& row : canada)
        t[static_cast<std::size_t>(r++)] = row;
    return t;
}();

const std::array<SectionGroup, 11> TodaySectionGroups = {{
    {"1", 1, 7},
    {"2", 8, 13},
    {"3", 14, 17},
    {"4", 18, 29},
    {"5", 30, 37},
    {"6", 38, 47},
    {"7", 48, 57},
    {"8", 58, 60},
    {"9", 61, 63},
    {"0", 64, 71},
    {"Canada", 72, 85},
}};

const SectionList Sections79{SectionRows, SectionTable, SectionGroups};
const SectionList Sections85{TodaySectionRows, TodaySectionTable, TodaySectionGroups};

int SectionList::lookup(std::string_view text) const {
    for (int r = 1; r <= rows; ++r) {
        if (row(r).Abbr == text)
            return r;
    }
    return 0;
}

int sectionLookup(std::string_view text) {
    return Sections79.lookup(text);
}

} // namespace vantor
