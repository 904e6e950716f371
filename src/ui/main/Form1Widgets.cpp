#include "ui/main/Form1Widgets.h"

#include "ui/main/Form1Design.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vantor::ui {

void paint(QWidget* w, Rgb fore, Rgb back, bool fill) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(fore.r, fore.g, fore.b));
    if (fill)
        p.setColor(QPalette::Window, QColor(back.r, back.g, back.b));
    w->setPalette(p);
    w->setAutoFillBackground(fill);
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

RecentList::RecentList(QWidget* parent) : QTableView(parent) {}

void RecentList::openMenu(const QPoint& global) {
    // The window system may send the Menu key as a menu request of its own as well.
    if (onMenu && !QApplication::activePopupWidget())
        onMenu(global);
}

void RecentList::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    const QRect row = visualRect(currentIndex().isValid() ? currentIndex() : model()->index(0, 0));
    openMenu(viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
}

void RecentList::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    openMenu(event->globalPos());
}

QMenu* makeSortMenu(QWidget* parent, std::function<void(int column)> sortBy) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("mnuSortList");
    const auto& columns = recentColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QString caption = QString("&%1  Sort by %2")
                                    .arg((i + 1) % 10)
                                    .arg(QString::fromLatin1(columns[i].header));
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString("mnuSortBy%1").arg(i + 1));
        QObject::connect(a, &QAction::triggered, menu,
                         [sortBy, column = static_cast<int>(i)] { sortBy(column); });
    }
    return menu;
}

} // namespace vantor::ui
