#pragma once

#include <cstddef>
#include <string>

namespace loco {

// One finding of the knowledge checks. Errors make a knowledge base unusable;
// warnings point at something the format allows but a knowledge engineer
// should look at.
struct Diagnostic {
    enum class Severity { Warning, Error };

    Severity severity = Severity::Error;
    std::string file;
    std::size_t line = 0; // from 1
    std::string message;

    bool operator==(const Diagnostic&) const = default;
};

// "<file>:<line>: error: <message>" (or "warning:"), as compilers write it.
std::string describe(const Diagnostic& diagnostic);

} // namespace loco
