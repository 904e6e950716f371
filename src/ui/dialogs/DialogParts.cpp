#include "ui/dialogs/DialogParts.h"

#include <QPainter>

namespace vantor::ui {

QLabel* Design::label(QWidget* parent, const char* name, const QString& caption, UnitRect rect,
                      Qt::Alignment align, double fontPt) {
    auto* l = add(new QLabel(parent), name, Kind::Label, rect, fontPt);
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    l->setAlignment(align);
    return l;
}

Picture::Picture(Painter paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {}

void Picture::paintEvent(QPaintEvent*) {
    if (!paint_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paint_(p, QRectF(rect()));
}

Line::Line(QWidget* parent) : QWidget(parent) {}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int y = height() / 2;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(0, y, width() - 1, y);
}

UnitRect lineRect(double x1, double x2, double y) {
    return {x1, y, x2 - x1, UnitsPerPixel};
}

namespace {

// A window laid out once may be laid out again at another size.
void releaseSize(QWidget* window) {
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

} // namespace

void layOutWindow(QWidget* window, UnitRect design, const Design& controls,
                  const std::set<Kind>& kinds, double raisedBy) {
    releaseSize(window);
    ScaleToScreen(window, design, DialogFontPt, controls.controls(), kinds, raisedBy);
    window->setFixedSize(window->size());
}

void placeUnscaled(QWidget* window, UnitRect design, const Design& controls) {
    releaseSize(window);
    const QSize screen = screenSizeFor(window);
    const double sw = screen.width() * UnitsPerPixel;
    const double sh = screen.height() * UnitsPerPixel;
    const UnitRect placed{(sw - design.width) / 2, (sh - design.height) / 2, design.width,
                          design.height};
    window->setGeometry(toPixels(placed).translated(screenOriginFor(window)));
    setFontPixels(window, DialogFontPt, 1.0);
    scaleControls(controls.controls(), {}, Factors{});
    window->setFixedSize(window->size());
}

} // namespace vantor::ui
