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
    if (auto* error = std::get_if<ParseError>(&read))
        return {std::nullopt, {{Diagnostic::Severity::Error, std::string(file), error->line, error->problem}}};
    CheckedKnowledge checked{std::move(std::get<KnowledgeBase>(read)), {}};
    checked.diagnostics = findInconsistencies(*checked.base, file);
    return checked;
}

} // namespace loco
