#pragma once
// Paints the recent-contacts cells as plain single-line text. The list is refilled
// after every contact; the style's full item painting (icons, check boxes, eliding
// through a text layout) costs several times more per cell and shows nothing more.

#include <QStyledItemDelegate>

namespace vantor::ui {

class PlainCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace vantor::ui
