#include "toolkit/result_field.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace loco {
namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kTextSideMargin = 2;

// The width in which the field draws its text, as QLineEdit lays it out.
int textAreaWidth(const QLineEdit* field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->contentsRect();
    if (field->hasFrame())
        option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    option.state |= QStyle::State_Sunken;
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kTextSideMargin;
}

} // namespace

void showFieldText(QLineEdit* field, const QString& text)
{
    field->setText(text);
    // setText leaves the cursor at the end, which scrolls a narrow field to
    // the tail of its value.
    field->setCursorPosition(0);
    // One pixel more for the cursor, as QLineEdit counts it.
    const bool fits = field->fontMetrics().horizontalAdvance(text) + 1 <= textAreaWidth(field);
    const QString whole = fits ? QString() : text;
    field->setToolTip(whole);
    field->setAccessibleDescription(whole);
}

} // namespace loco
