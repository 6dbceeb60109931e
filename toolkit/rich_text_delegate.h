#pragma once

#include <QStyledItemDelegate>

class QTreeView;

namespace loco {

// Paints the items of a list or tree whose text is given as HTML in
// kHtmlRole (marked words, a smaller second line), wrapped to the width of
// the column; items without it are painted as usual. The display text stays
// plain, for assistive technology and the view's keyboard search.
class RichTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kHtmlRole = Qt::UserRole + 100;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Makes a tree show its items as RichTextDelegate paints them, one column
// without a header, rows as high as their wrapped text.
void showRichItems(QTreeView* tree);

} // namespace loco
