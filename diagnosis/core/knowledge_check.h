#pragma once

#include "diagnosis/core/diagnostic.h"
#include "diagnosis/core/knowledge_base.h"

#include <optional>
#include <string_view>
#include <vector>

namespace loco {

// One knowledge file read and checked, as the program, the build and the
// knowledge engineer's tool all do it.
struct CheckedKnowledge {
    std::optional<KnowledgeBase> base; // empty when the file is malformed
    std::vector<Diagnostic> diagnostics; // in line order

    bool hasErrors() const;
};

// Parses text (the contents of file) and, when it is well-formed, runs the
// consistency checks on it.
CheckedKnowledge checkKnowledgeFile(std::string_view text, std::string_view file);

} // namespace loco
