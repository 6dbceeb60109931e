#include "toolkit/radio_group.h"

#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) { }

void RadioGroup::setItems(const QStringList& items)
{
    items_ = items;
    itemIndex_ = -1;
    rebuild();
}

void RadioGroup::setColumns(int columns)
{
    columns_ = qMax(1, columns);
    arrange();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= buttons_.size())
        index = -1;
    itemIndex_ = index;
    for (int i = 0; i < buttons_.size(); ++i) {
        QRadioButton* b = buttons_[i];
        // Exclusivity would forbid unchecking the last checked item.
        b->setAutoExclusive(false);
        b->setChecked(i == index);
        b->setAutoExclusive(true);
    }
}

void RadioGroup::userSelected(int index)
{
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    emit clicked();
}

// The next enabled item in that direction, round the end, is chosen as a
// click chooses it.
void RadioGroup::chooseBeside(int index, int step)
{
    const int count = int(buttons_.size());
    for (int i = (index + step + count) % count; i != index; i = (i + step + count) % count) {
        QRadioButton* b = buttons_[i];
        if (b->isEnabled() && b->isVisible()) {
            b->setFocus(Qt::TabFocusReason);
            b->click();
            return;
        }
    }
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    const int index = int(buttons_.indexOf(qobject_cast<QRadioButton*>(watched)));
    if (event->type() != QEvent::KeyPress || index < 0)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        chooseBeside(index, -1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        chooseBeside(index, 1);
        return true;
    default:
        return false;
    }
}

void RadioGroup::rebuild()
{
    qDeleteAll(buttons_);
    buttons_.clear();
    for (int i = 0; i < items_.size(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        b->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
        connect(b, &QRadioButton::clicked, this, [this, i] { userSelected(i); });
        b->installEventFilter(this);
        buttons_.append(b);
        b->show();
    }
    arrange();
}

// Items fill the columns top to bottom, evenly spread below the caption,
// as the classic radio group lays them out.
void RadioGroup::arrange()
{
    // Measuring loads the font: wait until the group is first polished.
    if (buttons_.isEmpty() || !testAttribute(Qt::WA_WState_Polished))
        return;
    const int perColumn = (int(buttons_.size()) + columns_ - 1) / columns_;
    const int textHeight = fontMetrics().height();
    const int buttonWidth = (width() - 10) / columns_;
    const int free = height() - textHeight - 5;
    const int buttonHeight = qMax(1, free / perColumn);
    const int topMargin = textHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(
            (i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

bool RadioGroup::event(QEvent* event)
{
    const bool handled = QGroupBox::event(event);
    if (event->type() == QEvent::Polish)
        arrange();
    return handled;
}

void RadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrange();
}
