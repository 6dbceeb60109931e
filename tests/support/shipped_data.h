#pragma once

#include "shell/builtin_data.h"

namespace loco {

// The data built into the program, loaded on first use and kept for the
// whole test program, as main keeps it for the whole run.
const BuiltinData& shippedData();

} // namespace loco
