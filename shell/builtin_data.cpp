#include "shell/builtin_data.h"

#include "diagnosis/core/knowledge_check.h"
#include "diagnosis/core/knowledge_edition.h"
#include "toolkit/core/error.h"

#include <QFile>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace loco {
namespace {

const std::string kLinksFile = "diagnosis/data/procedure.links";

// Reads the files below one root, naming each by its path from the root as
// the messages show it, and collects every problem found on the way.
class DataReader {
public:
    explicit DataReader(const QString& root) : root_(root) { }

    std::optional<SourceText> read(const std::string& name)
    {
        QFile file(root_ + QLatin1Char('/') + QString::fromStdString(name));
        if (!file.open(QIODevice::ReadOnly)) {
            problems_.push_back(name + ": cannot be read: " + file.errorString().toStdString());
            return std::nullopt;
        }
        return SourceText{name, file.readAll().toStdString()};
    }

    std::optional<KnowledgeBase> knowledgeBase(System system)
    {
        const auto source = read("diagnosis/data/" + std::string(kSystemFileNames[static_cast<std::size_t>(system)]));
        if (!source)
            return std::nullopt;
        knowledgeTexts_.push_back(source->text);
        CheckedKnowledge checked = checkKnowledgeFile(source->text, source->name);
        for (const Diagnostic& d : checked.diagnostics) {
            if (d.severity == Diagnostic::Severity::Error)
                problems_.emplace_back(dataError(d.file, d.line, d.message).what());
        }
        if (checked.hasErrors())
            return std::nullopt;
        return std::move(checked.base);
    }

    // Files <folder>/01.txt to <folder>/<count>.txt made into a table.
    template <typename Table> std::optional<Table> table(const std::string& folder)
    {
        std::vector<SourceText> files;
        for (int n = 1; n <= Table::kSize; ++n) {
            const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
            if (auto source = read(folder + "/" + number + ".txt"))
                files.push_back(std::move(*source));
        }
        if (files.size() != static_cast<std::size_t>(Table::kSize))
            return std::nullopt;
        try {
            return Table(files);
        } catch (const Error& error) {
            problems_.emplace_back(error.what());
            return std::nullopt;
        }
    }

    // The links, checked against the knowledge and the procedures read.
    std::optional<ProcedureLinks> links(
        const std::vector<LinkedKnowledge>& knowledge, const std::vector<ProcedureText>& procedures)
    {
        const auto source = read(kLinksFile);
        if (!source)
            return std::nullopt;
        CheckedLinks checked = checkProcedureLinks(source->text, source->name, knowledge, procedures);
        for (const Diagnostic& d : checked.diagnostics)
            problems_.emplace_back(dataError(d.file, d.line, d.message).what());
        if (checked.hasErrors())
            return std::nullopt;
        return std::move(checked.links);
    }

    const std::vector<std::string>& problems() const { return problems_; }

    // The edition of the knowledge files read, in the order of the systems.
    std::string knowledgeEdition() const
    {
        return loco::knowledgeEdition({knowledgeTexts_.begin(), knowledgeTexts_.end()});
    }

private:
    QString root_;
    std::vector<std::string> problems_;
    std::vector<std::string> knowledgeTexts_;
};

// Ends the load when anything was wrong, naming every problem.
void throwProblems(const DataReader& reader)
{
    if (reader.problems().empty())
        return;
    std::string message = "The program's built-in data is broken:";
    for (const std::string& problem : reader.problems())
        message += "\n" + problem;
    throw Error(message);
}

} // namespace

BuiltinData loadBuiltinData(const QString& root)
{
    DataReader reader(root);
    std::array<std::optional<KnowledgeBase>, kSystemCount> bases;
    for (const System system : kAllSystems)
        bases[static_cast<std::size_t>(system)] = reader.knowledgeBase(system);
    auto maintenance = reader.table<MaintenanceTable>("tutorials/data/maintenance");
    auto tuneup = reader.table<TuneupTable>("tutorials/data/tuneup");
    std::optional<ProcedureLinks> links;
    if (maintenance && tuneup) {
        std::vector<LinkedKnowledge> linked;
        for (const System system : kAllSystems) {
            const auto& base = bases[static_cast<std::size_t>(system)];
            linked.push_back(
                {std::string(kSystemFileNames[static_cast<std::size_t>(system)]), base ? &*base : nullptr});
        }
        links = reader.links(linked, procedureTexts(*maintenance, *tuneup));
    }

    throwProblems(reader);
    BuiltinData data{{}, std::move(*maintenance), std::move(*tuneup), std::move(*links)};
    for (const System system : kAllSystems)
        data.knowledge[system] = std::move(*bases[static_cast<std::size_t>(system)]);
    data.knowledge.setEdition(reader.knowledgeEdition());
    return data;
}

std::vector<ProcedureText> loadBuiltinProcedures(const QString& root)
{
    DataReader reader(root);
    auto maintenance = reader.table<MaintenanceTable>("tutorials/data/maintenance");
    auto tuneup = reader.table<TuneupTable>("tutorials/data/tuneup");
    throwProblems(reader);
    return procedureTexts(*maintenance, *tuneup);
}

} // namespace loco
