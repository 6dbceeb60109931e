#pragma once

#include "calculators/core/calculator_form.h"
#include "calculators/core/list_items.h"

#include <array>

namespace loco {

// Stroke count list (ComboBox1): working cycles per crankshaft revolution.
inline constexpr std::array<ListItem, 2> strokeItems{{{"2", 1.0}, {"4", 0.5}}};

// Cylinder count list (ComboBox2).
inline constexpr std::array<ListItem, 3> cylinderItems{{{"8", 8.0}, {"12", 12.0}, {"16", 16.0}}};

// The compute button of the engine power window. Reads edit11, edit12,
// edit13, edit14, ComboBox2, ComboBox1 and edit18 in that order, then writes
// Edit2 (swept volume), Edit5 (torque), Edit6 (power), Edit15 (specific fuel
// consumption), the fill-ins Edit21 and Edit25 (each made visible after its
// text is set), and finally hides Memo2 and shows Memo1. Throws loco::Error
// on a bad entry (before any write) or an arithmetic fault (after the
// results computed so far are written).
void computeEnginePower(CalculatorForm& form, char separator);

} // namespace loco
