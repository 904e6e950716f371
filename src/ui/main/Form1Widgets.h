#pragma once
// The main window's own kinds of control: section cells that answer clicks and
// pointing, the window surface that notices the mouse over its bare background, and
// the recent-contacts list, whose menu the keyboard opens too.

#include "entry/ControlModels.h"
#include "entry/Form1Model.h"

#include <QLabel>
#include <QTableView>
#include <QWidget>

class QMenu;

#include <functional>

namespace vantor::ui {

// Sets a control's text colour and, when fill, its background.
void paint(QWidget* w, Rgb fore, Rgb back, bool fill);

// The index of an entry field among the five.
inline std::size_t slotOf(Field f) {
    return static_cast<std::size_t>(f) - 1;
}

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

// The list's menu opens with a right click, the Menu key or Shift+F10, at the pointer
// or, from the keyboard, at the current row.
class RecentList : public QTableView {
    Q_OBJECT
public:
    explicit RecentList(QWidget* parent);
    std::function<void(const QPoint& global)> onMenu;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void openMenu(const QPoint& global);
};

// The list's own menu: one sort by each column, chosen by its digit (1 for the first,
// 0 for the tenth).
QMenu* makeSortMenu(QWidget* parent, std::function<void(int column)> sortBy);

} // namespace vantor::ui
