#include "ui/dialogs/ScaleToScreen.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vantor::ui {

Factors screenFactors(QSize screenPixels) {
    return {screenPixels.width() * UnitsPerPixel / DesignWidth,
            screenPixels.height() * UnitsPerPixel / DesignHeight};
}

UnitRect centredWindow(UnitRect design, QSize screenPixels, double raisedBy) {
    const double sw = screenPixels.width() * UnitsPerPixel;
    const double sh = screenPixels.height() * UnitsPerPixel;
    UnitRect r;
    r.width = design.width / DesignWidth * sw;
    r.height = design.height / DesignHeight * sh;
    r.left = (sw - r.width) / 2;
    r.top = (sh - r.height) / 2 - raisedBy;
    return r;
}

UnitRect scaled(UnitRect r, Factors f) {
    return {r.left * f.fx, r.top * f.fy, r.width * f.fx, r.height * f.fy};
}

QRect toPixels(UnitRect r) {
    const auto px = [](double units) {
        return static_cast<int>(std::lround(units / UnitsPerPixel));
    };
    return {px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height))};
}

int fontPixels(double points, double fx) {
    return std::max(1, static_cast<int>(std::lround(points * fx * 96.0 / 72.0)));
}

void setFontPixels(QWidget* widget, double points, double fx) {
    QFont font = widget->font();
    font.setPixelSize(fontPixels(points, fx));
    widget->setFont(font);
}

void scaleControls(const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   Factors f) {
    for (const DesignedControl& c : controls) {
        if (!c.widget)
            continue;
        const bool scaledKind = kinds.count(c.kind) > 0;
        const Factors use = scaledKind ? f : Factors{};
        c.widget->setGeometry(toPixels(scaled(c.rect, use)));
        if (c.kind != Kind::Picture)
            setFontPixels(c.widget, c.fontPt, use.fx);
    }
}

void ScaleToScreen(QWidget* window, UnitRect design, double windowFontPt,
                   const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   QSize screenPixels, double raisedBy) {
    const UnitRect placed = centredWindow(design, screenPixels, raisedBy);
    const Factors f = screenFactors(screenPixels);
    window->setGeometry(toPixels(placed));
    setFontPixels(window, windowFontPt, f.fx);
    scaleControls(controls, kinds, f);
}

void ScaleToScreen(QWidget* window, UnitRect design, double windowFontPt,
                   const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   double raisedBy) {
    ScaleToScreen(window, design, windowFontPt, controls, kinds, screenSizeFor(window), raisedBy);
    const QPoint origin = screenOriginFor(window);
    if (!origin.isNull())
        window->setGeometry(window->geometry().translated(origin));
}

namespace {

const QScreen* screenOf(const QWidget* window) {
    const QScreen* screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

QSize screenSizeFor(const QWidget* window) {
    const QScreen* screen = screenOf(window);
    return screen ? screen->size() : QSize(640, 480);
}

QPoint screenOriginFor(const QWidget* window) {
    const QScreen* screen = screenOf(window);
    return screen ? screen->geometry().topLeft() : QPoint();
}

} // namespace vantor::ui
