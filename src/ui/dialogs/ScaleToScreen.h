#pragma once
// Screen-proportional layout. Every window is designed in layout units (1/1440 inch,
// 15 to a pixel) for a 9600 x 7200 unit screen (640 x 480 pixels); when it loads it
// stretches itself and its controls to the real screen: horizontal measures by
// fx = screen width / 9600, vertical by fy = screen height / 7200, fonts by fx.
// Each window lists its controls with their design geometry and kind; only the
// kinds the window scales are moved, and pictures keep their fonts.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>
#include <set>
#include <vector>

class QWidget;

namespace vantor::ui {

inline constexpr double DesignWidth = 9600.0;
inline constexpr double DesignHeight = 7200.0;
inline constexpr double UnitsPerPixel = 15.0;

enum class Kind { Label, TextBox, Button, ListView, ListBox, OptionButton, Frame, Picture, Line };

struct UnitRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct Factors {
    double fx = 1.0;
    double fy = 1.0;
};

// One control as designed: geometry in units relative to its parent, font in points.
struct DesignedControl {
    QWidget* widget = nullptr;
    Kind kind = Kind::Label;
    UnitRect rect;
    double fontPt = 8.0;
};

Factors screenFactors(QSize screenPixels);
// The window's own rectangle on the screen for a centred dialog; raisedBy moves it up
// (the splash stands 170 units above centre).
UnitRect centredWindow(UnitRect design, QSize screenPixels, double raisedBy = 0.0);
UnitRect scaled(UnitRect r, Factors f);
QRect toPixels(UnitRect r);
// A control's pixels: its edges are rounded, not its size, so controls that meet in
// units meet in pixels, neither overlapping nor leaving a gap.
QRect toPixelEdges(UnitRect r);
// Font pixel size of a design point size scaled by fx (96 dots per inch).
int fontPixels(double points, double fx);

// Applies the rule to the controls: those of a scaled kind get scaled geometry and,
// unless pictures, scaled fonts; the others keep their design geometry and font.
void scaleControls(const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   Factors f);
void setFontPixels(QWidget* widget, double points, double fx);

// What no window lays out itself follows the screen too: the menus, message boxes and
// tooltips take the system font grown by fx, and the marks of option buttons and check
// boxes and the icons of message boxes grow with it; the marks grow no more than fy
// (when given), so that they fit their buttons on a screen wider than 4:3.
void scaleApplication(double fx, double fy = 0.0);
// The fx last applied to the application (1 before any window was laid out).
double applicationScale();

// The whole rule for a dialog-like window: size and centre it, then its controls.
void ScaleToScreen(QWidget* window, UnitRect design, double windowFontPt,
                   const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   QSize screenPixels, double raisedBy = 0.0);

// The same on the screen the window will show on, read now; the window is placed
// relative to that screen's top left corner.
void ScaleToScreen(QWidget* window, UnitRect design, double windowFontPt,
                   const std::vector<DesignedControl>& controls, const std::set<Kind>& kinds,
                   double raisedBy = 0.0);

// The size of the screen the window will show on.
QSize screenSizeFor(const QWidget* window);
// Its top left corner in the desktop's pixels (not 0, 0 on a second monitor).
QPoint screenOriginFor(const QWidget* window);

} // namespace vantor::ui
