#pragma once

#include "diagnosis/core/knowledge_set.h"
#include "tutorials/core/maintenance_table.h"
#include "tutorials/core/tuneup_table.h"

#include <QString>

namespace loco {

// The folder of the data files built into the program: the resource root,
// under which they lie as in the source tree (diagnosis/data/..., tutorials/data/...).
inline const QString kBuiltinDataRoot = QStringLiteral(":");

// All the knowledge built into the program. main owns it; the window
// registry hands each window the part it shows.
struct BuiltinData {
    KnowledgeSet knowledge;
    MaintenanceTable maintenance;
    TuneupTable tuneup;
};

// Reads every data file below root (the six knowledge bases, the maintenance
// and the tune-up table), parses it and runs its checks. Returns the data
// only when all of it is sound; otherwise throws loco::Error naming the file,
// the line and the problem of every error found. Warnings do not count: the
// build shows them to whoever edits the data.
BuiltinData loadBuiltinData(const QString& root = kBuiltinDataRoot);

} // namespace loco
