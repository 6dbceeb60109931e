#pragma once

class RichTextBox;

namespace loco {

// What a line of the box was written with, read from its document, in
// points: the type size (the box's own where the line sets none) and the
// first-line indent.
double lineFontSize(const RichTextBox& box, int index);
double lineFirstLineIndent(const RichTextBox& box, int index);

} // namespace loco
