#include "station/sending/EnterSends.h"

#include "station/sending/Messages.h"

#include <array>
#include <utility>

namespace vantor {

namespace {
// A call needs three characters, as the commit's completeness check has it.
constexpr std::size_t CallMinimum = 3;
} // namespace

Field firstMissing(const EntryTexts& t, int tabOrder) {
    const std::array<std::pair<Field, bool>, 5> byNumber = {{
        {Field::txtNum, t.num.empty()},
        {Field::txtPre, t.pre.empty()},
        {Field::txtCall, t.call.size() < CallMinimum},
        {Field::txtCK, t.ck.empty()},
        {Field::txtSec, t.sec.empty()},
    }};
    // Call first: call, serial number, precedence, check, section.
    static constexpr std::array<int, 5> callFirst = {2, 0, 1, 3, 4};
    for (int i = 0; i < 5; ++i) {
        const auto& [field, missing] = byNumber[tabOrder == 2 ? callFirst[i] : i];
        if (missing)
            return field;
    }
    return Field::None;
}

bool isWorked(const ContestState& state, const std::string& call) {
    for (int i = 1; i <= state.RecCount; ++i) {
        if (state.ContactLog[i].Call == call)
            return true;
    }
    return false;
}

EnterDecision decideEnter(const EntryTexts& t, bool worked, int tabOrder) {
    if (t.num.empty() && t.pre.empty() && t.call.empty() && t.ck.empty() && t.sec.empty())
        return {CqKey, false, false, Field::None};
    if (t.call.size() < CallMinimum || worked)
        return {0, true, false, Field::None};
    const Field missing = firstMissing(t, tabOrder);
    if (missing != Field::None)
        return {ExchangeKey, false, false, missing};
    return {0, true, true, Field::None};
}

EntryTexts entryTexts(const Form1Model& m) {
    return {m.txtNum.text, m.txtPre.text, m.txtCall.text, m.txtCK.text, m.txtSec.text};
}

MacroContext macroContext(const ContestState& state, const Form1Model& m) {
    const StationData& me = state.StationInfo;
    MacroContext c{me.MyCall,      me.MyPre,      me.MyCk,       me.MySec,     std::nullopt,
                   m.txtCall.text, m.txtNum.text, m.txtPre.text, m.txtCK.text, m.txtSec.text};
    if (const auto next = nextSerialNumber(state))
        c.serial = *next;
    return c;
}

} // namespace vantor
