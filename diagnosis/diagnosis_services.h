#pragma once

#include "diagnosis/core/knowledge_set.h"
#include "diagnosis/core/procedure_links.h"

#include <QList>
#include <QString>

#include <functional>
#include <string_view>

namespace loco {

// The procedures that links lead to, as their windows show them.
struct ProcedureOpener {
    // The procedure's name as its window shows it.
    std::function<QString(const ProcedureRef&)> name;
    // Shows the procedure in its window, as a user gets there by hand.
    std::function<void(const ProcedureRef&)> open;
};

// What the diagnosis window is handed besides the knowledge; the links
// outlive the window.
struct DiagnosisServices {
    const ProcedureLinks& links;
    ProcedureOpener procedures;
    // Shows the companion window, with its search field focused when asked.
    std::function<void(bool search)> openCompanion;
};

// The commands "Lihat prosedur: …" of a conclusion of a system.
struct ProcedureCommand {
    QString text;
    ProcedureRef procedure;
};
QList<ProcedureCommand> procedureCommands(const ProcedureLinks& links, const ProcedureOpener& procedures, System system,
    std::string_view heading, std::string_view cause);

} // namespace loco
