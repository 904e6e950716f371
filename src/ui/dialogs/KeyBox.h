#pragma once
// A single-line text box driven by window logic: each typed character goes to a
// handler as a key code before anything is inserted, and the logic's box model is
// shown back. Editing keys (arrows, Delete, Ctrl and Alt shortcuts) stay with the box
// itself; text that arrives without typing (paste, drop) is cleaned by PasteFilter.

#include "entry/ControlModels.h"
#include "entry/FieldFilters.h"

#include <QLineEdit>
#include <QValidator>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;

namespace vantor::ui {

class KeyBox : public QLineEdit {
    Q_OBJECT
public:
    explicit KeyBox(QWidget* parent);

    // Receives each code: Latin-1 character, Enter 13, Backspace 8.
    std::function<void(int)> onKey;

    // The codes a key press types, or nothing when the box handles the key itself.
    // Characters beyond Latin-1 are dropped, so the list may be empty.
    static std::optional<std::vector<int>> codesOf(const QKeyEvent& event);

    // Shows the model's text; its caret and selection only when the logic moved them
    // since the last render or read, so that a render for anything else (the clock's
    // tick) leaves the operator's own.
    void render(const TextBoxModel& model);
    void readInto(TextBoxModel& model) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool rendered_ = false;
    mutable int shownCaret_ = 0; // as last rendered or read
    mutable int shownSelStart_ = 0;
    mutable int shownSelLength_ = 0;
};

// Keeps text that was not typed within what the keystroke rules would allow: letters
// a-z raised, then only what the entry field `like` keeps.
class PasteFilter : public QValidator {
    Q_OBJECT
public:
    PasteFilter(Field like, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    Field like_;
};

} // namespace vantor::ui
