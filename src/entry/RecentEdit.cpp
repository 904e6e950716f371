// Correcting the log from the recent-contacts list: selecting a row offers "Edit
// Contact" and "Delete Contact"; the LogCorrection makes the change and writes it,
// and the operator then goes back to logging, in the first entry field.

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

void Form1Logic::cmdEdit_Click(int selected) {
    if (ended_ || selected < 1 || selected > s_.RecCount)
        return;
    EventScope scope(*this);
    correction_.edit(selected, toCivil(utcNowSeconds()).date.year);
    if (ended_)
        return; // the program was ended while the dialog was open
    listrecent();
    hideEditButtons();
    if (correction_.store(LogCorrection::Change::Edited, selected))
        moveFocus(firstField());
}

void Form1Logic::cmdDelete_Click(int selected) {
    if (ended_ || selected < 1 || selected > s_.RecCount)
        return;
    EventScope scope(*this);
    correction_.remove(selected);
    hideEditButtons();
    if (correction_.store(LogCorrection::Change::Deleted, selected))
        moveFocus(firstField());
}

} // namespace vantor
