#pragma once

#include "tutorials/core/maintenance_table.h"
#include "tutorials/core/tuneup_table.h"

namespace loco {

/// The maintenance-type table embedded in the program, parsed on first use.
/// Throws loco::Error naming the file when the embedded data is broken.
const MaintenanceTable& maintenanceTable();

/// The tune-up tutorial table embedded in the program, parsed on first use.
/// Throws loco::Error naming the file when the embedded data is broken.
const TuneupTable& tuneupTable();

} // namespace loco
