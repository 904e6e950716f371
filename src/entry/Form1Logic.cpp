#include "entry/Form1Logic.h"

#include "entry/EventScope.h"
#include "entry/FieldFilters.h"

#include <algorithm>

namespace vantor {

Form1Logic::Form1Logic(ContestState& state, Form1Model& model, const Clock& clock,
                       PlatformPort& port, ShortDateForm dateForm, FileNames files)
    : s_(state), m_(model), clock_(clock), port_(port), dateForm_(dateForm),
      files_(std::move(files)),
      opClock_(s_, m_, clock_, port_, dateForm_, files_.onOff, [this] { savepref(); }),
      reports_(s_, m_, port_, files_),
      correction_(s_, port_, dateForm_, files_.log, [this] { return loadLogFile(false); }) {}

void Form1Logic::setCorrectionObserver(LogCorrection::Observer observer) {
    if (correctionObservers_.empty())
        correction_.setObserver([this](LogCorrection::Change change, int record, const Contact& c) {
            for (const auto& o : correctionObservers_)
                o(change, record, c);
        });
    correctionObservers_.push_back(std::move(observer));
}

Field Form1Logic::firstField() const {
    return s_.TabOrder == 2 ? Field::txtCall : Field::txtNum;
}

void Form1Logic::moveFocus(Field f) {
    m_.focus = f;
}

// Runs the focus handlers for the net change of focus since the last settlement.
// A handler may move the focus again; that change is settled in turn.
void Form1Logic::settleFocus() {
    for (int guard = 0; guard < 8 && !ended_ && m_.focus != settledFocus_; ++guard) {
        const Field from = settledFocus_;
        const Field to = m_.focus;
        settledFocus_ = to;
        const bool skipCheck = skipCallCheck_;
        skipCallCheck_ = false;
        ++depth_;
        if (from == Field::txtCall && !skipCheck)
            txtcall_lostfocus();
        if (to == Field::txtCall)
            txtCall_GotFocus();
        else if (to == Field::txtNum)
            txtnum_gotfocus();
        --depth_;
    }
    skipCallCheck_ = false;
    if (aids_ && !ended_)
        aids_->eventDone();
}

namespace {
// The codes an entry field's rules work on: Backspace, Enter and printable ASCII.
// Anything else (an accented letter, a symbol of another keyboard) no field takes.
bool entryCode(int code) {
    return code == 8 || code == 13 || (code >= 32 && code <= 126);
}
} // namespace

bool Form1Logic::entryEmpty() const {
    return m_.txtNum.text.empty() && m_.txtPre.text.empty() && m_.txtCall.text.empty() &&
           m_.txtCK.text.empty() && m_.txtSec.text.empty();
}

void Form1Logic::typeKey(Field field, int code) {
    if (ended_ || field == Field::None || field == Field::Other)
        return;
    EventScope scope(*this);
    // Discarded without a trace: keys typed during a duplicate's hold, codes no field
    // takes, and Enter on an empty form (the second Enter after a contact), which would
    // only replace the last message by "Invalid Section".
    if (dupehold() || !entryCode(code) || (code == 13 && entryEmpty()))
        return;
    int k = code;
    if (aids_)
        aids_->keyComing(field, k);
    dispatchKey(field, k);
    if (!ended_)
        applyKey(m_.box(field), k);
}

void Form1Logic::dispatchKey(Field field, int& k) {
    switch (field) {
    case Field::txtNum:
        txtNum_KeyPress(k);
        break;
    case Field::txtPre:
        txtpre_KeyPress(k);
        break;
    case Field::txtCall:
        txtCall_KeyPress(k);
        break;
    case Field::txtCK:
        txtCK_KeyPress(k);
        break;
    case Field::txtSec:
        txtSec_KeyPress(k);
        break;
    case Field::None:
    case Field::Other:
        k = 0;
        break;
    }
}

void Form1Logic::userFocus(Field field) {
    if (ended_)
        return;
    EventScope scope(*this);
    moveFocus(field);
}

void Form1Logic::editedText(Field field, const std::string& text, int caret) {
    if (ended_ || field == Field::None || field == Field::Other)
        return;
    // During a duplicate's hold the fields stay as the announcement left them.
    if (dupehold())
        return;
    TextBoxModel& box = m_.box(field);
    std::string kept = filterFieldText(field, text);
    if (box.maxLength > 0 && static_cast<int>(kept.size()) > box.maxLength)
        kept.resize(static_cast<std::size_t>(box.maxLength));
    const bool changed = kept != text;
    box.text = std::move(kept);
    box.caret = changed ? static_cast<int>(box.text.size())
                        : std::clamp(caret, 0, static_cast<int>(box.text.size()));
    box.selStart = box.caret;
    box.selLength = 0;
    if (aids_)
        aids_->eventDone();
}

void Form1Logic::windowShown() {
    if (ended_)
        return;
    EventScope scope(*this);
    moveFocus(Field::txtNum);
}

void Form1Logic::txtcall_lostfocus() {
    dupcheck();
    if (aids_ && s_.DupeFlag == 0)
        aids_->callLeft();
}

void Form1Logic::txtCall_GotFocus() {
    m_.cmdEdit.visible = false;
    m_.cmdDelete.visible = false;
}

void Form1Logic::savepref() {
    if (const IoResult r = writePrefs(files_.prefs, s_); !r) {
        tellFailure(
            port_,
            "The settings and the operating time could not be saved in " + files_.prefs + ".", r);
        return;
    }
    // A folder without the record of its date form keeps the form of this start from
    // the first save on; it is tried once, so a failure is told only once.
    if (dateFormToRecord_) {
        dateFormToRecord_ = false;
        if (const IoResult r = writeDateForm(files_.dateForm, dateForm_); !r)
            tellFailure(port_,
                        "The date form of this contest (" + dateForm_.pattern() +
                            ") could not be kept in " + files_.dateForm + ".",
                        r);
    }
}

// The stored dates are read and written in the form the folder was started with,
// whatever the locale of this start.
void Form1Logic::readDateFormRecord() {
    const DateFormRecord record = readDateForm(files_.dateForm);
    dateFormToRecord_ = record.status == DateFormRecord::Status::Missing;
    if (record.status == DateFormRecord::Status::Read)
        dateForm_ = record.form;
    else if (record.status == DateFormRecord::Status::Damaged)
        m_.lblDialog.caption = files_.dateForm + " cannot be read: dates are read and written as " +
                               dateForm_.pattern() + " until it is corrected.";
}

} // namespace vantor
