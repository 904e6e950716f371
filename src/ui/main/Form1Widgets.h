#pragma once
// The main window's own kinds of control: section cells that answer clicks and
// pointing, and the window surface that notices the mouse over its bare background.

#include <QLabel>
#include <QWidget>

#include <functional>

namespace vantor::ui {

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
