#include "ui/main/Form1Widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vantor::ui {

EntryBox::EntryBox(Field field, QWidget* parent) : QLineEdit(parent), field_(field) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (onEdited)
            onEdited(field_, text.toLatin1().toStdString(), cursorPosition());
    });
}

int EntryBox::codeOf(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    const char16_t c = text.at(0).unicode();
    if (c < 32 || c == 127)
        return -1;
    return c <= 255 ? static_cast<int>(c) : 0; // beyond Latin-1: nothing to store
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    const int code = codeOf(event);
    if (code < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (code > 0 && onKey)
        onKey(field_, code);
}

SectionCell::SectionCell(int row, QWidget* parent) : QLabel(parent), row_(row) {
    setMouseTracking(true);
}

void SectionCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onClick)
        onClick(row_);
}

void SectionCell::mouseMoveEvent(QMouseEvent* /*event*/) {
    if (onPoint)
        onPoint(row_);
}

FormSurface::FormSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void FormSurface::mouseMoveEvent(QMouseEvent* event) {
    // Only the bare background counts, not a control the pointer is over.
    if (!childAt(event->position().toPoint()) && onBackgroundPointed)
        onBackgroundPointed();
}

void FormSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResized)
        onResized();
}

} // namespace vantor::ui
