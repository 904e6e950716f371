#include "ui/main/PlainCellDelegate.h"

#include <QPainter>

namespace vantor::ui {

const QStaticText& PlainCellDelegate::laidOut(const QString& text, const QFont& font) const {
    if (font != laidOutFont_ || laidOut_.size() >= KeptTexts) {
        laidOut_.clear();
        laidOutFont_ = font;
    }
    auto it = laidOut_.find(text);
    if (it == laidOut_.end()) {
        QStaticText t(text);
        t.setTextFormat(Qt::PlainText);
        t.prepare(QTransform(), font);
        it = laidOut_.insert(text, t);
    }
    return *it;
}

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
    // Cells are narrow columns of short texts: cut at the edge rather than elided, and
    // placed by the line's top above a centred baseline.
    const QFontMetrics& metrics = option.fontMetrics;
    const int top = option.rect.top() + (option.rect.height() - metrics.height()) / 2;
    const QStaticText& text = laidOut(index.data(Qt::DisplayRole).toString(), option.font);
    if (text.size().width() + 3 > option.rect.width() || metrics.height() > option.rect.height())
        painter->setClipRect(option.rect);
    painter->drawStaticText(QPoint(option.rect.left() + 3, top), text);
    painter->restore();
}

} // namespace vantor::ui
