#include "diagnosis/core/diagnostic.h"

namespace loco {

std::string describe(const Diagnostic& diagnostic)
{
    return diagnostic.file + ":" + std::to_string(diagnostic.line) + ": "
        + (diagnostic.severity == Diagnostic::Severity::Error ? "error: " : "warning: ") + diagnostic.message;
}

} // namespace loco
