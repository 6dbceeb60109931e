#include "toolkit/reading_order.h"

#include "toolkit/radio_group.h"

#include <QRadioButton>

#include <algorithm>
#include <limits>
#include <map>

namespace loco {
namespace {

bool takesTabFocus(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

// The controls and containers to order, with their place in root's coordinates.
// Inside a control (a list's edit, a box's scroll bars) and inside a radio
// group nothing is ordered: they order themselves.
struct Element {
    QWidget* widget;
    QRect rect;
    bool container;
};

void collect(QWidget* parent, QWidget* root, QList<Element>& elements)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        const QRect rect(w->mapTo(root, QPoint(0, 0)), w->size());
        if (takesTabFocus(w)) {
            elements.push_back({w, rect, false});
        } else if (qobject_cast<RadioGroup*>(w)) {
            elements.push_back({w, rect, true});
        } else if (!w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty()) {
            elements.push_back({w, rect, true});
            collect(w, root, elements);
        }
    }
}

qint64 area(const QRect& r)
{
    return qint64(r.width()) * r.height();
}

// The smallest container that holds the element on screen; on a tie, the
// one that holds it in the widget tree too.
const Element* visualContainer(const Element& element, const QList<Element>& elements)
{
    const Element* best = nullptr;
    for (const Element& c : elements) {
        if (!c.container || c.widget == element.widget || element.widget->isAncestorOf(c.widget)
            || !c.rect.contains(element.rect))
            continue;
        const bool tie = area(c.rect) == area(element.rect);
        if (tie && !c.widget->isAncestorOf(element.widget))
            continue;
        if (!best || area(c.rect) < area(best->rect)
            || (area(c.rect) == area(best->rect) && best->widget->isAncestorOf(c.widget)))
            best = &c;
    }
    return best;
}

// Controls a few pixels into each other still read as apart.
constexpr int kOverlapTolerance = 3;

// Splits elements into runs along one axis wherever a line between them
// crosses none of them: bands from top to bottom, or columns from left to right.
QList<QList<const Element*>> split(QList<const Element*> elements, Qt::Orientation across)
{
    const auto start = [across](const Element* e) { return across == Qt::Horizontal ? e->rect.top() : e->rect.left(); };
    const auto end
        = [across](const Element* e) { return across == Qt::Horizontal ? e->rect.bottom() : e->rect.right(); };
    std::stable_sort(
        elements.begin(), elements.end(), [&](const Element* a, const Element* b) { return start(a) < start(b); });
    QList<QList<const Element*>> runs;
    int runEnd = 0;
    for (const Element* e : elements) {
        if (runs.isEmpty() || start(e) + kOverlapTolerance > runEnd) {
            runs.append(QList<const Element*>());
            runEnd = end(e) - kOverlapTolerance;
        }
        runs.last().append(e);
        runEnd = std::max(runEnd, end(e) - kOverlapTolerance);
    }
    return runs;
}

// The widest empty stretch between two neighbouring runs.
int widestGap(const QList<QList<const Element*>>& runs, Qt::Orientation across)
{
    int widest = -1;
    for (int i = 1; i < runs.size(); ++i) {
        int end = std::numeric_limits<int>::min();
        for (const Element* e : runs[i - 1])
            end = std::max(end, across == Qt::Horizontal ? e->rect.bottom() : e->rect.right());
        int start = std::numeric_limits<int>::max();
        for (const Element* e : runs[i])
            start = std::min(start, across == Qt::Horizontal ? e->rect.top() : e->rect.left());
        widest = std::max(widest, start - end);
    }
    return widest;
}

// Cut where the widest empty stretch runs: bands from top to bottom where
// rows lie far apart, columns from the left where columns do (a menu of two
// columns reads column by column), each part again the same way; what
// cannot be cut is read by its top-left.
QList<const Element*> readingOrder(const QList<const Element*>& elements)
{
    if (elements.size() <= 1)
        return elements;
    const QList<QList<const Element*>> bands = split(elements, Qt::Horizontal);
    const QList<QList<const Element*>> columns = split(elements, Qt::Vertical);
    const bool byColumns = columns.size() > 1
        && (bands.size() == 1 || widestGap(columns, Qt::Vertical) > widestGap(bands, Qt::Horizontal));
    const QList<QList<const Element*>>& runs = byColumns ? columns : bands;
    if (runs.size() > 1) {
        QList<const Element*> ordered;
        for (const QList<const Element*>& run : runs)
            ordered << readingOrder(run);
        return ordered;
    }
    QList<const Element*> ordered = elements;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Element* a, const Element* b) {
        return std::pair(a->rect.top(), a->rect.left()) < std::pair(b->rect.top(), b->rect.left());
    });
    return ordered;
}

class ChainBuilder {
public:
    explicit ChainBuilder(const QList<Element>& elements)
    {
        for (const Element& e : elements)
            members_[visualContainer(e, elements)].push_back(&e);
    }

    QList<QWidget*> chain()
    {
        QList<QWidget*> result;
        read(nullptr, result);
        return result;
    }

private:
    void read(const Element* container, QList<QWidget*>& result)
    {
        if (container && qobject_cast<RadioGroup*>(container->widget)) {
            const RadioGroup* group = static_cast<RadioGroup*>(container->widget);
            for (int i = 0; i < group->items().size(); ++i)
                result << group->button(i);
        }
        for (const Element* e : readingOrder(members_[container])) {
            if (e->container)
                read(e, result);
            else
                result << e->widget;
        }
    }

    std::map<const Element*, QList<const Element*>> members_;
};

} // namespace

void applyReadingOrder(QWidget* root)
{
    QList<Element> elements;
    collect(root, root, elements);
    const QList<QWidget*> chain = ChainBuilder(elements).chain();
    // The root stands in for the window, which cannot be named in a tab
    // order: the chain then starts where the window's own controls start.
    const Qt::FocusPolicy policy = root->focusPolicy();
    root->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = root;
    for (QWidget* w : chain) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    root->setFocusPolicy(policy);
}

} // namespace loco
