#pragma once

#include <stdexcept>
#include <string>

namespace loco {

// The one exception type the core raises. Its message (UTF-8) is exactly what
// the user reads in the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace loco
