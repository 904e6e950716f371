// A station counts once, on any band: the exact check when the call field is left or
// Enter is pressed, the partial-dupe list while a call is typed, and the hold that
// keeps a duplicate announcement readable.

#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

namespace vantor {

namespace {
constexpr std::size_t PartialListLimit = 125;

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
    for (int i = 1; i <= s_.RecCount; ++i) {
        const Contact& c = s_.ContactLog[i];
        if (c.Call != call)
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
    if (s_.DupeFlag == 1) {
        moveFocus(firstField());
        // The fields are emptied here; leaving the call field must not check again and
        // so end the hold on the next key.
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
    std::string list;
    if (s_.ShowPartials == 1 && listable) {
        std::string typed = current;
        typed += static_cast<char>(k);
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

    // Plausibility of the call once its third character is typed.
    if (current.size() + 1 == 3 && listable) {
        const char second = current[1];
        const char third = static_cast<char>(k);
        if (isDigit(second) || isDigit(third)) {
            m_.lblDialog.caption = " ";
        } else {
            port_.beep();
            port_.messageBox("Valid callsign?", "The second or third character is not numeric!",
                             Buttons::Ok, Icon::None);
            m_.lblDialog.caption = "The second or third character is not numeric!";
        }
    }
}

void Form1Logic::dupehold() {
    port_.holdUntil(s_.DupeAt + 3000);
    s_.DupeFlag = 0;
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
