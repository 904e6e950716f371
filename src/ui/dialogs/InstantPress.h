#pragma once
// Access keys that act at once. Qt animates the press of a button chosen by its access
// key (Alt+C) or by a message box's letter answer (y, n) for a tenth of a second
// before it acts; keys typed in that time still go to the old focus and are lost when
// the press clears the fields or moves the focus.

class QAbstractButton;
class QMessageBox;

namespace vantor::ui {

// The button's access key clicks it at once.
void pressAtOnce(QAbstractButton* button);
// The box's letter answers, with or without Alt, click their buttons at once.
void answerAtOnce(QMessageBox& box);

} // namespace vantor::ui
