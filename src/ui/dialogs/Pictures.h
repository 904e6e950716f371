#pragma once
// The small pictures of the dialogs, drawn from plain shapes so that they stay sharp
// at any scale.

#include <QRectF>

class QPainter;

namespace vantor::ui {

// Thirteen stripes and a blue canton.
void drawUsaFlag(QPainter& p, const QRectF& r);
// Red, white, red with a red leaf-like diamond in the middle.
void drawCanadaFlag(QPainter& p, const QRectF& r);
// A beam antenna on a mast, with waves going out.
void drawAntenna(QPainter& p, const QRectF& r);

} // namespace vantor::ui
