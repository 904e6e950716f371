#pragma once
// The main window's own kinds of control: entry boxes whose typed characters go to
// the window logic before anything is inserted, section cells that answer clicks and
// pointing, and the window surface that notices the mouse over its bare background.

#include "entry/Form1Model.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <functional>

namespace vantor::ui {

class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    EntryBox(Field field, QWidget* parent);
    Field field() const { return field_; }

    // A typed character: the code (Latin-1, Enter 13, Backspace 8) goes to the logic.
    std::function<void(Field, int)> onKey;
    // Text changed without a character (paste, cut, Delete, undo).
    std::function<void(Field, const std::string&, int)> onEdited;

    // The key code of a key press, or -1 when the box handles the key itself.
    static int codeOf(const class QKeyEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Field field_;
};

class SectionCell : public QLabel {
    Q_OBJECT
public:
    SectionCell(int row, QWidget* parent);
    std::function<void(int)> onClick;
    std::function<void(int)> onPoint;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int row_;
};

class FormSurface : public QWidget {
    Q_OBJECT
public:
    explicit FormSurface(QWidget* parent);
    std::function<void()> onBackgroundPointed;
    std::function<void()> onResized;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vantor::ui
