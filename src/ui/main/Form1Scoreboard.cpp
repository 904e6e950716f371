#include "ui/main/Form1Design.h"

#include "core/SectionTable.h"

#include <algorithm>
#include <string>

namespace vantor::ui {

namespace {

// The sections grid: cells 255 high, 240 apart (210 where packed), columns 480 apart;
// nothing of the grid may reach the local clock, which stands at 6075.
constexpr double CellHeight = 255;
constexpr double CellStep = 240;
constexpr double PackedStep = 210;
constexpr double ColumnStep = 480;
constexpr double ClockTop = 6075;
constexpr double CellGap = 30;

struct GroupDesign {
    const char* heading;
    double left, top;
    double firstCellTop;
    int firstColumnRows;
};

// A bold white-on-blue value, set by the logic's model.
ControlSpec value(const char* name, UnitRect rect, double pt, LabelModel Form1Model::*model) {
    return {name,
            Kind::Label,
            rect,
            pt,
            Look::WhiteOnBlue,
            nullptr,
            nullptr,
            true,
            Binding{Field::None, model}};
}

} // namespace

std::vector<ControlSpec> scoreControls() {
    using K = Kind;
    using L = Look;
    return {
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
        value("lblTotCon", {8400, 480, 975, 255}, Small, &Form1Model::lblTotCon),
        value("lblTotSec", {8400, 840, 975, 255}, Small, &Form1Model::lblTotSec),
        value("lblsectogo", {8400, 1200, 975, 255}, Small, &Form1Model::lblsectogo),
        value("lblTotScore", {8400, 1560, 975, 255}, Small, &Form1Model::lblTotScore),
        value("lblAQSO20", {8400, 1920, 975, 255}, Small, &Form1Model::lblAQSO20),
        value("lblAQSO60", {8400, 2265, 975, 255}, Small, &Form1Model::lblAQSO60),

        // Next serial number and the own exchange
        value("lblNumCurCon", {4080, 6120, 855, 375}, 12.0, &Form1Model::lblNumCurCon),
        value("Label1", {5040, 6120, 495, 375}, 12.0, &Form1Model::Label1),
        value("Label2", {5640, 6120, 1215, 375}, 12.0, &Form1Model::Label2),
        value("Label3", {6960, 6120, 495, 375}, 12.0, &Form1Model::Label3),
        value("Label4", {7560, 6120, 615, 375}, 12.0, &Form1Model::Label4),

        {"lblSecWkd",
         K::Label,
         {4200, 2640, 1935, 375},
         Small,
         L::WhiteOnBlue,
         "  Sections Worked",
         "The Sections menu, or a right click here, chooses 79 traditional or 85 sections",
         true,
         Binding{.grid = true}},
    };
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
                       true,
                       Binding{.grid = true}});
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
                 true,
                 Binding{.row = r, .grid = true}});
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
