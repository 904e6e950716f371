#pragma once
// The check partial list's own window: a tool window beside the main window, so that
// none of the main window's controls is hidden or moved to make room for it. It shows
// the calls that contain what has been typed of the call, the exact call first, calls
// already worked drawn apart and marked, and below them where the calls came from.

#include "aids/TypingAids.h"

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QTimer;

namespace vantor::ui {

class CheckPartialWindow : public QWidget {
    Q_OBJECT
public:
    explicit CheckPartialWindow(QWidget* owner);

    void showCalls(const aids::CheckPartialShown& shown);
    QListWidget* list() const { return list_; }
    QLabel* status() const { return status_; }

    // Told, a moment after the operator stopped moving or sizing the window, where it
    // now is.
    std::function<void(const QRect&)> onPlaced;
    // Told when the operator closes the window itself.
    std::function<void()> onClosed;

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QListWidget* list_;
    QLabel* status_;
    QTimer* placed_;
    int shownVersion_ = -1;
};

// Where the window goes before the operator has put it anywhere: over the blank part
// of the recent contacts list right of its columns, at least minWidth wide. `rows` is
// the list's rows area and `columnsEnd` the right edge of its last column, both in
// global coordinates.
QRect defaultListPlace(const QRect& rows, int columnsEnd, int minWidth);

} // namespace vantor::ui
