#pragma once

#include "calculators/core/calculator_form.h"
#include "calculators/core/list_items.h"

#include <array>
#include <string_view>

namespace loco {

// Speed list (ComboBox1): average speed in km/h and the route length S it
// stands for; any other text stands for 0.
inline constexpr std::array<ListItem, 4> speedItems{{{"70", 500.0}, {"80", 650.0}, {"90", 700.0}, {"100", 1000.0}}};

// The compute button of the brake-block lifetime window. Reads Edit1 to
// Edit6, ComboBox1 (as a whole number), Edit7 to Edit9, Edit11 to Edit13 and
// Edit16 to Edit23 in that order; writes Edit24 (force per block) first, then
// Edit40, Edit39, Edit37, Edit36, Edit35, Edit34, Edit33, Edit32 and Edit31,
// the fill-ins Edit14 (days) and Edit15 (hours), shows Edit15 and finally
// hides Panel18. Throws loco::Error as computeEnginePower does.
void computeBrakeBlockLifetime(CalculatorForm& form, char separator);

// Whether changing the minimum thickness (Edit5) calls for the notice that it
// must stay below the block thickness (Edit4): both texts read as numbers and
// the minimum is not below the thickness. Never throws.
bool thicknessNoticeDue(std::string_view minimumThickness, std::string_view thickness, char separator);

} // namespace loco
