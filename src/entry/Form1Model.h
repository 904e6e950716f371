#pragma once
// The main window's controls as the logic sees them.

#include "core/SectionTable.h"
#include "entry/ControlModels.h"

#include <array>

namespace vantor {

enum class Field { None, txtNum, txtPre, txtCall, txtCK, txtSec, Other };

inline constexpr std::array<const char*, 6> BandCodes = {"160", "80", "40", "20", "15", "10"};

// The entry fields' length limits; the edit dialog's boxes have the same.
inline constexpr int NumLength = 5;
inline constexpr int PreLength = 1;
inline constexpr int CallLength = 12;
inline constexpr int CkLength = 2;
inline constexpr int SecLength = 4;

struct Form1Model {
    Form1Model();

    // Entry fields
    TextBoxModel txtNum, txtPre, txtCall, txtCK, txtSec;
    Field focus = Field::None;

    // Messages and duplicates
    LabelModel lblDialog;
    LabelModel lblDupe;
    ButtonModel cmdDup;

    // Scoreboard
    LabelModel lblTotCon, lblTotSec, lblsectogo, lblTotScore, lblAQSO20, lblAQSO60;
    LabelModel lblNumCurCon;
    LabelModel Label1, Label2, Label3, Label4;          // own precedence, call, check, section
    std::array<LabelModel, MaxSectionRows + 1> Label10; // section cells, rows 1..85

    // Operating time and clocks
    ButtonModel cmdLogOn;
    LabelModel lblCurTime, Label16, lblutctime, lbltimeon, lblttrack, Label30;
    LabelModel lbltimeleft; // operating time left of the 24 hours allowed

    // Recent-contacts list buttons and list refresh count
    ButtonModel cmdEdit, cmdDelete, cmdList;
    int listVersion = 0;
    // The last refresh only put the contact just stored on top: a window that showed the
    // refresh before may add that one row instead of rebuilding the list.
    bool listGrewByOne = false;

    // Menus
    bool numoptChecked = false;
    bool calloptChecked = false;
    std::array<bool, 6> bandChecked{}; // in BandCodes order

    TextBoxModel& box(Field f);
    const TextBoxModel& box(Field f) const;
};

} // namespace vantor
