#pragma once

namespace loco {

// A 64-bit floating-point value whose arithmetic never yields an infinity or
// a NaN: each operation throws loco::Error at the step that would, with
// "Floating point division by zero" (non-zero / zero), "Invalid floating
// point operation" (0 / 0) or "Floating point overflow". Underflow and
// rounding are not faults. Every calculator formula is written with it.
class Quantity {
public:
    // Implicit so that constants read naturally in formulas; the value must
    // be finite.
    constexpr Quantity(double value) : value_(value) { }

    constexpr double value() const { return value_; }

    friend Quantity operator+(Quantity a, Quantity b);
    friend Quantity operator-(Quantity a, Quantity b);
    friend Quantity operator*(Quantity a, Quantity b);
    friend Quantity operator/(Quantity a, Quantity b);

private:
    double value_;
};

} // namespace loco
