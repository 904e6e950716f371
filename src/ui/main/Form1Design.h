#pragma once
// The main window as designed on the 9600 x 7200 unit screen: every control's name,
// kind, geometry, font and look, and the menu bar. Data only.

#include "core/SectionTable.h"
#include "entry/Form1Model.h"
#include "ui/dialogs/ScaleToScreen.h"

#include <vector>

namespace vantor::ui {

enum class Look {
    Plain,       // black text on the window's colour
    WhiteOnBlue, // headings and value labels
    Cell,        // a section of the grid: serif text on grey
};

// What a button does when pressed.
enum class Command { None, Clear, Dup, LogOn, List, Edit, Delete };

// What the window binds a control to, typed so that the table says it once.
struct Binding {
    Field field = Field::None;               // the entry field a text box is
    LabelModel Form1Model::*label = nullptr; // the model a label shows
    Command command = Command::None;         // a button's command
    int row = 0;                             // the section row a grid cell shows
    bool grid = false;                       // part of the section grid (heading or cell)
};

struct ControlSpec {
    const char* name;
    Kind kind;
    UnitRect rect;
    double fontPt;
    Look look;
    const char* caption; // static caption; nullptr when the logic's model sets it
    const char* toolTip; // nullptr for none
    bool bold = false;
    Binding bind{};
};

// The design's font size of most captions, in points.
inline constexpr double Small = 8.0;

// Every control but the section grid.
const std::vector<ControlSpec>& form1Controls();
// Of those, the score statistics and the own exchange at the right.
std::vector<ControlSpec> scoreControls();
// The grid of a section list: eleven group headings and one cell per row,
// "Label10_1".."Label10_<rows>", each group in two columns under its heading.
std::vector<ControlSpec> sectionGridControls(const SectionList& list = Sections79);

// The lowest edge of any control, in units; the window's client area must hold it.
inline constexpr double Form1ContentHeight = 6660.0;

// Recent-contacts columns: header and base width in units.
struct ColumnSpec {
    const char* header;
    double baseWidth;
    const char* widest; // a long value of the column; the column is never narrower
};
const std::vector<ColumnSpec>& recentColumns();

} // namespace vantor::ui
