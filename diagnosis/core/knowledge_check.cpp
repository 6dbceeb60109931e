#include "diagnosis/core/knowledge_check.h"

#include "diagnosis/core/consistency.h"
#include "diagnosis/core/knowledge_parser.h"

#include <algorithm>

namespace loco {

bool CheckedKnowledge::hasErrors() const
{
    return std::any_of(diagnostics.begin(), diagnostics.end(),
        [](const Diagnostic& d) { return d.severity == Diagnostic::Severity::Error; });
}

CheckedKnowledge checkKnowledgeFile(std::string_view text, std::string_view file)
{
    auto read = readKnowledgeBase(text);
    if (auto* errors = std::get_if<std::vector<ParseError>>(&read)) {
        CheckedKnowledge malformed;
        for (ParseError& error : *errors)
            malformed.diagnostics.push_back(
                {Diagnostic::Severity::Error, std::string(file), error.line, std::move(error.problem)});
        return malformed;
    }
    CheckedKnowledge checked{std::move(std::get<KnowledgeBase>(read)), {}};
    checked.diagnostics = findInconsistencies(*checked.base, file);
    return checked;
}

} // namespace loco
