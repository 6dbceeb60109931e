#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace loco {

// A malformed line of a knowledge file: where, and what is wrong with it.
struct ParseError {
    std::size_t line; // from 1
    std::string problem;
};

// Reads one system's knowledge base. The text is UTF-8 (a byte-order mark at
// its start is ignored), one record a line, fields separated by one TAB, and
// every character of a field counts:
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
// Gives every malformed line, in line order (text that is not UTF-8: the
// first fault only); the answers of a question line that cannot be read are
// passed over, since their faults would follow from its fault.
std::variant<KnowledgeBase, std::vector<ParseError>> readKnowledgeBase(std::string_view text);

// readKnowledgeBase() for text that must be well-formed: throws
// loco::Error("<sourceName>:<line>: <problem>") for its first malformed line.
KnowledgeBase parseKnowledgeBase(std::string_view text, std::string_view sourceName = {});

} // namespace loco
