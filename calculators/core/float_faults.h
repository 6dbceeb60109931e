#pragma once

namespace loco {

// Messages of the three floating-point faults, worded as the user has always
// seen them in the error box.
inline constexpr char divisionByZeroMessage[] = "Floating point division by zero";
inline constexpr char invalidOperationMessage[] = "Invalid floating point operation";
inline constexpr char overflowMessage[] = "Floating point overflow";

} // namespace loco
