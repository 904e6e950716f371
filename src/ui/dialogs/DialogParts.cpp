#include "ui/dialogs/DialogParts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

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

namespace {

// Scales the window for its own screen (a raise) or for a given screen size.
template <typename Where>
void layOutAt(QWidget* window, UnitRect design, const Design& controls, const std::set<Kind>& kinds,
              Where where) {
    releaseSize(window);
    ScaleToScreen(window, design, DialogFontPt, controls.controls(), kinds, where);
    fitCaptions(controls);
    window->setFixedSize(window->size());
}

} // namespace

void layOutWindow(QWidget* window, UnitRect design, const Design& controls,
                  const std::set<Kind>& kinds, double raisedBy) {
    layOutAt(window, design, controls, kinds, raisedBy);
}

void layOutWindow(QWidget* window, UnitRect design, const Design& controls,
                  const std::set<Kind>& kinds, QSize screenPixels) {
    layOutAt(window, design, controls, kinds, screenPixels);
}

QFont designFace() {
    QFont face("DejaVu Sans");
    face.setStretch(QFont::Condensed);
    return face;
}

namespace {

// A caption as shown: "&&" is an ampersand, a single "&" marks the access key.
QString shownText(QString text) {
    text.replace("&&", QString(QChar(1)));
    text.remove('&');
    text.replace(QChar(1), '&');
    return text;
}

} // namespace

bool captionFits(const QWidget* control) {
    const QFontMetrics fm = control->fontMetrics();
    const QStyle* style = control->style();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->wordWrap() || label->text().isEmpty())
            return true;
        const QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        return fm.horizontalAdvance(label->text()) <= room.width() && fm.height() <= room.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(control) != nullptr;
        const QRect room = style->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents,
                                                 &option, button);
        return fm.horizontalAdvance(shownText(button->text())) <= room.width() &&
               fm.height() <= room.height();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return title.right() < frame->width() &&
               title.left() + fm.horizontalAdvance(shownText(frame->title())) <= frame->width();
    }
    return true;
}

void fitCaptions(const Design& controls) {
    for (const DesignedControl& c : controls.controls()) {
        QWidget* w = c.widget;
        if (!w || c.kind == Kind::Picture || c.kind == Kind::Line)
            continue;
        QFont font = w->font();
        const int scaledSize = font.pixelSize();
        if (scaledSize <= 0)
            continue;
        const int smallest = std::max(6, scaledSize * 3 / 4);
        for (int size = scaledSize - 1; size >= smallest && !captionFits(w); --size) {
            font.setPixelSize(size);
            w->setFont(font);
        }
    }
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

namespace vantor::ui {

namespace {

// The width the text of a message box wraps at: half the design screen grown with the
// screen, never more than three quarters of the screen the box is on.
int messageWrapWidth(const QMessageBox& box, double fx) {
    const int screen = box.screen() ? box.screen()->availableGeometry().width() : 640;
    return std::min(static_cast<int>(std::lround(DesignWidth / UnitsPerPixel / 2 * fx)),
                    screen * 3 / 4);
}

} // namespace

void scaleMessageBox(QMessageBox& box) {
    const double fx = applicationScale();
    if (fx <= 1.0)
        return;
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    if (box.icon() != QMessageBox::NoIcon) {
        const QPixmap small = box.iconPixmap();
        if (!small.isNull())
            box.setIconPixmap(
                small.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

bool ScaledMessageBox::event(QEvent* event) {
    const bool handled = QMessageBox::event(event);
    const QEvent::Type type = event->type();
    if (!fitting_ && (type == QEvent::Show || type == QEvent::LayoutRequest ||
                      type == QEvent::FontChange || type == QEvent::StyleChange)) {
        fitting_ = true;
        fitText();
        fitting_ = false;
    }
    return handled;
}

void ScaledMessageBox::fitText() {
    const double fx = applicationScale();
    auto* label = findChild<QLabel*>("qt_msgbox_label");
    if (fx <= 1.0 || !label || !layout())
        return;
    int widest = 0;
    for (const QString& line : text().split('\n'))
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    label->setWordWrap(true);
    label->setMinimumWidth(std::min(widest, messageWrapWidth(*this, fx)));
    layout()->activate();
    const QPoint centre = geometry().center();
    const int width = layout()->totalMinimumSize().width();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                     : layout()->totalMinimumSize().height();
    setFixedSize(width, height);
    QRect placed({0, 0}, QSize(width, height));
    placed.moveCenter(centre);
    if (const QScreen* on = screen()) {
        const QRect room = on->availableGeometry();
        placed.moveLeft(
            std::clamp(placed.left(), room.left(), std::max(room.left(), room.right() - width)));
        placed.moveTop(
            std::clamp(placed.top(), room.top(), std::max(room.top(), room.bottom() - height)));
    }
    move(placed.topLeft());
}

} // namespace vantor::ui
