#pragma once

#include <string_view>

namespace loco {

// The login check: exactly one of the accepted spellings, byte for byte.
bool isAcceptedPassword(std::string_view typed);

} // namespace loco
