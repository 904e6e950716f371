#include "entry/StationDialogLogic.h"

#include "core/Numbers.h"
#include "entry/FieldFilters.h"

namespace vantor {

void StationDialogLogic::Form_Load(const StationData& info) {
    Text1.setText(info.MyCall);
    Text3.setText(info.MyPre);
    Text4.setText(info.MyCk);
    Text5.setText(info.MySec);
    Text6.setText(std::to_string(info.UtcHours));
    Option2 = info.ContestMode == ModePhone;
    hidden = false;
}

TextBoxModel& StationDialogLogic::box(Box b) {
    switch (b) {
    case Box::Text1:
        return Text1;
    case Box::Text3:
        return Text3;
    case Box::Text4:
        return Text4;
    case Box::Text5:
        return Text5;
    case Box::Text6:
        break;
    }
    return Text6;
}

Field StationDialogLogic::fieldLike(Box b) {
    // Printable ASCII without the space and the quote: what the preferences file and the
    // Cabrillo header can carry. Precedence and check are not validated beyond that.
    return b == Box::Text6 ? Field::txtNum : Field::txtCall;
}

void StationDialogLogic::Cap3(int& k) {
    if (k != 9 && k >= 'a' && k <= 'z')
        k = k - 'a' + 'A';
}

void StationDialogLogic::numberr(int& k) {
    if (k != 8 && !(k >= '0' && k <= '9'))
        k = 0;
}

void StationDialogLogic::typeKey(Box b, int code) {
    int k = code;
    // A double quote would break the preferences file.
    if (k == '"')
        k = 0;
    if (k == 13) {
        k = 0;
        Command1_Click();
    }
    if (b == Box::Text6) {
        numberr(k);
    } else {
        Cap3(k);
        // Nothing outside printable ASCII, no space: such a character would reach the
        // preferences and the Cabrillo header.
        if (k != 8 &&
            !(k > 0 && k < 256 && fieldKeeps(fieldLike(b), static_cast<unsigned char>(k))))
            k = 0;
    }
    applyKey(box(b), k);
}

std::optional<std::uint8_t> parseUtcHours(const std::string& text) {
    if (text.empty())
        return 0;
    const auto v = parseDecimal(text);
    if (!v || *v < 0 || *v > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*v);
}

void StationDialogLogic::Command1_Click() {
    if (Text1.text.empty()) {
        port_.messageBox("Enter call sign", "You must enter a valid call sign!", Buttons::OkCancel,
                         Icon::None);
        return;
    }
    if (!parseUtcHours(Text6.text)) {
        port_.messageBox("Hours added for UTC",
                         "The hours added for UTC must be a whole number from 0 to 255.",
                         Buttons::Ok, Icon::Warning);
        return;
    }
    hidden = true;
}

StationData StationDialogLogic::result(const StationData& current) const {
    if (!hidden)
        return current;
    StationData d = current;
    d.MyCall = Text1.text;
    d.MyPre = Text3.text;
    d.MyCk = Text4.text;
    d.MySec = Text5.text;
    d.UtcHours = parseUtcHours(Text6.text).value_or(0);
    d.ContestMode = Option2 ? ModePhone : ModeCW;
    return d;
}

} // namespace vantor
