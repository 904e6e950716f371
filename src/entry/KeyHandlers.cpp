// The five entry fields' keystroke rules. Each field filters its keys and, when a key
// can only belong to the next field, hands it over so that an exchange can be typed
// without Space or Tab.

#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

#include "core/Numbers.h"

#include <string>

namespace vantor {

namespace {
constexpr int Enter = 13;
constexpr int Space = 32;
constexpr int Quote = 34;

bool isDigit(int k) {
    return k >= '0' && k <= '9';
}
} // namespace

void Form1Logic::Capital(int& k) {
    if (k >= 'a' && k <= 'z')
        k = k - 97 + 65;
}

void Form1Logic::Number(int& k) {
    if (k != 8 && !isDigit(k))
        k = 0;
}

// Hands key k to the target field's handler under hand-over code `code`; the own key
// then counts as a space.
void Form1Logic::handOver(Field target, std::uint8_t code, int& k, bool moveFirst) {
    s_.KeyBuf = std::to_string(k);
    s_.KeyState = code;
    if (moveFirst)
        moveFocus(target);
    dispatchKey(target, k);
    k = Space;
}

void Form1Logic::takeOver(int& k) {
    k = std::stoi(s_.KeyBuf);
}

void Form1Logic::finishTakeOver(TextBoxModel& box, int k) {
    box.setText(k != 0 ? std::string(1, static_cast<char>(k)) : std::string());
    s_.KeyState = 0;
}

// A field hands a key it typed itself on only with the caret at the end of its text and
// nothing selected; elsewhere the key edits the text in place. A key handed to the
// field from another goes on by the rules whatever the field's caret.
bool Form1Logic::handsOn(const TextBoxModel& box) const {
    return s_.KeyState != 0 ||
           (box.selLength == 0 && box.caret >= static_cast<int>(box.text.size()));
}

void Form1Logic::showNextSerial() {
    if (const auto next = nextSerialNumber(s_))
        m_.lblNumCurCon.caption = " " + signBlank(*next);
}

void Form1Logic::txtNum_KeyPress(int& k) {
    EventScope scope(*this);
    if (s_.RecCount > 0)
        showNextSerial();
    m_.lblDialog.back = colours::Message;
    m_.lblDialog.caption = " ";
    m_.lblDupe.back = colours::Grey;
    m_.lblDupe.caption.clear();
    if (s_.LoggedOn == 0) {
        m_.lblDialog.caption = "Click Log \"On Time\"!";
        port_.beep();
    }
    if (k > 57 && s_.KeyState == 0 && handsOn(m_.txtNum))
        handOver(Field::txtPre, 1, k, false);
    if (s_.KeyState == 4)
        takeOver(k);
    if (k == Enter) {
        k = 0;
        Mains();
    } else {
        if (k == Space)
            moveFocus(Field::txtPre);
        Number(k);
    }
    if (s_.KeyState == 4)
        finishTakeOver(m_.txtNum, k);
}

void Form1Logic::txtpre_KeyPress(int& k) {
    EventScope scope(*this);
    const Field next = s_.TabOrder == 2 ? Field::txtCK : Field::txtCall;
    if (m_.txtPre.text.size() == 1 && k > 47 && handsOn(m_.txtPre))
        handOver(next, 2, k, true);
    if (s_.KeyState == 1)
        takeOver(k);
    if (k == Enter) {
        k = 0;
        Mains();
    } else {
        if (k == Space && s_.KeyState == 0) {
            k = 0;
            moveFocus(next);
        }
        Capital(k);
    }
    switch (k) {
    case 'A':
    case 'B':
    case 'Q':
    case 'U':
    case 'M':
    case 'S':
    case 8:
        break;
    default:
        k = 0;
    }
    if (s_.KeyState == 1)
        finishTakeOver(m_.txtPre, k);
}

void Form1Logic::txtCall_KeyPress(int& k) {
    EventScope scope(*this);
    const Field next = s_.TabOrder == 2 ? Field::txtNum : Field::txtCK;
    m_.lblDupe.fontSize = 9.0;
    if (k == Quote)
        k = 0;

    const std::string& text = m_.txtCall.text;
    int digits = 0;
    std::size_t lastDigit = 0; // 1-based position of the last digit
    bool belowZero = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isDigit(c)) {
            ++digits;
            lastDigit = i + 1;
        }
        if (c < 48)
            belowZero = true;
    }
    // A digit after the letters of a call's suffix starts the next field.
    if (text.size() > 2 && digits > 0 && lastDigit != text.size() && !belowZero && isDigit(k) &&
        handsOn(m_.txtCall))
        handOver(next, 4, k, true);

    if (m_.txtCall.text.size() < 3 && s_.LoggedOn == 1)
        m_.lblDialog.caption = " ";
    if (s_.LoggedOn == 0) {
        m_.lblDialog.caption = "Click Log \"Time On\"!";
        port_.beep();
    }
    if (s_.KeyState == 2)
        takeOver(k);
    bool committed = false;
    if (k == Enter) {
        k = 0;
        Mains();
        committed = true;
    }
    if (k == Space && s_.KeyState != 4) {
        k = 0;
        moveFocus(next);
    }
    Capital(k);
    // After Enter the commit's own message stands; the partial-dupe refresh would
    // wipe it.
    if (!committed)
        partdupe(k);
    if (s_.KeyState == 2)
        finishTakeOver(m_.txtCall, k);
}

void Form1Logic::txtCK_KeyPress(int& k) {
    EventScope scope(*this);
    if (k > 57 && handsOn(m_.txtCK))
        handOver(Field::txtSec, 3, k, false);
    if (s_.KeyState == 4 || s_.KeyState == 2)
        takeOver(k);
    if (k == Enter) {
        k = 0;
        Mains();
    } else {
        if (k == Space)
            moveFocus(Field::txtSec);
        Number(k);
    }
    if (s_.KeyState == 4 || s_.KeyState == 2)
        finishTakeOver(m_.txtCK, k);
}

void Form1Logic::txtSec_KeyPress(int& k) {
    EventScope scope(*this);
    if (k == Quote)
        k = 0;
    if (s_.KeyState == 3)
        takeOver(k);
    if (k == Enter) {
        k = 0;
        Mains();
    } else {
        if (k == Space) {
            k = 0;
            moveFocus(firstField());
        }
        Capital(k);
    }
    if (s_.KeyState == 3)
        finishTakeOver(m_.txtSec, k);
}

void Form1Logic::cmdClear_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    emptyEntryFields();
    m_.lblDupe.back = colours::Grey;
    m_.lblDupe.caption.clear();
    m_.lblDialog.caption = " ";
    moveFocus(firstField());
}

void Form1Logic::emptyEntryFields() {
    for (TextBoxModel* box : {&m_.txtNum, &m_.txtPre, &m_.txtCall, &m_.txtCK, &m_.txtSec})
        box->clear();
}

void Form1Logic::applyTabOrder() {
    const bool callFirst = s_.TabOrder == 2;
    m_.txtCall.tabIndex = callFirst ? 1 : 3;
    m_.txtNum.tabIndex = callFirst ? 2 : 1;
    m_.txtPre.tabIndex = callFirst ? 3 : 2;
    m_.txtCK.tabIndex = 4;
    m_.txtSec.tabIndex = 5;
}

void Form1Logic::setTabOrder(std::uint8_t order) {
    if (ended_)
        return;
    EventScope scope(*this);
    s_.TabOrder = order;
    applyTabOrder();
    moveFocus(firstField());
    savepref();
    m_.numoptChecked = order == 1;
    m_.calloptChecked = order == 2;
}

void Form1Logic::numopt_Click() {
    setTabOrder(1);
}
void Form1Logic::callopt_Click() {
    setTabOrder(2);
}

} // namespace vantor
