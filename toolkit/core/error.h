#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace loco {

// The one exception type the core raises. Its message (UTF-8) is exactly what
// the user reads in the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) { }
};

// A fault in a data file, worded as compilers word theirs so that editors and
// build logs can take the reader to it: "<file>:<line>: <problem>".
inline Error dataError(std::string_view file, std::size_t line, std::string_view problem)
{
    return Error(std::string(file) + ":" + std::to_string(line) + ": " + std::string(problem));
}

} // namespace loco
