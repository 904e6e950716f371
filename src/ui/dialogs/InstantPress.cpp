#include "ui/dialogs/InstantPress.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcutEvent>

namespace vantor::ui {

namespace {

// A button receives shortcut events only for its own access key.
class AccessKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || event->type() != QEvent::Shortcut)
            return false;
        // Two controls with one access key take turns at the focus, as Qt does it.
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

class LetterAnswerFilter : public QObject {
public:
    explicit LetterAnswerFilter(QMessageBox* box) : QObject(box), box_(box) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
            return false;
        for (QAbstractButton* button : box_->buttons()) {
            const QKeySequence shortcut = button->shortcut();
            if (!shortcut.isEmpty() && shortcut[0].key() == key->key() && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return false;
    }

private:
    QMessageBox* box_;
};

} // namespace

void pressAtOnce(QAbstractButton* button) {
    button->installEventFilter(new AccessKeyFilter(button));
}

void answerAtOnce(QMessageBox& box) {
    box.installEventFilter(new LetterAnswerFilter(&box));
    for (QAbstractButton* button : box.buttons())
        pressAtOnce(button);
}

} // namespace vantor::ui
