#include "core/SectionChoiceFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace vantor;
using namespace vantor::test;

namespace {

// Written out independently of the program's tables: group, then "ABBR=Full name;..."
struct GroupText {
    const char* group;
    const char* rows;
};

const std::vector<GroupText> UsAreas = {
    {"1", "CT=Connecticut;EMA=East Massachusetts;ME=Maine;NH=New Hampshire;RI=Rhode Island;"
          "VT=Vermont;WMA=West Massachusetts"},
    {"2", "NNY=North New York;ENY=East New York;NLI=NY Long Island;NNJ=North New Jersey;"
          "SNJ=South New Jersey;WNY=West New York"},
    {"3", "DE=Delaware;EPA=East Pennsylvania;MDC=Maryland-DC;WPA=West Pennsylvania"},
    {"4", "AL=Alabama;GA=Georgia;KY=Kentucky;NC=North Carolina;NFL=North Florida;"
          "SC=South Carolina;SFL=South Florida;TN=Tennessee;VA=Virginia;PR=Puerto Rico;"
          "VI=Virgin Islands"},
    {"5", "AR=Arkansas;LA=Louisiana;MS=Mississippi;NM=New Mexico;NTX=North Texas;"
          "OK=Oklahoma;STX=South Texas;WTX=West Texas"},
    {"6", "EB=East Bay;LAX=Los Angeles;ORG=Orange;SB=Santa Barbara;SCV=Santa Clara Valley;"
          "SDG=San Diego;SF=San Francisco;SJV=San Joaquin Valley;SV=Sacramento Valley;"
          "PAC=Pacific"},
    {"7", "AZ=Arizona;EWA=East Washington;ID=Idaho;MT=Montana;NV=Nevada;OR=Oregon;UT=Utah;"
          "WWA=West Washington;WY=Wyoming;AK=Alaska"},
    {"8", "MI=Michigan;OH=Ohio;WV=West Virginia"},
    {"9", "IL=Illinois;IN=Indiana;WI=Wisconsin"},
    {"0", "CO=Colorado;IA=Iowa;KS=Kansas;MN=Minnesota;MO=Missouri;NE=Nebraska;"
          "ND=North Dakota;SD=South Dakota"},
};

const GroupText Canada79 = {
    "Canada", "NL=Newfoundland-Labrador;MAR=Maritime;QC=Quebec;ON=Ontario;MB=Manitoba;"
              "SK=Saskatchewan;AB=Alberta;BC=British Columbia;NWT=Northwest Territories-Yukon"};
const GroupText Canada85 = {
    "Canada", "AB=Alberta;BC=British Columbia;GH=Golden Horseshoe;MB=Manitoba;"
              "NB=New Brunswick;NL=Newfoundland and Labrador;NS=Nova Scotia;ONE=Ontario East;"
              "ONN=Ontario North;ONS=Ontario South;PE=Prince Edward Island;QC=Quebec;"
              "SK=Saskatchewan;TER=Territories"};

struct Expected {
    std::string abbr, name, group;
};

std::vector<Expected> expand(std::vector<GroupText> groups) {
    std::vector<Expected> out;
    for (const GroupText& g : groups) {
        std::stringstream rows(g.rows);
        std::string item;
        while (std::getline(rows, item, ';')) {
            const auto eq = item.find('=');
            out.push_back({item.substr(0, eq), item.substr(eq + 1), g.group});
        }
    }
    return out;
}

std::vector<Expected> list79() {
    auto groups = UsAreas;
    groups.push_back(Canada79);
    return expand(groups);
}

std::vector<Expected> list85() {
    auto groups = UsAreas;
    groups[3].rows = "AL=Alabama;GA=Georgia;KY=Kentucky;NC=North Carolina;NFL=North Florida;"
                     "SC=South Carolina;SFL=South Florida;WCF=West Central Florida;TN=Tennessee;"
                     "VA=Virginia;PR=Puerto Rico;VI=Virgin Islands";
    groups.push_back(Canada85);
    return expand(groups);
}

} // namespace

TEST(SectionLists, RowsGroupsAndLookupsMatchTheWrittenOutLists) {
    const struct {
        const SectionList& list;
        std::vector<Expected> expected;
    } lists[] = {{Sections79, list79()}, {Sections85, list85()}};
    for (const auto& l : lists) {
        ASSERT_EQ(l.list.rows, static_cast<int>(l.expected.size()));
        ASSERT_EQ(l.list.table.size(), l.expected.size() + 1);
        for (int r = 1; r <= l.list.rows; ++r) {
            const Expected& e = l.expected[static_cast<std::size_t>(r - 1)];
            EXPECT_EQ(l.list.row(r).Abbr, e.abbr) << r;
            EXPECT_EQ(l.list.row(r).FullName, e.name) << r;
            EXPECT_EQ(l.list.row(r).Group, e.group) << r;
            EXPECT_EQ(l.list.lookup(e.abbr), r) << e.abbr;
        }
        // Groups are contiguous, in grid order, and cover every row.
        int next = 1;
        for (const SectionGroup& g : l.list.groups) {
            EXPECT_EQ(g.firstRow, next) << g.caption;
            for (int r = g.firstRow; r <= g.lastRow; ++r)
                EXPECT_EQ(l.list.row(r).Group, g.caption) << r;
            next = g.lastRow + 1;
        }
        EXPECT_EQ(next, l.list.rows + 1);
        for (const char* text : {"ny", "pe", "PE ", " CT", ""})
            EXPECT_EQ(l.list.lookup(text), 0) << text;
    }
    // Each list refuses what only the other one holds.
    for (const char* text : {"MAR", "ON", "NWT"})
        EXPECT_EQ(Sections85.lookup(text), 0) << text;
    for (const char* text : {"PE", "GH", "TER", "ONE", "ONN", "ONS", "NB", "NS", "WCF"})
        EXPECT_EQ(Sections79.lookup(text), 0) << text;
}

TEST(SectionChoiceFile, KeepsTodaysListAndLeavesNoFileForTheTraditionalOne) {
    const struct {
        const char* data;
        const SectionList* list;
    } reads[] = {
        {"85\r\n", &Sections85}, {"\"85\"\r\n", &Sections85}, {"79\r\n", &Sections79},
        {"", &Sections79},       {"86\r\n", &Sections79},     {"x85\r\n", &Sections79},
        {"\"8", &Sections79},
    };
    for (const auto& r : reads)
        EXPECT_EQ(&parseSectionChoice(r.data), r.list) << r.data;

    TempDir dir;
    EXPECT_EQ(&readSectionChoice("nssect.txt"), &Sections79);
    ASSERT_TRUE(writeSectionChoice("nssect.txt", Sections85));
    EXPECT_EQ(readFile("nssect.txt"), "85\r\n");
    EXPECT_EQ(&readSectionChoice("nssect.txt"), &Sections85);
    ASSERT_TRUE(writeSectionChoice("nssect.txt", Sections79));
    EXPECT_FALSE(std::filesystem::exists("nssect.txt"));
    EXPECT_TRUE(writeSectionChoice("nssect.txt", Sections79)); // nothing to remove
}
