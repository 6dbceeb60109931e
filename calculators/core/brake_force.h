#pragma once

#include "calculators/core/calculator_form.h"

#include <string_view>

namespace loco {

// Verdict on the braking percentage of the full car: "memuaskan" strictly
// between 50 and 80, "kurang memuaskan" otherwise.
std::string_view fullCarVerdict(double percentage);

// Verdict on the braking percentage of the empty car: "memuaskan" above 50
// up to and including 100, "kurang memuaskan" otherwise.
std::string_view emptyCarVerdict(double percentage);

// The compute button of the brake-force window. Reads Edit14 to Edit21,
// Edit23 and Edit24 in that order, then writes Edit14jwb (rigging ratio),
// Edit15jwb (cylinder force), Edit16jwb (block force); Edit19jwb and the
// fill-in Edit6 (full-car percentage), Edit8 (its verdict), shows Edit6 and
// Edit8; Edit20jwb and Edit5 (empty-car percentage), Edit7 (its verdict),
// shows Edit5 and Edit7; finally shows RichEdit1 and hides Memo2. Throws
// loco::Error as computeEnginePower does.
void computeBrakeForce(CalculatorForm& form, char separator);

} // namespace loco
