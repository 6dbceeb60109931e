#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string_view>

namespace loco {

// Reads one system's knowledge base. The text is UTF-8, one record a line,
// fields separated by one TAB, and every character of a field counts:
//
//   # comment                      (empty lines are skipped too)
//   start    <row>
//   heading  <label> <text>
//   closing  <label> <line 1> [<line 2>]
//   question <row> <text>
//   ya|tidak <row or closing label>                     right after its question
//   ya|tidak <heading label> <cause line> [<type size>]  a conclusion, 12 points unless given
//
// An answer without a line has no outcome. Labels may be used before they are
// defined; labels that name nothing are left for findInconsistencies().
// Throws loco::Error naming sourceName and the line on malformed input.
KnowledgeBase parseKnowledgeBase(std::string_view text, std::string_view sourceName = {});

} // namespace loco
