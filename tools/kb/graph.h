#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>

namespace loco::kb {

// Draws the decision tree of a checked base into outputPath, laid out by
// Graphviz; the format follows the file's ending: .svg, .pdf or .png. One
// node a question (a box), one a distinct conclusion (a note showing heading
// and cause) and one a closing text (an octagon); edges are labelled YA and
// TIDAK. Nothing is scaled down, so no text is under 10 pt at 100% zoom.
// Throws loco::Error with one line of text when the output cannot be written.
void drawGraph(const KnowledgeBase& base, const std::string& outputPath);

} // namespace loco::kb
