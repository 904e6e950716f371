#pragma once
// The station identification dialog without its window: the boxes' keystroke rules
// (printable ASCII only) and the checks of "Done". The dialog shows StationInfo and
// hands back what the operator leaves in it; the caller stores it.

#include "core/ContestState.h"
#include "entry/ControlModels.h"
#include "entry/Form1Model.h"
#include "entry/PlatformPort.h"

namespace vantor {

class StationDialogLogic {
public:
    enum class Box { Text1, Text3, Text4, Text5, Text6 };

    explicit StationDialogLogic(MessagePort& port) : port_(port) {}

    TextBoxModel Text1;   // call sign
    TextBoxModel Text3;   // precedence
    TextBoxModel Text4;   // check
    TextBoxModel Text5;   // section
    TextBoxModel Text6;   // hours added for UTC
    bool Option2 = false; // "Phone" selected; "CW" otherwise
    bool hidden = false;  // "Done" accepted the entries

    void Form_Load(const StationData& info);
    void typeKey(Box box, int code);
    void Command1_Click();
    // The values to store: the boxes when "Done" accepted them, otherwise current.
    StationData result(const StationData& current) const;

    static void Cap3(int& k);
    static void numberr(int& k);
    // The entry field whose characters a box keeps: the call's, the hours box the digits.
    static Field fieldLike(Box b);

    TextBoxModel& box(Box b);

private:
    MessagePort& port_;
};

// The hours box as a number 0..255 (empty means 0); empty when it is not.
std::optional<std::uint8_t> parseUtcHours(const std::string& text);

} // namespace vantor
