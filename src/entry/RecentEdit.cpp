// Correcting the log from the recent-contacts list: selecting a row offers "Edit
// Contact" and "Delete Contact"; either change is written as a whole new "log.txt"
// and read back, so every figure is rebuilt from what is on disk.

#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

namespace vantor {

void Form1Logic::ListView1_ItemClick() {
    if (ended_)
        return;
    m_.cmdEdit.visible = true;
    m_.cmdDelete.visible = true;
}

void Form1Logic::ListView1_LostFocus() {
    ListView1_ItemClick();
}

void Form1Logic::hideEditButtons() {
    m_.cmdEdit.visible = false;
    m_.cmdDelete.visible = false;
}

// When the new file cannot be written the old one stands untouched; reading it back
// puts memory in step with it again, so the change is dropped rather than half kept.
// The operator then goes back to logging, in the first entry field.
void Form1Logic::rewriteAndReload() {
    if (const IoResult r = rewriteLog(files_.log, s_); !r)
        tellFailure(port_,
                    "The change was not saved: " + files_.log +
                        " could not be rewritten and still holds the log as it was.",
                    r);
    if (loadLogFile(false))
        moveFocus(firstField());
}

void Form1Logic::cmdEdit_Click(int selected) {
    if (ended_ || selected < 1 || selected > s_.RecCount)
        return;
    EventScope scope(*this);
    port_.runEditDialog(s_, selected, dateForm_, toCivil(utcNowSeconds()).date.year);
    if (ended_)
        return; // the program was ended while the dialog was open
    listrecent();
    hideEditButtons();
    rewriteAndReload();
}

void Form1Logic::cmdDelete_Click(int selected) {
    if (ended_ || selected < 1 || selected > s_.RecCount)
        return;
    EventScope scope(*this);
    // Later records move down one place with their serial numbers unchanged.
    for (int i = selected; i < s_.RecCount; ++i)
        s_.ContactLog[i] = std::move(s_.ContactLog[i + 1]);
    s_.ContactLog[s_.RecCount] = Contact{};
    hideEditButtons();
    s_.RecCount -= 1;
    rewriteAndReload();
}

} // namespace vantor
