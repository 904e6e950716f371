#pragma once
// The edit contact dialog without its window: it shows one record's nine fields,
// keeps each box to the characters and the length of its entry field, checks the date
// and time when the operator leaves those boxes, warns of a band that is none of the
// six, and on "Done" refuses a bad time or date, a call sign logged under another
// record and a section not in the table before it stores the boxes into the record. It
// never touches the log file; the caller rewrites and reloads it.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "entry/ControlModels.h"
#include "entry/PlatformPort.h"

#include <array>
#include <cstddef>
#include <string>

namespace vantor {

// A warning label that appears once and stays up while the dialog is open.
struct WarningLabel {
    std::string caption;
    bool visible = false;
};

class EditContactLogic {
public:
    // The nine boxes in tab order (which is also the order of a log line), then "Done".
    enum class Box {
        txtEditNumSent,
        txtEditNum,
        txtEditPre,
        txtEditCall,
        txtEditCk,
        txtEditSec,
        txtEditDate,
        txtEditTime,
        txtEditBnd,
        cmdDone
    };
    static constexpr std::size_t BoxCount = 9;

    EditContactLogic(ContestState& state, MessagePort& port, ShortDateForm dateForm,
                     int referenceYear);

    int EditRec = 0;
    std::array<TextBoxModel, BoxCount> boxes;
    WarningLabel Label1{" Duplicate!"}; // on the call sign's row
    WarningLabel Label2{"   Invalid!"}; // on the section's row
    // On the band's row while the band is none of the six (it is still stored).
    WarningLabel bandWarning{" Not a band!"};
    Box focus = Box::txtEditNumSent;
    bool hidden = false; // "Done" stored the record

    // Fills the boxes from record editRec (1..RecCount); false for any other number.
    bool Form_Load(int editRec);
    // A character typed into a box: the box's rule, then the box inserts what is left.
    void typeKey(Box box, int code);
    // Text that arrived without typing (paste, drop): kept to what the keys could type.
    void editedText(Box box, const std::string& text);
    // The operator moved the focus. Leaving the date or time box checks it; a focus
    // move made by the dialog itself (back into a refused box) checks nothing, so two
    // invalid boxes never hand the focus back and forth.
    void userFocus(Box to);
    void cmdDone_Click();

    static void Cap2(int& k);
    static void Number(int& k);
    // The date-time recognition test shared by both boxes: the program's own short
    // date, or a time of day "h:mm" / "hh:mm:ss"; never empty text.
    bool recognised(const std::string& text) const;

    TextBoxModel& box(Box b) { return boxes[static_cast<std::size_t>(b)]; }
    const TextBoxModel& box(Box b) const { return boxes[static_cast<std::size_t>(b)]; }

private:
    ContestState& s_;
    MessagePort& port_;
    ShortDateForm dateForm_;
    int referenceYear_;

    void filterKey(Box box, int& k) const;
    void showBandWarning();
    bool checkDateOrTime(Box box);
    void txtEditDate_LostFocus();
    void txtEditTime_LostFocus();
};

} // namespace vantor
