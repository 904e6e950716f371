#include "ui/main/Form1Widgets.h"

#include <QMouseEvent>

namespace vantor::ui {

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
