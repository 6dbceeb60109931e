#include "tests/support/text_box_lines.h"

#include "toolkit/rich_text_box.h"

#include <QTextBlock>

namespace loco {

double lineFontSize(const RichTextBox& box, int index)
{
    const double size = box.document()->findBlockByNumber(index).charFormat().fontPointSize();
    return size > 0 ? size : box.font().pointSizeF();
}

double lineFirstLineIndent(const RichTextBox& box, int index)
{
    return box.document()->findBlockByNumber(index).blockFormat().textIndent() * 72.0 / box.logicalDpiY();
}

} // namespace loco
