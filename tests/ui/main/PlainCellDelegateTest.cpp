// The list's cells: each text is drawn where a plain baseline drawing puts it, cut at
// the cell's edge, and laid out again when the list's font changes.

#include "ui/main/PlainCellDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStandardItemModel>

#include <gtest/gtest.h>

using vantor::ui::PlainCellDelegate;

namespace {

constexpr QRect Canvas{0, 0, 200, 60};

QImage blank() {
    QImage image(Canvas.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QStyleOptionViewItem optionFor(const QRect& cell, const QFont& font) {
    QStyleOptionViewItem o;
    o.rect = cell;
    o.font = font;
    o.fontMetrics = QFontMetrics(font);
    o.palette = QApplication::palette();
    o.state = QStyle::State_Enabled | QStyle::State_Active;
    return o;
}

// The text as drawn at the cell's centred baseline, cut at the cell.
QImage expected(const QString& text, const QRect& cell, const QFont& font) {
    QImage image = blank();
    QPainter p(&image);
    p.setFont(font);
    p.setPen(QApplication::palette().color(QPalette::Active, QPalette::Text));
    p.setClipRect(cell);
    const QFontMetrics m(font);
    p.drawText(QPoint(cell.left() + 3, cell.top() + (cell.height() - m.height()) / 2 + m.ascent()),
               text);
    return image;
}

bool inkOutside(const QImage& image, const QRect& cell) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!cell.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

TEST(PlainCell, DrawsEachTextAtItsBaselineAndCutsItAtTheCellEdge) {
    QStandardItemModel model(1, 1);
    const QModelIndex index = model.index(0, 0);
    PlainCellDelegate delegate;
    const QFont small("DejaVu Sans", 9);
    const QFont large("DejaVu Sans", 14);
    const struct {
        const char* text;
        QRect cell;
        const QFont& font;
    } cases[] = {
        {"W1AW", {10, 10, 80, 20}, small},        // fits
        {"KP4/W1AWXYZ", {10, 10, 30, 20}, small}, // wider than its column
        {"CT", {10, 10, 40, 6}, small},           // row lower than the text
        {"W1AW", {10, 10, 80, 30}, large},        // the same text in a new font
        {"KP4/W1AWXYZ", {50, 20, 60, 30}, large}, // cut again in the new font
        {"", {10, 10, 40, 20}, large},            // nothing drawn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        model.setData(index, QString::fromLatin1(c.text));
        QImage image = blank();
        {
            QPainter p(&image);
            delegate.paint(&p, optionFor(c.cell, c.font), index);
        }
        EXPECT_FALSE(inkOutside(image, c.cell));
        EXPECT_EQ(image, expected(QString::fromLatin1(c.text), c.cell, c.font));
    }
}

} // namespace
