#pragma once

#include "diagnosis/core/knowledge_set.h"
#include "tutorials/core/maintenance_table.h"
#include "tutorials/core/tuneup_table.h"

#include <QString>

namespace loco {

// The folder of the data files built into the program: the resource root,
// under which they lie as in the source tree (diagnosis/data/..., tutorials/data/...).
inline const QString kBuiltinDataRoot = QStringLiteral(":");

// Reads every data file below root (the six knowledge bases, the maintenance
// and the tune-up table), parses it and runs its checks. Only when all of
// them are sound do they become what the functions below return; otherwise
// this throws loco::Error naming the file, the line and the problem of every
// error found. Warnings do not count: the build shows them to whoever edits
// the data. Called once at start-up, before any window is created.
void loadBuiltinData(const QString& root = kBuiltinDataRoot);

// The loaded data. Nothing is read here: before loadBuiltinData() succeeds
// these throw loco::Error.
const KnowledgeSet& knowledgeBases();
const MaintenanceTable& maintenanceTable();
const TuneupTable& tuneupTable();

} // namespace loco
