#pragma once

#include "records/core/record.h"
#include "toolkit/report_commands.h"

#include <functional>

namespace loco::records {

class RecordsStore;

// What a tool window offers of the workshop records, beside its print and
// save commands and in the same menus: "Catat ke riwayat…" (Ctrl+R) files
// the report the window describes, of this kind, with a job card
// (fileWithJobCard); "Riwayat perbaikan…" (Ctrl+H) runs showHistory. store
// outlives the window. complete, when given, adds to each draft what only
// the caller knows (the maintenance tasks a procedure stands for).
QList<ReportCommands::Command> recordCommands(RecordsStore& store, RecordKind kind, std::function<void()> showHistory,
    std::function<void(Record& draft)> complete = {});

} // namespace loco::records
