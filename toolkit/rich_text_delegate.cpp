#include "toolkit/rich_text_delegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace loco {
namespace {

// The item's document, laid out to the width its text has in the view.
void layOut(QTextDocument& document, const QStyleOptionViewItem& option, const QString& html, int width)
{
    document.setDefaultFont(option.font);
    document.setDocumentMargin(2);
    document.setHtml(html);
    document.setTextWidth(width);
}

int textWidth(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const auto* tree = qobject_cast<const QTreeView*>(option.widget);
    if (!tree)
        return option.rect.width();
    int depth = 0;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        ++depth;
    const int indent = tree->indentation() * (depth + (tree->rootIsDecorated() ? 1 : 0));
    return std::max(1, tree->viewport()->width() - indent);
}

} // namespace

void RichTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString html = index.data(kHtmlRole).toString();
    if (html.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // Background, selection and focus as the view draws them; then the text.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    QTextDocument document;
    layOut(document, item, html, area.width());
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    context.palette.setColor(
        QPalette::Text, item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->save();
    painter->translate(area.topLeft());
    painter->setClipRect(area.translated(-area.topLeft()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize RichTextDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString html = index.data(kHtmlRole).toString();
    if (html.isEmpty())
        return QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QTextDocument document;
    const int width = textWidth(item, index);
    layOut(document, item, html, width);
    return QSize(width, static_cast<int>(std::ceil(document.size().height())));
}

void showRichItems(QTreeView* tree)
{
    tree->setItemDelegate(new RichTextDelegate(tree));
    tree->setHeaderHidden(true);
    tree->setWordWrap(true);
    tree->setUniformRowHeights(false);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree->setIndentation(tree->fontMetrics().averageCharWidth() * 2);
    tree->header()->setStretchLastSection(true);
    // Rows are as high as their text wraps at the view's width.
    QObject::connect(tree->header(), &QHeaderView::sectionResized, tree, [tree] { tree->doItemsLayout(); });
}

} // namespace loco
