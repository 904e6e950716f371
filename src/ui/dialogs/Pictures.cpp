#include "ui/dialogs/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>

namespace vantor::ui {

namespace {

const QColor FlagRed(178, 34, 52);
const QColor FlagBlue(60, 59, 110);
const QColor MapleRed(216, 6, 33);

} // namespace

void drawUsaFlag(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.fillRect(r, Qt::white);
    const double stripe = r.height() / 13.0;
    for (int i = 0; i < 13; i += 2)
        p.fillRect(QRectF(r.left(), r.top() + i * stripe, r.width(), stripe), FlagRed);
    p.fillRect(QRectF(r.left(), r.top(), r.width() * 0.4, stripe * 7), FlagBlue);
    p.setPen(QPen(Qt::gray, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void drawCanadaFlag(QPainter& p, const QRectF& r) {
    p.save();
    const double band = r.width() / 4.0;
    p.fillRect(r, Qt::white);
    p.fillRect(QRectF(r.left(), r.top(), band, r.height()), MapleRed);
    p.fillRect(QRectF(r.right() - band, r.top(), band, r.height()), MapleRed);
    const QPointF c = r.center();
    const double w = band * 0.7;
    const double h = r.height() * 0.35;
    const QPolygonF leaf{
        {c.x(), c.y() - h}, {c.x() + w, c.y()}, {c.x(), c.y() + h * 0.6}, {c.x() - w, c.y()}};
    p.setPen(Qt::NoPen);
    p.setBrush(MapleRed);
    p.drawPolygon(leaf);
    p.fillRect(QRectF(c.x() - w * 0.08, c.y(), w * 0.16, h), MapleRed);
    p.setPen(QPen(Qt::gray, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void drawAntenna(QPainter& p, const QRectF& r) {
    p.save();
    const double x = r.left() + r.width() * 0.35;
    const double top = r.top() + r.height() * 0.2;
    const double bottom = r.bottom() - 1;
    QPen pen(QColor(64, 64, 64), std::max(1.0, r.width() / 40.0));
    p.setPen(pen);
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    // Boom and elements of the beam
    const double boomLeft = r.left() + r.width() * 0.1;
    const double boomRight = r.left() + r.width() * 0.6;
    p.drawLine(QPointF(boomLeft, top), QPointF(boomRight, top));
    for (int i = 0; i < 4; ++i) {
        const double ex = boomLeft + (boomRight - boomLeft) * i / 3.0;
        const double half = r.height() * (0.14 - i * 0.02);
        p.drawLine(QPointF(ex, top - half), QPointF(ex, top + half));
    }
    // Waves
    p.setPen(QPen(QColor(0, 0, 160), pen.widthF()));
    for (int i = 1; i <= 3; ++i) {
        const double rad = r.width() * 0.1 * i;
        const QRectF arc(boomRight - rad, top - rad, 2 * rad, 2 * rad);
        p.drawArc(arc, -40 * 16, 80 * 16);
    }
    p.restore();
}

namespace {

// A ruled sheet of paper in the left part of r; returns the sheet's rectangle.
QRectF drawSheet(QPainter& p, const QRectF& r) {
    const QRectF sheet(r.left() + r.width() * 0.12, r.top() + r.height() * 0.08, r.width() * 0.6,
                       r.height() * 0.84);
    p.setPen(QPen(QColor(96, 96, 96), std::max(1.0, r.width() / 32.0)));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0, 0, 128), std::max(1.0, r.width() / 40.0)));
    for (int i = 1; i <= 4; ++i) {
        const double y = sheet.top() + sheet.height() * i / 5.0;
        p.drawLine(QPointF(sheet.left() + sheet.width() * 0.15, y),
                   QPointF(sheet.right() - sheet.width() * 0.15, y));
    }
    return sheet;
}

} // namespace

void drawEditPicture(QPainter& p, const QRectF& r) {
    p.save();
    drawSheet(p, r);
    // The pencil runs from the top right down to its point over the last line.
    const QPointF tip(r.left() + r.width() * 0.42, r.top() + r.height() * 0.78);
    const QPointF end(r.right() - r.width() * 0.06, r.top() + r.height() * 0.14);
    const double w = std::max(2.0, r.width() / 7.0);
    p.setPen(QPen(QColor(230, 170, 20), w, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tip + (end - tip) * 0.2, end);
    p.setPen(QPen(QColor(60, 40, 20), w * 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip, tip + (end - tip) * 0.2);
    p.restore();
}

void drawDeletePicture(QPainter& p, const QRectF& r) {
    p.save();
    const QRectF sheet = drawSheet(p, r);
    p.setPen(QPen(QColor(200, 0, 0), std::max(2.0, r.width() / 8.0), Qt::SolidLine, Qt::RoundCap));
    const QRectF x = sheet.adjusted(sheet.width() * 0.1, sheet.height() * 0.15, r.width() * 0.2,
                                    -sheet.height() * 0.15);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.bottomLeft(), x.topRight());
    p.restore();
}

QIcon pictureIcon(void (*draw)(QPainter&, const QRectF&), int pixels) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QRectF(0, 0, pixels, pixels));
    p.end();
    return QIcon(pixmap);
}

} // namespace vantor::ui
