// The key rules where operators stumble, one row each: keys typed ahead of a duplicate's
// hold, the call plausibility warning, keys outside the fields' characters, edits in
// the middle of a field, the edit dialog's limits and Enter on an empty form.

#include "entry/EditContactLogic.h"
#include "entry/StationDialogLogic.h"
#include "support/LogicHarness.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vantor;
using namespace vantor::test;

namespace {

constexpr int eacute = 0xE9; // a French keyboard's key, Latin-1

const char* nameOf(Field f) {
    switch (f) {
    case Field::txtNum:
        return "num";
    case Field::txtPre:
        return "pre";
    case Field::txtCall:
        return "call";
    case Field::txtCK:
        return "ck";
    case Field::txtSec:
        return "sec";
    case Field::None:
    case Field::Other:
        break;
    }
    return "other";
}

// The five fields and the focus: "num|pre|call|ck|sec @focus".
std::string entry(const LogicHarness& h) {
    return h.fields() + " @" + nameOf(h.model.focus);
}

std::string dialogLine(const LogicHarness& h) {
    return h.model.lblDialog.caption + (h.model.lblDialog.back == colours::Red ? " (red)" : "");
}

void typeCode(LogicHarness& h, int code) {
    h.logic.typeKey(h.model.focus, code);
}

// Selects [start, start + length) of a field; length 0 puts the caret at start.
void select(TextBoxModel& box, int start, int length) {
    box.selStart = start;
    box.selLength = length;
    box.caret = start + length;
}

using EditBox = EditContactLogic::Box;

// The text an edit dialog box keeps when keys are typed into it, emptied first.
std::string editTyped(LogicHarness& h, EditBox box, const std::string& keys) {
    h.type("1aw1aw85ct\n");
    EditContactLogic dialog(h.state, h.port, ShortDateForm{}, 2026);
    dialog.Form_Load(1);
    dialog.box(box).clear();
    for (char ch : keys)
        dialog.typeKey(box, static_cast<unsigned char>(ch));
    return dialog.box(box).text;
}

using StationBox = StationDialogLogic::Box;

std::string stationTyped(LogicHarness& h, StationBox box, const std::string& keys) {
    StationDialogLogic dialog(h.port);
    dialog.Form_Load({"W1AW", "A", "85", "CT", 0, 0, 0});
    for (char ch : keys)
        dialog.typeKey(box, static_cast<unsigned char>(ch));
    return dialog.box(box).text;
}

const std::string DupeK5TR = "Duplicate K5TR STX 11/8/2026 02:00:05 ON 40  Rec#  1";

struct Row {
    const char* name;
    std::function<std::string(LogicHarness&)> run; // from a new contest, clock running
    std::string expected;
};

const Row Rows[] = {
    // Keys that arrive during the three seconds after a duplicate are discarded; the
    // announcement stays up and the first key after the hold starts a clean exchange.
    {"type-ahead after a duplicate, serial first",
     [](LogicHarness& h) {
         h.type("100ak5tr68stx\n");
         h.type("200ak5tr68stx\n"); // caught when the 6 leaves the call field
         std::string seen = dialogLine(h) + " / " + entry(h);
         h.clock.advanceMs(2999);
         h.type("8");
         seen += " / " + entry(h);
         h.clock.advanceMs(1);
         h.type("201bw1aw85ct\n");
         const Contact& c = h.state.ContactLog[h.state.RecCount];
         return seen + " / " + std::to_string(h.state.RecCount) + " " + c.Num + c.Pre + c.Call +
                c.Ck + c.Sec + " / " + entry(h);
     },
     DupeK5TR + " (red) / |||| @num / |||| @num / 2 201BW1AW85CT / |||| @num"},
    {"type-ahead after a duplicate, call first",
     [](LogicHarness& h) {
         h.logic.callopt_Click();
         h.type("k5tr100a68stx\n");
         h.type("k5tr5b68stx\n"); // caught when the 5 leaves the call field
         return dialogLine(h) + " / " + entry(h) + " / " + std::to_string(h.state.RecCount);
     },
     DupeK5TR + " (red) / |||| @call / 1"},

    // The plausibility warning is the beep and the message line, no modal box.
    {"call without a digit in second or third place",
     [](LogicHarness& h) {
         const int beeps = h.port.beeps;
         const std::size_t boxes = h.port.boxes.size();
         h.type("61akwt");
         return std::to_string(h.port.boxes.size() - boxes) + " boxes, " +
                std::to_string(h.port.beeps - beeps) + " beep / " + dialogLine(h) + " / " +
                entry(h);
     },
     "0 boxes, 1 beep / The second or third character is not numeric! / 61|A|KWT|| @call"},

    // A key outside a field's characters is discarded and never moves the focus.
    {"e-acute in the serial number",
     [](LogicHarness& h) {
         h.type("12");
         typeCode(h, eacute);
         h.type("3");
         return entry(h);
     },
     "123|||| @num"},
    {"e-acute in a full precedence",
     [](LogicHarness& h) {
         h.type("1a");
         typeCode(h, eacute);
         return entry(h);
     },
     "1|A||| @pre"},
    {"e-acute in the call",
     [](LogicHarness& h) {
         h.type("1ak9");
         typeCode(h, eacute);
         h.type("ab");
         return entry(h);
     },
     "1|A|K9AB|| @call"},
    {"e-acute in the check",
     [](LogicHarness& h) {
         h.type("1ak9ab85");
         typeCode(h, eacute);
         return entry(h);
     },
     "1|A|K9AB|85| @ck"},
    {"e-acute in the section",
     [](LogicHarness& h) {
         h.type("1ak9ab85c");
         typeCode(h, eacute);
         h.type("t");
         return entry(h);
     },
     "1|A|K9AB|85|CT @sec"},
    {"e-acute in the edit dialog's call",
     [](LogicHarness& h) {
         return editTyped(h, EditBox::txtEditCall,
                          "k9\xe9"
                          "ab");
     },
     "K9AB"},
    {"e-acute in the edit dialog's section",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditSec, "\xe9wi"); }, "WI"},
    {"e-acute in the edit dialog's band",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditBnd, "2\xe9"); }, "2"},
    {"e-acute in the station call",
     [](LogicHarness& h) { return stationTyped(h, StationBox::Text1, "\xe9"); }, "W1AW"},
    {"e-acute in the station section",
     [](LogicHarness& h) { return stationTyped(h, StationBox::Text5, "\xe9"); }, "CT"},

    // Hand-over rules apply with the caret at the end and nothing selected; otherwise a
    // key edits the field in place, still filtered.
    {"digit over a selected digit of the call",
     [](LogicHarness& h) {
         h.type("1aw9xyz");
         select(h.model.txtCall, 1, 1);
         h.type("0");
         return entry(h) + " caret " + std::to_string(h.model.txtCall.caret);
     },
     "1|A|W0XYZ|| @call caret 2"},
    {"digit with the caret inside the call",
     [](LogicHarness& h) {
         h.type("1aw9xyz");
         select(h.model.txtCall, 1, 0);
         h.type("1");
         return entry(h);
     },
     "1|A|W19XYZ|| @call"},
    {"letter with the caret inside the serial number",
     [](LogicHarness& h) {
         h.type("123");
         select(h.model.txtNum, 1, 0);
         h.type("a");
         return entry(h);
     },
     "123|||| @num"},
    {"letter over the selected precedence",
     [](LogicHarness& h) {
         h.type("1a");
         select(h.model.txtPre, 0, 1);
         h.type("b");
         return entry(h);
     },
     "1|B||| @pre"},
    {"letter over the selected check",
     [](LogicHarness& h) {
         h.type("1ak9ab85");
         select(h.model.txtCK, 0, 2);
         h.type("c");
         return entry(h);
     },
     "1|A|K9AB|85| @ck"},

    // Every edit dialog box has the limit and the characters of its entry field.
    {"ten digits in Num Sent",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditNumSent, "2222222222"); }, "22222"},
    {"six digits and a letter in Num Rec",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditNum, "12a3456"); }, "12345"},
    {"two letters in the precedence",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditPre, "xba"); }, "B"},
    {"a letter and three digits in the check",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditCk, "7x123"); }, "71"},
    {"thirteen characters in the call",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditCall, "w1aw/k9 abcdefg"); },
     "W1AW/K9ABCDE"},
    {"five characters in the section",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditSec, "enyx1"); }, "ENYX"},
    {"a long date",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditDate, "11/17/20266"); },
     "11/17/2026"},
    {"a long time", [](LogicHarness& h) { return editTyped(h, EditBox::txtEditTime, "21:00:055"); },
     "21:00:05"},
    {"four digits in the band",
     [](LogicHarness& h) { return editTyped(h, EditBox::txtEditBnd, "1600"); }, "160"},

    // Enter with all five fields empty changes nothing and leaves the message standing.
    {"double Enter after a good contact",
     [](LogicHarness& h) {
         h.type("1aw1aw85ct\n\n");
         return "[" + dialogLine(h) + "] " + entry(h) + " " + std::to_string(h.state.RecCount);
     },
     "[ ] |||| @num 1"},
    {"Enter on an empty form after a duplicate's hold",
     [](LogicHarness& h) {
         h.type("100ak5tr68stx\n200ak5tr ");
         h.clock.advanceMs(3000);
         h.type("\n");
         return h.model.lblDialog.caption + " / " + entry(h);
     },
     DupeK5TR + " / |||| @num"},
    {"Enter on an empty form with the clock stopped",
     [](LogicHarness& h) {
         h.logic.cmdLogOn_Click(); // Time Off
         h.type("\n");
         return std::to_string(h.state.LoggedOn) + " " + h.model.cmdLogOn.caption;
     },
     "0 Log \"Time On\""},
};

} // namespace

TEST(KeyRules, EveryRow) {
    for (const Row& row : Rows) {
        LogicHarness h;
        h.startNewContest();
        h.logic.cmdLogOn_Click(); // the clock runs
        EXPECT_EQ(row.run(h), row.expected) << row.name;
    }
}
