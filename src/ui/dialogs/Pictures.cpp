#include "ui/dialogs/Pictures.h"

#include <QPainter>
#include <QPainterPath>
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

} // namespace vantor::ui
