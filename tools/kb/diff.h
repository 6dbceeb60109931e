#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>
#include <vector>

namespace loco::kb {

// How the endings of after differ from those of before, one line each in a
// fixed form. An ending is known by the question and answer that give it
// ("F6 YA"), so inserting a question adds one ending and changes no other:
//   added F14 YA → FH1
//   removed F3 YA → FH1
//   changed F3 YA: FH1 → FN1             (or FH1 [old cause] → FH1 [new cause])
//   path F6 YA: F1 TIDAK, … → F1 YA, …    only the shortest way there changed,
//                                         apart from questions added or removed
//   changed FH1: [old text] → [new text]  a heading's or closing's own text
// Both bases must have passed the checks without errors.
std::vector<std::string> diffEndings(const KnowledgeBase& before, const KnowledgeBase& after);

} // namespace loco::kb
