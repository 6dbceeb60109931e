#include "records/record_commands.h"

#include "records/filing.h"
#include "toolkit/form_window.h"

namespace loco::records {

QList<ReportCommands::Command> recordCommands(RecordsStore& store, RecordKind kind, std::function<void()> showHistory,
    std::function<void(Record& draft)> complete)
{
    return {
        {QStringLiteral("Catat ke riwayat…"), QKeySequence(Qt::CTRL | Qt::Key_R),
            [&store, kind, complete = std::move(complete)](
                FormWindow* window, const ReportCommands::Describe& describe) {
                Record draft = recordOf(describe(), kind, window->objectName());
                if (complete)
                    complete(draft);
                fileWithJobCard(window, store, {draft});
            }},
        {QStringLiteral("Riwayat perbaikan…"), QKeySequence(Qt::CTRL | Qt::Key_H),
            [showHistory = std::move(showHistory)](FormWindow*, const ReportCommands::Describe&) { showHistory(); }},
    };
}

} // namespace loco::records
