#include "calculators/core/quantity.h"
#include "tests/calculators/error_message.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using loco::Quantity;

struct Operation {
    const char* name;
    std::function<Quantity()> compute;
    std::string error; // empty when the operation succeeds
};

class CheckedArithmetic : public testing::TestWithParam<Operation> {};

TEST_P(CheckedArithmetic, FaultsOnlyWhereAnInfinityOrNaNWouldArise)
{
    EXPECT_EQ(errorMessage([] { GetParam().compute(); }), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Operations, CheckedArithmetic,
    testing::Values(Operation{"NonZeroByZero", [] { return Quantity(1) / 0; }, "Floating point division by zero"},
        Operation{"NegativeByNegativeZero", [] { return Quantity(-1) / -0.0; }, "Floating point division by zero"},
        Operation{"ZeroByZero", [] { return Quantity(0) / 0; }, "Invalid floating point operation"},
        Operation{"ProductOverflow", [] { return Quantity(1e308) * 10; }, "Floating point overflow"},
        Operation{"NegativeProductOverflow", [] { return Quantity(-1e308) * 10; }, "Floating point overflow"},
        Operation{"SumOverflow", [] { return Quantity(1e308) + 1e308; }, "Floating point overflow"},
        Operation{"DifferenceOverflow", [] { return Quantity(-1e308) - 1e308; }, "Floating point overflow"},
        Operation{"QuotientOverflow", [] { return Quantity(1e308) / 0.1; }, "Floating point overflow"},
        Operation{"UnderflowIsNoFault", [] { return Quantity(1e-300) * 1e-300; }, ""},
        Operation{"SubnormalQuotientIsNoFault", [] { return Quantity(1e-308) / 1e10; }, ""},
        Operation{"ZeroByNonZero", [] { return Quantity(0) / 5; }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
