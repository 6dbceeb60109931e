#include "diagnosis/diagnosis_services.h"

namespace loco {

QList<ProcedureCommand> procedureCommands(const ProcedureLinks& links, const ProcedureOpener& procedures, System system,
    std::string_view heading, std::string_view cause)
{
    QList<ProcedureCommand> commands;
    for (const ProcedureLink& link :
        links.forConclusion(kSystemFileNames[static_cast<std::size_t>(system)], heading, cause))
        commands.append({QStringLiteral("Lihat prosedur: ") + procedures.name(link.procedure), link.procedure});
    return commands;
}

} // namespace loco
