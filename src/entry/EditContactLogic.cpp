#include "entry/EditContactLogic.h"

#include "core/SectionTable.h"
#include "entry/FieldFilters.h"
#include "entry/Form1Model.h"

#include <algorithm>

namespace vantor {

namespace {

using Box = EditContactLogic::Box;

struct FormatMessage {
    const char* title;
    const char* text;
};

constexpr FormatMessage DateMessage{"Invalid Date Format!",
                                    "You have entered an invalid date format!"};
constexpr FormatMessage TimeMessage{"Invalid Time Format!",
                                    "You have entered an invalid time format!"};

// The record's fields in the boxes' order.
std::array<std::string*, EditContactLogic::BoxCount> fieldsOf(Contact& c) {
    std::array<std::string*, EditContactLogic::BoxCount> fields{};
    static_assert(EditContactLogic::BoxCount == Contact::FieldCount);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = &(c.*Contact::Fields[i]);
    return fields;
}

// Each box keeps what its entry field keeps, so that no correction can store what the
// log's reader refuses. The stamp boxes take the program's own date and time forms.
struct BoxRule {
    Field like; // the entry field whose characters the box keeps; Other for the rest
    int length;
};
constexpr std::array<BoxRule, EditContactLogic::BoxCount> Rules{{
    {Field::txtNum, NumLength},   // NumSent
    {Field::txtNum, NumLength},   // Num
    {Field::txtPre, PreLength},   // Pre
    {Field::txtCall, CallLength}, // Call
    {Field::txtCK, CkLength},     // Ck
    {Field::txtSec, SecLength},   // Sec
    {Field::Other, 10},           // Date: "11/17/2026"
    {Field::Other, 8},            // Time: "21:04:33"
    {Field::txtSec, 3},           // Bnd: the longest band code
}};

const BoxRule& ruleOf(Box b) {
    return Rules[static_cast<std::size_t>(b)];
}

} // namespace

EditContactLogic::EditContactLogic(ContestState& state, MessagePort& port, ShortDateForm dateForm,
                                   int referenceYear)
    : s_(state), port_(port), dateForm_(dateForm), referenceYear_(referenceYear) {}

bool EditContactLogic::Form_Load(int editRec) {
    if (editRec < 1 || editRec > s_.RecCount)
        return false;
    EditRec = editRec;
    const auto fields = fieldsOf(s_.ContactLog[editRec]);
    for (std::size_t i = 0; i < BoxCount; ++i) {
        boxes[i].setText(*fields[i]);
        // A longer text from a hand-edited log is shown whole, never cut.
        boxes[i].maxLength = std::max(Rules[i].length, static_cast<int>(fields[i]->size()));
    }
    focus = Box::txtEditNumSent;
    hidden = false;
    Label1.visible = false;
    Label2.visible = false;
    showBandWarning();
    return true;
}

void EditContactLogic::showBandWarning() {
    const std::string& band = box(Box::txtEditBnd).text;
    bandWarning.visible =
        std::none_of(BandCodes.begin(), BandCodes.end(), [&](const char* b) { return band == b; });
}

void EditContactLogic::Cap2(int& k) {
    if (k != 9 && k >= 'a' && k <= 'z')
        k = k - 'a' + 'A';
}

void EditContactLogic::Number(int& k) {
    if (k != 8 && !(k >= '0' && k <= '9'))
        k = 0;
}

// Every rule of a box except Enter.
void EditContactLogic::filterKey(Box b, int& k) const {
    switch (b) {
    case Box::txtEditNumSent:
        Number(k);
        return;
    case Box::cmdDone:
        k = 0;
        return;
    case Box::txtEditDate:
        if (k != 8 && !(k >= '/' && k <= '9'))
            k = 0;
        Cap2(k);
        return;
    case Box::txtEditTime:
        if (k != 8 && !(k >= '0' && k <= ':'))
            k = 0;
        Cap2(k);
        return;
    default:
        if (k == '"')
            k = 0;
        Cap2(k);
        if (k != 8 &&
            !(k > 0 && k < 256 && fieldKeeps(ruleOf(b).like, static_cast<unsigned char>(k))))
            k = 0;
        return;
    }
}

void EditContactLogic::typeKey(Box b, int code) {
    if (hidden || b == Box::cmdDone)
        return;
    int k = code;
    if (k == 13) {
        k = 0;
        cmdDone_Click();
    }
    filterKey(b, k);
    if (!hidden)
        applyKey(box(b), k);
    showBandWarning();
}

void EditContactLogic::editedText(Box b, const std::string& text) {
    if (hidden || b == Box::cmdDone)
        return;
    std::string kept;
    kept.reserve(text.size());
    for (const char ch : text) {
        int k = static_cast<unsigned char>(ch);
        if (k < 32 || k == 127)
            continue;
        filterKey(b, k);
        if (k != 0)
            kept.push_back(static_cast<char>(k));
    }
    TextBoxModel& target = box(b);
    if (target.maxLength > 0 && static_cast<int>(kept.size()) > target.maxLength)
        kept.resize(static_cast<std::size_t>(target.maxLength));
    if (kept == text)
        target.text = std::move(kept);
    else
        target.setText(std::move(kept));
    showBandWarning();
}

bool EditContactLogic::recognised(const std::string& text) const {
    return dateForm_.parse(text, referenceYear_).has_value() || parseTimeOfDay(text).has_value();
}

// On refusal the operator is told and the focus goes back into the box.
bool EditContactLogic::checkDateOrTime(Box b) {
    if (recognised(box(b).text))
        return true;
    const FormatMessage& m = b == Box::txtEditDate ? DateMessage : TimeMessage;
    port_.beep();
    port_.messageBox(m.title, m.text, Buttons::Ok, Icon::None);
    focus = b;
    return false;
}

void EditContactLogic::txtEditDate_LostFocus() {
    checkDateOrTime(Box::txtEditDate);
}

void EditContactLogic::txtEditTime_LostFocus() {
    checkDateOrTime(Box::txtEditTime);
}

void EditContactLogic::userFocus(Box to) {
    if (hidden || to == focus)
        return;
    const Box from = focus;
    focus = to;
    if (from == Box::txtEditDate)
        txtEditDate_LostFocus();
    else if (from == Box::txtEditTime)
        txtEditTime_LostFocus();
}

void EditContactLogic::cmdDone_Click() {
    if (hidden || EditRec < 1 || EditRec > s_.RecCount)
        return;
    if (!checkDateOrTime(Box::txtEditTime) || !checkDateOrTime(Box::txtEditDate))
        return;

    bool duplicate = false;
    if (box(Box::txtEditNumSent).text.empty())
        box(Box::txtEditNumSent).setText("0");
    const std::string& call = box(Box::txtEditCall).text;
    // Every other record with the same call counts: one beep each.
    for (int r = 1; r <= s_.RecCount; ++r) {
        if (r != EditRec && s_.ContactLog[r].Call == call) {
            duplicate = true;
            Label1.visible = true;
            port_.beep();
        }
    }
    const bool knownSection = s_.Sections->lookup(box(Box::txtEditSec).text) != 0;
    if (!knownSection) {
        Label2.visible = true;
        port_.beep();
    }
    if (duplicate || !knownSection)
        return;

    const auto fields = fieldsOf(s_.ContactLog[EditRec]);
    for (std::size_t i = 0; i < BoxCount; ++i)
        *fields[i] = boxes[i].text;
    hidden = true;
}

} // namespace vantor
