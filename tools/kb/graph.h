#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>

namespace loco::kb {

struct GraphRequest {
    std::string format; // svg, pdf or png; pdf with pages
    std::string chain; // a question's label: only its chain; empty: the whole tree
    std::string pages; // a4 or a3: tiled pages (PDF); empty: one drawing
    std::string title; // the system's, printed on the drawing
    std::string edition;
};

// Draws the decision tree of a checked base, laid out by Graphviz, and
// returns the file's bytes. One node a question (a box), one a distinct
// conclusion (a note with its label and cause) and one a closing text (an
// octagon); edges labelled YA and TIDAK; the conclusion headings once each in
// a legend. A chain is the question's own tree up to the other symptoms,
// which are named where the chain leaves. Tiled pages are drawn with Qt from
// Graphviz's layout (needs a QGuiApplication), at a size that keeps every
// text at 8 pt or more; one drawing is Graphviz's own at 100%, its text
// 10 pt or more. Throws loco::Error with one line of text.
std::string drawGraph(const KnowledgeBase& base, const GraphRequest& request);

} // namespace loco::kb
