#include "calculators/core/quantity.h"

#include "calculators/core/float_faults.h"
#include "toolkit/core/error.h"

#include <cmath>

namespace loco {
namespace {

// Operands are always finite, so a NaN result is an invalid operation and an
// infinite one an overflow.
Quantity checked(double result)
{
    if (std::isnan(result))
        throw Error(kInvalidOperationMessage);
    if (std::isinf(result))
        throw Error(kOverflowMessage);
    return result;
}

} // namespace

Quantity operator+(Quantity a, Quantity b)
{
    return checked(a.value_ + b.value_);
}

Quantity operator-(Quantity a, Quantity b)
{
    return checked(a.value_ - b.value_);
}

Quantity operator*(Quantity a, Quantity b)
{
    return checked(a.value_ * b.value_);
}

Quantity operator/(Quantity a, Quantity b)
{
    if (b.value_ == 0)
        throw Error(a.value_ == 0 ? kInvalidOperationMessage : kDivisionByZeroMessage);
    return checked(a.value_ / b.value_);
}

} // namespace loco
