#pragma once
// The small pictures of the dialogs, drawn from plain shapes so that they stay sharp
// at any scale.

#include <QIcon>
#include <QRectF>

class QPainter;

namespace vantor::ui {

// Thirteen stripes and a blue canton.
void drawUsaFlag(QPainter& p, const QRectF& r);
// Red, white, red with a red leaf-like diamond in the middle.
void drawCanadaFlag(QPainter& p, const QRectF& r);
// A beam antenna on a mast, with waves going out.
void drawAntenna(QPainter& p, const QRectF& r);
// A log sheet with a pencil across it (correcting an entry).
void drawEditPicture(QPainter& p, const QRectF& r);
// A log sheet struck out with a red cross (removing an entry).
void drawDeletePicture(QPainter& p, const QRectF& r);
// A picture rendered as a button icon of the given size in pixels.
QIcon pictureIcon(void (*draw)(QPainter&, const QRectF&), int pixels);

} // namespace vantor::ui
