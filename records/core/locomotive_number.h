#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace loco::records {

inline constexpr std::size_t kMaxLocomotiveNumberLength = 32;

// A typed locomotive number made uniform, or the reason it is refused.
struct LocomotiveNumber {
    std::string number; // "CC 201 89 08"; empty when refused
    std::string refusal; // Indonesian, for the label beside the field; empty when accepted

    bool accepted() const { return refusal.empty(); }
};

// Upper case; hyphens, dots and runs of blanks become one blank; a blank
// between letters and digits ("cc201-89-08" -> "CC 201 89 08"). Only ASCII
// letters and digits in groups are accepted, at most 32 characters in all.
LocomotiveNumber normaliseLocomotiveNumber(std::string_view typed);

} // namespace loco::records
