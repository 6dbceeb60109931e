#pragma once

#include "diagnosis/core/knowledge_set.h"
#include "diagnosis/core/procedure_links.h"
#include "tutorials/core/maintenance_table.h"
#include "tutorials/core/tuneup_table.h"

#include <QString>

#include <vector>

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
    // From the conclusions to the procedures that treat their parts.
    ProcedureLinks links;
};

// Reads every data file below root (the six knowledge bases, the maintenance
// and the tune-up table, the links between them), parses it and runs its checks. Returns the data
// only when all of it is sound; otherwise throws loco::Error naming the file,
// the line and the problem of every error found. Warnings do not count: the
// build shows them to whoever edits the data.
BuiltinData loadBuiltinData(const QString& root = kBuiltinDataRoot);

// The maintenance and tune-up procedures below root, for checking links
// (the knowledge tool); throws loco::Error as loadBuiltinData does.
std::vector<ProcedureText> loadBuiltinProcedures(const QString& root = kBuiltinDataRoot);

} // namespace loco
