#include "ui/dialogs/ScaleToScreen.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPointer>
#include <QProxyStyle>
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

namespace {

int px(double units) {
    return static_cast<int>(std::lround(units / UnitsPerPixel));
}

} // namespace

QRect toPixels(UnitRect r) {
    return {px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height))};
}

QRect toPixelEdges(UnitRect r) {
    const int left = px(r.left);
    const int top = px(r.top);
    return {left, top, std::max(1, px(r.left + r.width) - left),
            std::max(1, px(r.top + r.height) - top)};
}

int fontPixels(double points, double fx) {
    return std::max(1, static_cast<int>(std::lround(points * fx * 96.0 / 72.0)));
}

void setFontPixels(QWidget* widget, double points, double fx) {
    QFont font = widget->font();
    font.setPixelSize(fontPixels(points, fx));
    widget->setFont(font);
}

namespace {

class ScreenScaledStyle : public QProxyStyle {
public:
    ScreenScaledStyle(double factor, double markFactor)
        : factor_(factor), markFactor_(markFactor) {}
    void setFactors(double factor, double markFactor) {
        factor_ = factor;
        markFactor_ = markFactor;
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        // A mark must fit the height of its button, which grows by the vertical factor.
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return static_cast<int>(std::lround(base * markFactor_));
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_MessageBoxIconSize:
            return static_cast<int>(std::lround(base * factor_));
        default:
            return base;
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        // The room around a menu's caption grows with the screen as the caption does.
        const bool messageButton =
            type == CT_PushButton && widget && qobject_cast<const QMessageBox*>(widget->window());
        if (type == CT_MenuBarItem || type == CT_MenuItem || messageButton) {
            const int padding = std::max(0, size.width() - contents.width());
            size.rwidth() += static_cast<int>(std::lround(padding * (factor_ - 1.0)));
        }
        return size;
    }

private:
    double factor_;
    double markFactor_;
};

} // namespace

namespace {
double applied = 1.0;
} // namespace

double applicationScale() {
    return applied;
}

void scaleApplication(double fx, double fy) {
    if (!qApp || fx <= 0)
        return;
    static const QFont systemFont = QApplication::font();
    static QPointer<ScreenScaledStyle> style;
    static double appliedMarks = 1.0;
    const double marks = fy > 0 ? std::min(fx, fy) : fx;
    if (style && std::abs(fx - applied) < 1e-6 && std::abs(marks - appliedMarks) < 1e-6)
        return;
    applied = fx;
    appliedMarks = marks;
    QFont font = systemFont;
    if (systemFont.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(systemFont.pixelSize() * fx))));
    else
        font.setPointSizeF(systemFont.pointSizeF() * fx);
    if (!style) {
        style = new ScreenScaledStyle(fx, marks);
        QApplication::setStyle(style);
    } else {
        style->setFactors(fx, marks);
    }
    QApplication::setFont(font);
}

void scaleControls(const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   Factors f) {
    for (const DesignedControl& c : controls) {
        if (!c.widget)
            continue;
        const bool scaledKind = kinds.count(c.kind) > 0;
        const Factors use = scaledKind ? f : Factors{};
        c.widget->setGeometry(toPixelEdges(scaled(c.rect, use)));
        if (c.kind != Kind::Picture)
            setFontPixels(c.widget, c.fontPt, use.fx);
    }
}

void ScaleToScreen(QWidget* window, UnitRect design, double windowFontPt,
                   const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   QSize screenPixels, double raisedBy) {
    const UnitRect placed = centredWindow(design, screenPixels, raisedBy);
    const Factors f = screenFactors(screenPixels);
    scaleApplication(f.fx, f.fy);
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
