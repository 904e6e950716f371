#include "ui/main/Form1Design.h"

#include "core/SectionTable.h"

#include <algorithm>
#include <string>

namespace vantor::ui {

namespace {

constexpr double Small = 8.0;
constexpr double Entry = 10.0;

// The sections grid: cells 255 high, 240 apart (210 where packed), columns 480 apart;
// nothing of the grid may reach the local clock, which stands at 6075.
constexpr double CellHeight = 255;
constexpr double CellStep = 240;
constexpr double PackedStep = 210;
constexpr double ColumnStep = 480;
constexpr double ClockTop = 6075;
constexpr double CellGap = 30;

std::vector<ControlSpec> buildControls() {
    using K = Kind;
    using L = Look;
    return {
        // Recent contacts
        {"lblRecentContacts",
         K::Label,
         {0, 0, 1935, 375},
         Small,
         L::WhiteOnBlue,
         "Recent Contacts",
         nullptr,
         true},
        {"cmdList",
         K::Button,
         {2040, 30, 855, 315},
         Small,
         L::Plain,
         nullptr,
         "List all or last 10 contacts"},
        {"cmdEdit", K::Button, {3000, 30, 1335, 315}, Small, L::Plain, nullptr, nullptr},
        {"cmdDelete", K::Button, {4440, 30, 1335, 315}, Small, L::Plain, nullptr, nullptr},
        {"ListView1",
         K::ListView,
         {0, 375, 6375, 2100},
         Small,
         L::Plain,
         nullptr,
         "To edit or delete select a Rec# number."},

        // Entry fields and their captions
        {"lblStation_0", K::Label, {0, 2520, 660, 375}, Small, L::WhiteOnBlue, "#", nullptr, true},
        {"lblStation_1",
         K::Label,
         {690, 2520, 460, 375},
         Small,
         L::WhiteOnBlue,
         "Pr",
         nullptr,
         true},
        {"lblStation_2",
         K::Label,
         {1185, 2520, 1040, 375},
         Small,
         L::WhiteOnBlue,
         "Call",
         nullptr,
         true},
        {"lblStation_3",
         K::Label,
         {2250, 2520, 455, 375},
         Small,
         L::WhiteOnBlue,
         "Ck",
         nullptr,
         true},
        {"lblStation_4",
         K::Label,
         {2730, 2520, 1245, 375},
         Small,
         L::WhiteOnBlue,
         "   Sec",
         nullptr,
         true},
        {"txtNum", K::TextBox, {0, 3000, 615, 285}, Entry, L::Plain, nullptr, nullptr, true},
        {"txtPre", K::TextBox, {720, 3000, 375, 285}, Entry, L::Plain, nullptr, nullptr, true},
        {"txtCall", K::TextBox, {1200, 3000, 975, 285}, Entry, L::Plain, nullptr, nullptr, true},
        {"txtCK", K::TextBox, {2280, 3000, 375, 285}, Entry, L::Plain, nullptr, nullptr, true},
        {"txtSec", K::TextBox, {2760, 3000, 615, 285}, Entry, L::Plain, nullptr, nullptr, true},
        {"cmdClear",
         K::Button,
         {3480, 3000, 495, 255},
         Small,
         L::Plain,
         "&Clear",
         "Click to clear entry fields or press ALT C"},
        {"lblDialog", K::Label, {0, 3360, 3975, 735}, 9.0, L::Plain, nullptr, nullptr, true},

        // Duplicates
        {"lblPossDup",
         K::Label,
         {0, 4200, 3975, 375},
         Small,
         L::WhiteOnBlue,
         "               Possible Duplicates",
         nullptr,
         true},
        {"cmdDup",
         K::Button,
         {3360, 4295, 495, 210},
         7.0,
         L::Plain,
         nullptr,
         "Displaying partial dupes slows the program on older pc's."},
        {"lblDupe", K::Label, {0, 4680, 3975, 735}, 9.0, L::Plain, nullptr, nullptr},

        // Operating time, bands and clocks
        {"Label15",
         K::Label,
         {120, 5520, 2175, 255},
         Small,
         L::Plain,
         "Log Time On and Off:",
         nullptr,
         true},
        {"cmdLogOn",
         K::Button,
         {2520, 5490, 1455, 360},
         Small,
         L::Plain,
         nullptr,
         "Records On/Off times and controls duration clock."},
        {"Label12",
         K::Label,
         {120, 5880, 2415, 255},
         Small,
         L::Plain,
         "Total Operating Time:",
         nullptr,
         true},
        {"lblttrack",
         K::Label,
         {3000, 5880, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblBandSwitch", K::Label, {120, 6200, 495, 255}, Small, L::Plain, "Band", nullptr, true},
        {"Label30", K::Label, {840, 6200, 375, 255}, Small, L::WhiteOnBlue, nullptr, nullptr, true},
        {"Label14",
         K::Label,
         {1440, 6195, 1455, 255},
         Small,
         L::Plain,
         "Time on band:",
         nullptr,
         true},
        {"lbltimeon",
         K::Label,
         {3000, 6195, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblTimeLeftCaption",
         K::Label,
         {1440, 6455, 1455, 200},
         Small,
         L::Plain,
         "Left of 24 hours:",
         nullptr,
         true},
        {"lbltimeleft",
         K::Label,
         {3000, 6455, 975, 200},
         Small,
         L::WhiteOnBlue,
         nullptr,
         "Operating time left of the 24 hours allowed; a time off shorter than 30 minutes "
         "counts as operating time",
         true},
        // The local clock's labels end where the UTC clock's begin.
        {"lblCurTime", K::Label, {8280, 6075, 735, 225}, Small, L::Plain, nullptr, nullptr},
        {"Label16", K::Label, {9110, 6075, 375, 225}, Small, L::Plain, nullptr, nullptr},
        {"lblutctime", K::Label, {8280, 6300, 735, 255}, Small, L::Plain, nullptr, nullptr},
        {"Label11", K::Label, {9110, 6300, 375, 255}, Small, L::Plain, "UTC", nullptr},

        // Score statistics: the captions end where the values begin.
        {"lblScorStats",
         K::Label,
         {6480, 0, 2895, 375},
         Small,
         L::WhiteOnBlue,
         "Score Statistics",
         nullptr,
         true},
        {"Label5",
         K::Label,
         {6480, 480, 1920, 255},
         Small,
         L::Plain,
         "Total Contacts.............",
         nullptr},
        {"Label6",
         K::Label,
         {6480, 840, 1920, 255},
         Small,
         L::Plain,
         "Total Sections Worked",
         nullptr},
        {"Label13",
         K::Label,
         {6480, 1200, 1920, 255},
         Small,
         L::Plain,
         "Sections to go ............",
         nullptr},
        {"Label7",
         K::Label,
         {6480, 1560, 1920, 255},
         Small,
         L::Plain,
         "Total Score..................",
         nullptr},
        {"Label8",
         K::Label,
         {6480, 1920, 1920, 255},
         Small,
         L::Plain,
         "QSO's / Hr (last 20 min)",
         nullptr},
        {"Label9",
         K::Label,
         {6480, 2265, 1920, 255},
         Small,
         L::Plain,
         "QSO's / Hr (last 60 min)",
         nullptr},
        {"lblTotCon",
         K::Label,
         {8400, 480, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblTotSec",
         K::Label,
         {8400, 840, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblsectogo",
         K::Label,
         {8400, 1200, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblTotScore",
         K::Label,
         {8400, 1560, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblAQSO20",
         K::Label,
         {8400, 1920, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"lblAQSO60",
         K::Label,
         {8400, 2265, 975, 255},
         Small,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},

        // Next serial number and the own exchange
        {"lblNumCurCon",
         K::Label,
         {4080, 6120, 855, 375},
         12.0,
         L::WhiteOnBlue,
         nullptr,
         nullptr,
         true},
        {"Label1", K::Label, {5040, 6120, 495, 375}, 12.0, L::WhiteOnBlue, nullptr, nullptr, true},
        {"Label2", K::Label, {5640, 6120, 1215, 375}, 12.0, L::WhiteOnBlue, nullptr, nullptr, true},
        {"Label3", K::Label, {6960, 6120, 495, 375}, 12.0, L::WhiteOnBlue, nullptr, nullptr, true},
        {"Label4", K::Label, {7560, 6120, 615, 375}, 12.0, L::WhiteOnBlue, nullptr, nullptr, true},

        {"lblSecWkd",
         K::Label,
         {4200, 2640, 1935, 375},
         Small,
         L::WhiteOnBlue,
         "  Sections Worked",
         "The Sections menu, or a right click here, chooses 79 traditional or 85 sections",
         true},
    };
}

struct GroupDesign {
    const char* heading;
    double left, top;
    double firstCellTop;
    int firstColumnRows;
};

} // namespace

const std::vector<ControlSpec>& form1Controls() {
    static const std::vector<ControlSpec> controls = buildControls();
    return controls;
}

std::vector<ControlSpec> sectionGridControls(const SectionList& list) {
    static const GroupDesign groups[] = {
        {"lblSecOne", 4200, 3120, 3480, 4},   {"lblSecTwo", 4200, 4560, 4920, 3},
        {"lblSecThre", 5280, 3120, 3480, 2},  {"lblSecFour", 5280, 4080, 4440, 6},
        {"lblSecFive", 6360, 2640, 3000, 4},  {"lblSecSix", 6360, 4080, 4440, 5},
        {"lblSecSeven", 7440, 2640, 3000, 5}, {"lblSecEight", 7440, 4320, 4680, 2},
        {"lblSecNine", 7440, 5280, 5595, 2},  {"lblSecZero", 8520, 2640, 3000, 4},
        {"lblSecCA", 8520, 4080, 4560, 5},
    };
    // Names of the cells live as long as the program; keep them in one place.
    static std::vector<std::string> cellNames = [] {
        std::vector<std::string> names;
        for (int r = 1; r <= MaxSectionRows; ++r)
            names.push_back("Label10_" + std::to_string(r));
        return names;
    }();

    std::vector<ControlSpec> out;
    for (std::size_t g = 0; g < list.groups.size(); ++g) {
        const GroupDesign& d = groups[g];
        const SectionGroup& group = list.groups[g];
        const double headingHeight = g == list.groups.size() - 1 ? 375 : 255;
        // A longer group (4 and Canada of today's list) balances its two columns.
        const int rows = group.lastRow - group.firstRow + 1;
        const int firstColumnRows = std::max(d.firstColumnRows, (rows + 1) / 2);
        out.push_back({d.heading,
                       Kind::Label,
                       {d.left, d.top, 855, headingHeight},
                       Small,
                       Look::WhiteOnBlue,
                       group.caption.data(),
                       nullptr,
                       true});
        // A column that would reach the clocks (Canada of today's list) is packed as
        // closely as group 9; a cell is never taller than its step, so none covers
        // the next.
        double step = group.caption == "9" ? PackedStep : CellStep;
        if (d.firstCellTop + (firstColumnRows - 1) * step + CellHeight > ClockTop - CellGap)
            step = PackedStep;
        const double height = std::min(CellHeight, step);
        for (int r = group.firstRow; r <= group.lastRow; ++r) {
            const int index = r - group.firstRow;
            const int column = index < firstColumnRows ? 0 : 1;
            const int place = column == 0 ? index : index - firstColumnRows;
            // The two columns meet without a gap or an overlap.
            out.push_back(
                {cellNames[static_cast<std::size_t>(r - 1)].c_str(),
                 Kind::Label,
                 {d.left + column * ColumnStep, d.firstCellTop + place * step, ColumnStep, height},
                 Small,
                 Look::Cell,
                 nullptr,
                 nullptr,
                 true});
        }
    }
    return out;
}

const std::vector<ColumnSpec>& recentColumns() {
    static const std::vector<ColumnSpec> columns = {
        {"Rec#", 270, "11000"}, {"Ns", 270, "11000"},        {"Nr", 270, "12345"},
        {"P", 150, "M"},        {"Call", 720, "WB2XYZ/VE3"}, {"Ck", 100, "00"},
        {"Sec", 300, "WWWW"},   {"Date", 500, "12/31/2026"}, {"Time", 465, "23:59:59"},
        {"Bnd", 150, "160"},
    };
    return columns;
}

} // namespace vantor::ui
