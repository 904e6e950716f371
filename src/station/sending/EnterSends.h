#pragma once
// Enter sends message: what Enter sends, and whether it then goes on to the commit.
//   - an empty form: CQ, nothing else;
//   - a call (3 characters or more) not yet worked and the exchange incomplete: the
//     exchange, and the focus goes to the first field still empty;
//   - a complete exchange: the commit as always, and TU once the contact is stored;
//   - anything else (no call yet, a call already worked): Enter as always, so the
//     commit names what is missing or announces the duplicate.

#include "core/ContestState.h"
#include "entry/Form1Model.h"
#include "station/sending/Macros.h"

#include <string>

namespace vantor {

struct EntryTexts {
    std::string num, pre, call, ck, sec;
};

struct EnterDecision {
    int send = 0;              // the F-key whose message goes out now, 0 for none
    bool commit = false;       // Enter goes on to the commit
    bool thanks = false;       // TU goes out when the commit stored the contact
    Field focus = Field::None; // the field to move to, None to stay

    bool operator==(const EnterDecision&) const = default;
};

// The first empty field in the order of the fields (TabOrder 1 or 2), None if all are
// filled.
Field firstMissing(const EntryTexts& t, int tabOrder);
bool isWorked(const ContestState& state, const std::string& call);
EnterDecision decideEnter(const EntryTexts& t, bool worked, int tabOrder);

// What the window holds now, for the decision and for the macros.
EntryTexts entryTexts(const Form1Model& model);
MacroContext macroContext(const ContestState& state, const Form1Model& model);

} // namespace vantor
