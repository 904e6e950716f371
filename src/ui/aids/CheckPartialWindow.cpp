#include "ui/aids/CheckPartialWindow.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vantor::ui {

namespace {
const QColor WorkedColour(0, 0, 255); // as the sections grid draws a worked section

QFont sized(QFont font, double factor) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(8, int(font.pixelSize() * factor)));
    else
        font.setPointSizeF(std::max(6.0, font.pointSizeF() * factor));
    return font;
}
} // namespace

CheckPartialWindow::CheckPartialWindow(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("frmCheckPartial");
    setWindowTitle("Check Partial");
    // The entry fields keep the keyboard: the list is only looked at.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    list_ = new QListWidget(this);
    list_->setObjectName("lstCheckPartial");
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setUniformItemSizes(true);
    // Calls run down, then on in the next column when the window is wide enough.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    status_ = new QLabel(this);
    status_->setObjectName("lblCheckPartialStatus");
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);

    placed_ = new QTimer(this);
    placed_->setSingleShot(true);
    placed_->setInterval(500);
    connect(placed_, &QTimer::timeout, this, [this] {
        if (onPlaced && isVisible())
            onPlaced(geometry());
    });
}

void CheckPartialWindow::showCalls(const aids::CheckPartialShown& shown) {
    if (shown.version == shownVersion_)
        return;
    shownVersion_ = shown.version;
    list_->setUpdatesEnabled(false);
    list_->clear();
    for (const aids::ShownCall& c : shown.calls) {
        auto* item = new QListWidgetItem(
            QString::fromLatin1(c.call.data(), qsizetype(c.call.size())) + (c.worked ? " *" : ""));
        if (c.worked)
            item->setForeground(WorkedColour);
        list_->addItem(item);
    }
    list_->setUpdatesEnabled(true);
    QString status;
    if (!shown.typed.empty()) {
        status = QString::number(shown.calls.size());
        if (shown.total > shown.calls.size())
            status += " of " + QString::number(shown.total);
        status += shown.total == 1 ? " call with " : " calls with ";
        status += QString::fromLatin1(shown.typed.c_str()) + "\n";
    }
    status_->setText(status + QString::fromLatin1(shown.source.c_str()));
}

// The calls in a fixed face at the window's scale, which follows the screen; the
// status smaller, below them.
void CheckPartialWindow::showEvent(QShowEvent* event) {
    QFont mono = QApplication::font();
    mono.setFamily("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    list_->setFont(mono);
    status_->setFont(sized(QApplication::font(), 0.75));
    QWidget::showEvent(event);
}

void CheckPartialWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible())
        placed_->start();
}

void CheckPartialWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible())
        placed_->start();
}

void CheckPartialWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (onClosed)
        onClosed();
}

QRect defaultListPlace(const QRect& rows, int columnsEnd, int minWidth) {
    const int width = std::max(minWidth, rows.right() - columnsEnd - 2);
    const int left = std::max(rows.left(), rows.right() + 1 - width);
    return QRect(left, rows.top(), rows.right() + 1 - left, std::max(60, rows.height()));
}

} // namespace vantor::ui
