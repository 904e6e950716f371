#pragma once
// Paints the recent-contacts cells as plain single-line text. A stored contact moves
// every row of the list down, so all the cells are painted again after each one; the
// style's full item painting (icons, check boxes, eliding through a text layout) costs
// several times more per cell and shows nothing more. Each text is laid out once and
// kept: calls, checks and sections are drawn from their laid-out glyphs.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace vantor::ui {

class PlainCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    static constexpr qsizetype KeptTexts = 4096; // a few screens of "All"
    mutable QHash<QString, QStaticText> laidOut_;
    mutable QFont laidOutFont_;
    const QStaticText& laidOut(const QString& text, const QFont& font) const;
};

} // namespace vantor::ui
