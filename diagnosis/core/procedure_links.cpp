#include "diagnosis/core/procedure_links.h"

#include "diagnosis/core/knowledge_outline.h"
#include "diagnosis/core/tab_separated.h"
#include "diagnosis/core/text_fold.h"
#include "diagnosis/core/text_hints.h"
#include "toolkit/core/utf8.h"
#include "tutorials/core/maintenance_table.h"
#include "tutorials/core/tuneup_table.h"

#include <algorithm>
#include <memory>

namespace loco {
namespace {

std::string conclusionKey(std::string_view heading, std::string_view cause)
{
    return conclusionTextKey(heading) + '\n' + conclusionTextKey(cause);
}

// "maintenance/07": the data file's name without its ending.
std::string procedureName(const char* folder, int number)
{
    return std::string(folder) + (number < 10 ? "/0" : "/") + std::to_string(number);
}

std::string joined(const std::string& title, const std::vector<std::string>& lines)
{
    std::string text = title;
    for (const std::string& line : lines)
        text += '\n' + line;
    return text;
}

} // namespace

std::vector<ProcedureText> procedureTexts(const MaintenanceTable& maintenance, const TuneupTable& tuneup)
{
    std::vector<ProcedureText> texts;
    for (int k = 1; k <= MaintenanceTable::kSize; ++k) {
        const MaintenanceEntry& entry = maintenance.at(k);
        texts.push_back(
            {{ProcedureRef::Kind::Maintenance, k}, procedureName("maintenance", k), joined(entry.title, entry.lines)});
    }
    for (int n = 1; n <= TuneupTable::kSize; ++n) {
        const TuneupTutorial& tutorial = tuneup.at(n);
        texts.push_back(
            {{ProcedureRef::Kind::Tuneup, n}, procedureName("tuneup", n), joined(tutorial.title, tutorial.lines)});
    }
    return texts;
}

const std::vector<ProcedureLink>& ProcedureLinks::forConclusion(
    std::string_view file, std::string_view heading, std::string_view cause) const
{
    static const std::vector<ProcedureLink> none;
    const auto it = links_.find({std::string(file), conclusionKey(heading, cause)});
    return it == links_.end() ? none : it->second;
}

std::size_t ProcedureLinks::size() const
{
    std::size_t count = 0;
    for (const auto& [conclusion, links] : links_)
        count += links.size();
    return count;
}

bool CheckedLinks::hasErrors() const
{
    return std::any_of(diagnostics.begin(), diagnostics.end(),
        [](const Diagnostic& d) { return d.severity == Diagnostic::Severity::Error; });
}

bool containsTerm(std::string_view text, std::string_view term)
{
    const std::vector<FoldedWord> words = foldedWords(text);
    const std::vector<FoldedWord> wanted = foldedWords(term);
    if (wanted.empty())
        return false;
    for (std::size_t i = 0; i + wanted.size() <= words.size(); ++i) {
        if (std::equal(wanted.begin(), wanted.end(), words.begin() + static_cast<std::ptrdiff_t>(i),
                [](const FoldedWord& w, const FoldedWord& in) { return in.folded.starts_with(w.folded); }))
            return true;
    }
    return false;
}

// Reads the links line by line, with the outlines of the knowledge files.
class ProcedureLinksChecker {
public:
    ProcedureLinksChecker(std::string_view name, const std::vector<LinkedKnowledge>& knowledge,
        const std::vector<ProcedureText>& procedures)
        : name_(name), knowledge_(knowledge), procedures_(procedures)
    {
        for (const LinkedKnowledge& file : knowledge)
            outlines_.push_back(file.base ? std::make_unique<Outline>(*file.base) : nullptr);
    }

    CheckedLinks run(std::string_view text)
    {
        if (const auto fault = findInvalidUtf8(text)) {
            error(fault->line, describe(*fault));
            return std::move(checked_);
        }
        std::size_t number = 0;
        forEachLine(withoutByteOrderMark(text), [&](std::string_view line) {
            ++number;
            if (line.find_first_not_of(' ') != std::string_view::npos && !line.starts_with('#'))
                link(number, line);
        });
        return std::move(checked_);
    }

private:
    void error(std::size_t line, std::string message)
    {
        checked_.diagnostics.push_back({Diagnostic::Severity::Error, std::string(name_), line, std::move(message)});
    }

    void link(std::size_t line, std::string_view text)
    {
        const std::vector<std::string_view> fields = splitFields(text);
        if (fields.size() != 4) {
            error(line,
                "a link is four fields separated by one TAB (knowledge file, conclusion, procedure, term), not "
                    + std::to_string(fields.size()) + ": \"" + visibleText(text) + "\"");
            return;
        }
        const auto [file, label, procedureName, term] = std::tuple(fields[0], fields[1], fields[2], fields[3]);
        const auto known = std::find_if(
            knowledge_.begin(), knowledge_.end(), [&](const LinkedKnowledge& k) { return k.fileName == file; });
        if (known == knowledge_.end()) {
            error(line, "\"" + std::string(file) + "\" is not one of the knowledge files" + suggestion(file, files()));
            return;
        }
        const Outline* outline = outlines_[static_cast<std::size_t>(known - knowledge_.begin())].get();
        if (!outline)
            return; // the file's own errors are reported with it
        const auto conclusion = outline->findConclusion(label);
        const auto procedure = std::find_if(
            procedures_.begin(), procedures_.end(), [&](const ProcedureText& p) { return p.name == procedureName; });
        if (!conclusion)
            error(line,
                "\"" + std::string(label) + "\" names no conclusion of " + std::string(file)
                    + suggestion(label, labels(*outline)));
        if (procedure == procedures_.end())
            error(line,
                "\"" + std::string(procedureName) + "\" is no maintenance or tune-up procedure"
                    + suggestion(procedureName, procedureNames()));
        if (term.find_first_not_of(' ') == std::string_view::npos) {
            error(line, "the link names no term");
            return;
        }
        if (!conclusion || procedure == procedures_.end())
            return;
        const std::string& cause = outline->causeText(*conclusion);
        bool sound = true;
        if (!containsTerm(cause, term)) {
            error(line,
                "the cause of " + std::string(label) + " does not contain \"" + std::string(term) + "\": \""
                    + withoutExtraBlanks(cause) + "\"");
            sound = false;
        }
        if (!containsTerm(procedure->text, term)) {
            error(line, std::string(procedureName) + " does not contain \"" + std::string(term) + "\"");
            sound = false;
        }
        std::vector<ProcedureLink>& links
            = checked_.links.links_[{std::string(file), conclusionKey(outline->headingText(*conclusion), cause)}];
        if (std::any_of(
                links.begin(), links.end(), [&](const ProcedureLink& l) { return l.procedure == procedure->ref; })) {
            error(line, std::string(label) + " is linked to " + std::string(procedureName) + " already");
            sound = false;
        }
        if (sound)
            links.push_back({procedure->ref, std::string(term)});
    }

    static std::string suggestion(std::string_view wanted, const std::vector<std::string>& names)
    {
        const std::vector<std::string_view> views(names.begin(), names.end());
        const std::string nearest = nearestName(wanted, views);
        return nearest.empty() ? std::string() : "; did you mean \"" + nearest + "\"?";
    }

    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const LinkedKnowledge& file : knowledge_)
            names.push_back(file.fileName);
        return names;
    }

    static std::vector<std::string> labels(const Outline& outline)
    {
        std::vector<std::string> names;
        for (std::size_t g = 0; g < outline.headingGroups().size(); ++g) {
            for (std::size_t c = 1; c <= outline.headingGroups()[g].causes.size(); ++c)
                names.push_back(outline.conclusionLabel({g, c}));
        }
        return names;
    }

    std::vector<std::string> procedureNames() const
    {
        std::vector<std::string> names;
        for (const ProcedureText& procedure : procedures_)
            names.push_back(procedure.name);
        return names;
    }

    std::string_view name_;
    const std::vector<LinkedKnowledge>& knowledge_;
    const std::vector<ProcedureText>& procedures_;
    std::vector<std::unique_ptr<Outline>> outlines_;
    CheckedLinks checked_;
};

CheckedLinks checkProcedureLinks(std::string_view text, std::string_view name,
    const std::vector<LinkedKnowledge>& knowledge, const std::vector<ProcedureText>& procedures)
{
    return ProcedureLinksChecker(name, knowledge, procedures).run(text);
}

} // namespace loco
