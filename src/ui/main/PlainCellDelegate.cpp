#include "ui/main/PlainCellDelegate.h"

#include <QPainter>

namespace vantor::ui {

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    painter->save();
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // Cells are narrow columns of short texts: cut at the edge rather than elided,
    // and drawn at a baseline, which needs no text layout.
    const QFontMetrics& metrics = option.fontMetrics;
    const int baseline =
        option.rect.top() + (option.rect.height() - metrics.height()) / 2 + metrics.ascent();
    painter->setClipRect(option.rect);
    painter->drawText(QPoint(option.rect.left() + 3, baseline),
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace vantor::ui
