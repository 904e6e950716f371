#pragma once
// Building blocks the secondary windows share: named controls that remember their
// design geometry, drawn pictures, horizontal rules, and the load-time placement of a
// window (scaled to the screen, or at its design size for the unscaled one).

#include "ui/dialogs/ScaleToScreen.h"

#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include <functional>
#include <set>
#include <vector>

class QMessageBox;
class QPainter;

namespace vantor::ui {

inline constexpr double DialogFontPt = 8.0;

// The design table of one window, filled as its controls are made, in control order.
class Design {
public:
    template <class W>
    W* add(W* widget, const char* name, Kind kind, UnitRect rect, double fontPt = DialogFontPt) {
        widget->setObjectName(QString::fromLatin1(name));
        controls_.push_back({widget, kind, rect, fontPt});
        return widget;
    }
    // A plain-text label (leading spaces kept) with the given alignment.
    QLabel* label(QWidget* parent, const char* name, const QString& caption, UnitRect rect,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                  double fontPt = DialogFontPt);

    const std::vector<DesignedControl>& controls() const { return controls_; }

private:
    std::vector<DesignedControl> controls_;
};

// A picture drawn by a function over the whole control.
class Picture : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;
    Picture(Painter paint, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter paint_;
};

// A one-pixel horizontal rule across the control's width.
class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A line's design geometry from its end points (a horizontal rule, one pixel high).
UnitRect lineRect(double x1, double x2, double y);

// Lays a window out to the screen (ScaleToScreen) and keeps it at that size.
void layOutWindow(QWidget* window, UnitRect design, const Design& controls,
                  const std::set<Kind>& kinds, double raisedBy = 0.0);
// The same as on a screen of the given size, placed at the desktop's top left.
void layOutWindow(QWidget* window, UnitRect design, const Design& controls,
                  const std::set<Kind>& kinds, QSize screenPixels);

// The narrow face the windows' captions were measured in.
QFont designFace();
// Whether the one-line caption of a label, button, option button or frame is shown
// whole on the control at its present font and size (true for any other control).
bool captionFits(const QWidget* control);
// Our fonts run wider than the design's: a caption that would be cut gets a smaller
// font, a pixel at a time, down to three quarters of its scaled size.
void fitCaptions(const Design& controls);
// A message box's icon grows with the screen as its font does (the style gives only
// small pictures).
void scaleMessageBox(QMessageBox& box);
// A message box that grows with the screen: Qt lays its text out within fixed pixel
// limits (wrapped at 500, never wider than 1000), which at a large scale leave a tall
// narrow column; once Qt has laid it out, the text is widened to the scaled width and
// the box fitted and centred again (each time Qt lays it out anew).
class ScaledMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override;

private:
    bool fitting_ = false;
    void fitText();
};
// Places a window that is not scaled: design size and fonts, centred on its screen.
void placeUnscaled(QWidget* window, UnitRect design, const Design& controls);

} // namespace vantor::ui
