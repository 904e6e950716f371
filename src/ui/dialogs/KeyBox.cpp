#include "ui/dialogs/KeyBox.h"

#include <QKeyEvent>

namespace vantor::ui {

KeyBox::KeyBox(QWidget* parent) : QLineEdit(parent) {}

std::optional<std::vector<int>> KeyBox::codesOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return std::vector<int>{13};
    case Qt::Key_Backspace:
        return std::vector<int>{8};
    default:
        break;
    }
    const QString text = event.text();
    // Tab, Escape, Delete and the like carry control characters or nothing.
    if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127)
        return std::nullopt;
    std::vector<int> codes;
    for (const QChar ch : text) {
        if (ch.unicode() <= 255)
            codes.push_back(ch.unicode());
    }
    return codes;
}

void KeyBox::keyPressEvent(QKeyEvent* event) {
    const auto codes = codesOf(*event);
    if (!codes || !onKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    for (int code : *codes)
        onKey(code);
}

void KeyBox::render(const TextBoxModel& model) {
    if (model.maxLength > 0 && maxLength() != model.maxLength)
        setMaxLength(model.maxLength);
    const QString text = QString::fromLatin1(model.text.data(), qsizetype(model.text.size()));
    bool changed = !rendered_ || model.caret != shownCaret_ || model.selStart != shownSelStart_ ||
                   model.selLength != shownSelLength_;
    if (text != this->text()) {
        setText(text);
        changed = true;
    }
    if (!changed)
        return;
    if (model.selLength > 0)
        setSelection(model.selStart, model.selLength);
    else
        setCursorPosition(model.caret);
    rendered_ = true;
    shownCaret_ = model.caret;
    shownSelStart_ = model.selStart;
    shownSelLength_ = model.selLength;
}

void KeyBox::readInto(TextBoxModel& model) const {
    model.text = text().toLatin1().toStdString();
    model.caret = cursorPosition();
    if (hasSelectedText()) {
        model.selStart = selectionStart();
        model.selLength = int(selectedText().size());
    } else {
        model.selStart = model.caret;
        model.selLength = 0;
    }
    shownCaret_ = model.caret;
    shownSelStart_ = model.selStart;
    shownSelLength_ = model.selLength;
}

PasteFilter::PasteFilter(Field like, QObject* parent) : QValidator(parent), like_(like) {}

QValidator::State PasteFilter::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptBeforePos = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        char16_t c = input.at(i).unicode();
        if (c >= 'a' && c <= 'z')
            c = char16_t(c - 'a' + 'A');
        if (c > 255 || !fieldKeeps(like_, static_cast<unsigned char>(c)))
            continue;
        kept.append(QChar(c));
        if (i < pos)
            ++keptBeforePos;
    }
    input = kept;
    pos = keptBeforePos;
    return Acceptable;
}

} // namespace vantor::ui
