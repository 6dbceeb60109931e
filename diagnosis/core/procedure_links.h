#pragma once

#include "diagnosis/core/diagnostic.h"
#include "diagnosis/core/knowledge_base.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loco {

class MaintenanceTable;
class TuneupTable;

// A maintenance or tune-up procedure, by the number of its data file
// (tutorials/data/maintenance/17.txt is maintenance 17).
struct ProcedureRef {
    enum class Kind { Maintenance, Tuneup };
    Kind kind;
    int number;

    bool operator==(const ProcedureRef&) const = default;
};

// A procedure as the links name it ("maintenance/17", "tuneup/04") and its
// title and lines, in which a link's term must stand.
struct ProcedureText {
    ProcedureRef ref;
    std::string name;
    std::string text;
};

// The procedures of the two tutorial tables.
std::vector<ProcedureText> procedureTexts(const MaintenanceTable& maintenance, const TuneupTable& tuneup);

// A conclusion's link to a procedure, and the part's name that both texts hold.
struct ProcedureLink {
    ProcedureRef procedure;
    std::string term;
};

// The links of the conclusions of the knowledge bases, found by the
// conclusion's text as the results box shows it (case and blanks aside).
class ProcedureLinks {
public:
    // Those of the conclusion with this heading and cause in the knowledge
    // file of that name ("pendingin.txt"), in the order of the links file.
    const std::vector<ProcedureLink>& forConclusion(
        std::string_view file, std::string_view heading, std::string_view cause) const;

    std::size_t size() const;

private:
    friend class ProcedureLinksChecker;
    std::map<std::pair<std::string, std::string>, std::vector<ProcedureLink>> links_;
};

// A knowledge file that links may name: its file name and its base, or none
// when the file has errors (its links are then not checked).
struct LinkedKnowledge {
    std::string fileName;
    const KnowledgeBase* base;
};

struct CheckedLinks {
    ProcedureLinks links; // every link that passed
    std::vector<Diagnostic> diagnostics; // in line order

    bool hasErrors() const;
};

// Reads a links file (its name for the messages) and checks every link:
// a line of four fields separated by one TAB, the knowledge file's name,
// the conclusion's label as the handbook prints it ("CH2/1"), the procedure
// ("maintenance/03", "tuneup/04") and the term; the file, the label and the
// procedure must exist, and the term must stand in the conclusion's cause
// line and in the procedure's title or lines, its words as words there
// begin (case and accents aside). A link given twice is an error too.
CheckedLinks checkProcedureLinks(std::string_view text, std::string_view name,
    const std::vector<LinkedKnowledge>& knowledge, const std::vector<ProcedureText>& procedures);

// Whether the words of term stand one after another in text, each beginning
// a word there ("turbo" stands in "rusaknya turbocharger").
bool containsTerm(std::string_view text, std::string_view term);

} // namespace loco
