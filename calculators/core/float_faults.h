#pragma once

namespace loco {

// Messages of the three floating-point faults, worded as the user has always
// seen them in the error box.
inline constexpr char kDivisionByZeroMessage[] = "Floating point division by zero";
inline constexpr char kInvalidOperationMessage[] = "Invalid floating point operation";
inline constexpr char kOverflowMessage[] = "Floating point overflow";

} // namespace loco
