// A station counts once, on any band: the exact check when the call field is left or
// Enter is pressed, the partial-dupe list while a call is typed, and the hold that
// keeps a duplicate announcement readable and discards the keys typed ahead of it.

#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

#include <algorithm>
#include <utility>

namespace vantor {

namespace {
constexpr std::size_t PartialListLimit = 125;
constexpr std::int64_t HoldMs = 3000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

void Form1Logic::dupcheck() {
    EventScope scope(*this);
    s_.DupeFlag = 0;
    const std::string& call = m_.txtCall.text;
    if (call.empty())
        return;
    // Found clean when the call field was left, and neither the call nor the log has
    // changed since: Enter need not read the whole log again (on a full log that read
    // is most of the time from Enter to the empty form).
    if (call == cleanCall_ && s_.LogVersion == cleanVersion_ && s_.RecCount == cleanCount_)
        return;
    const std::size_t size = call.size();
    const char first = call.front();
    for (int i = 1; i <= s_.RecCount; ++i) {
        const Contact& c = std::as_const(s_.ContactLog)[i];
        // Most calls differ in length or first letter: those are passed over without a
        // full comparison, which matters at every Enter on a full log.
        if (c.Call.size() != size || c.Call.front() != first || c.Call != call)
            continue;
        m_.lblDialog.caption = "Duplicate " + c.Call + " " + c.Sec + " " + c.Date + " " + c.Time +
                               " ON " + c.Bnd + "  Rec# " + " " + std::to_string(i);
        m_.lblDialog.back = colours::Red;
        m_.lblDupe.back = colours::Grey;
        m_.lblDupe.caption.clear();
        port_.beep();
        s_.DupeFlag = 1;
        s_.DupeAt = clock_.nowMs();
        ++announcements_;
        break;
    }
    if (s_.DupeFlag == 0) {
        cleanCall_ = call;
        cleanVersion_ = s_.LogVersion;
        cleanCount_ = s_.RecCount;
    } else {
        cleanCall_.clear();
    }
    if (s_.DupeFlag == 1) {
        moveFocus(firstField());
        // The fields are emptied here; leaving the call field must not check again and
        // so end the hold at once.
        skipCallCheck_ = true;
        emptyEntryFields();
    }
}

void Form1Logic::partdupe(int k) {
    EventScope scope(*this);
    m_.lblDialog.back = colours::Message;
    m_.lblDupe.back = colours::Grey;
    m_.lblDupe.caption.clear();

    const std::string& current = m_.txtCall.text;
    const bool listable = k > 45 && k < 91;
    // The call as it stands once the field has taken the key, wherever the caret is.
    TextBoxModel after = m_.txtCall;
    applyKey(after, k);
    const std::string& typed = after.text;
    std::string list;
    if (s_.ShowPartials == 1 && listable) {
        for (int i = 1; i <= s_.RecCount; ++i) {
            const std::string& call = s_.ContactLog[i].Call;
            if (call.size() >= typed.size() && call.compare(0, typed.size(), typed) == 0)
                list = call + " " + list; // newest first
            if (list.size() > PartialListLimit)
                break;
        }
        m_.lblDupe.back = list.empty() ? colours::Grey : colours::Message;
        m_.lblDupe.caption = list;
    }

    if (current.size() > 2 && !list.empty())
        m_.lblDialog.caption = "Possible Duplicate!";
    else if (s_.LoggedOn == 1)
        m_.lblDialog.caption = " ";

    // Plausibility of the call once its third character is typed. A warning, not a
    // question: a modal box here would swallow the rest of the exchange.
    if (typed.size() == 3 && current.size() == 2 && listable) {
        if (isDigit(typed[1]) || isDigit(typed[2])) {
            m_.lblDialog.caption = " ";
        } else {
            port_.beep();
            m_.lblDialog.caption = "The second or third character is not numeric!";
        }
    }
}

// The three seconds after a duplicate announcement: the red message stays up and every
// key typed meanwhile (the rest of the duplicate's exchange) is discarded. The hold
// ends with the window's timer (dupeHoldOver) or with the first key typed after it.
bool Form1Logic::dupehold() {
    if (s_.DupeFlag == 0)
        return false;
    if (clock_.nowMs() < s_.DupeAt + HoldMs)
        return true;
    endHold();
    return false;
}

std::int64_t Form1Logic::dupeHoldLeftMs() const {
    return std::clamp<std::int64_t>(s_.DupeAt + HoldMs - clock_.nowMs(), 0, HoldMs);
}

// The timer runs on a steady clock: a wall clock set back during the hold cannot make
// the hold longer than its three seconds.
void Form1Logic::dupeHoldOver() {
    if (ended_ || s_.DupeFlag == 0)
        return;
    EventScope scope(*this);
    endHold();
}

// The announcement stays readable; its red, which says that keys are being discarded,
// goes away.
void Form1Logic::endHold() {
    s_.DupeFlag = 0;
    m_.lblDialog.back = colours::Message;
}

void Form1Logic::cmdDup_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    m_.lblDupe.back = colours::Grey;
    if (s_.ShowPartials == 1) {
        s_.ShowPartials = 0;
        m_.cmdDup.caption = "Off";
    } else {
        s_.ShowPartials = 1;
        m_.cmdDup.caption = "On";
    }
    moveFocus(firstField());
}

} // namespace vantor
