#include "diagnosis/core/knowledge_parser.h"
#include "diagnosis/core/procedure_links.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace loco {
namespace {

// H/1 is one cause written twice, in other case and blanks.
const KnowledgeBase kBase = parseKnowledgeBase("start\tQ1\nheading\tH\tPanas\nclosing\tN\tn\n"
                                               "question\tQ1\tA\nya\tH\tRadiator bocor\ntidak\tQ2\n"
                                               "question\tQ2\tB\nya\tH\t radiator  BOCOR\ntidak\tN\n");
const std::vector<ProcedureText> kProcedures{
    {{ProcedureRef::Kind::Maintenance, 3}, "maintenance/03", "Radiator\nCucilah radiator."},
    {{ProcedureRef::Kind::Tuneup, 1}, "tuneup/01", "Valve"},
};

struct LinksCase {
    const char* name;
    std::string text;
    std::string errors; // one "line: message" a line
};

void PrintTo(const LinksCase& row, std::ostream* out)
{
    *out << row.name;
}

class Links : public testing::TestWithParam<LinksCase> { };

TEST_P(Links, AreCheckedAgainstTheKnowledgeAndTheProcedures)
{
    const CheckedLinks checked = checkProcedureLinks(GetParam().text, "l.links", {{"k.txt", &kBase}}, kProcedures);
    std::string errors;
    for (const Diagnostic& d : checked.diagnostics)
        errors += std::to_string(d.line) + ": " + d.message + "\n";
    EXPECT_EQ(errors, GetParam().errors);
    EXPECT_EQ(checked.hasErrors(), !errors.empty());
    if (errors.empty()) {
        const auto& links = checked.links.forConclusion("k.txt", "PANAS", "radiator bocor ");
        ASSERT_EQ(links.size(), 1u);
        EXPECT_EQ(links.front().procedure, (ProcedureRef{ProcedureRef::Kind::Maintenance, 3}));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Links,
    testing::Values(LinksCase{"Sound", "# note\n\nk.txt\tH/1\tmaintenance/03\tradiator\r\n", ""},
        LinksCase{"UnknownFile", "k.text\tH/1\tmaintenance/03\tradiator\n",
            "1: \"k.text\" is not one of the knowledge files; did you mean \"k.txt\"?\n"},
        LinksCase{"UnknownLabelAndProcedure", "k.txt\tH/2\tmaintenance/3\tradiator\n",
            "1: \"H/2\" names no conclusion of k.txt; did you mean \"H/1\"?\n"
            "1: \"maintenance/3\" is no maintenance or tune-up procedure; did you mean \"maintenance/03\"?\n"},
        LinksCase{"TermNotInTheProcedure", "k.txt\tH/1\tmaintenance/03\tbocor\n",
            "1: maintenance/03 does not contain \"bocor\"\n"},
        LinksCase{"TermNotInTheCause", "k.txt\tH/1\ttuneup/01\tvalve\n",
            "1: the cause of H/1 does not contain \"valve\": \"Radiator bocor\"\n"},
        LinksCase{"GivenTwice", "k.txt\tH/1\tmaintenance/03\tradiator\nk.txt\tH/1\tmaintenance/03\tradiator\n",
            "2: H/1 is linked to maintenance/03 already\n"},
        LinksCase{"ThreeFields", "k.txt\tH/1 maintenance/03\tradiator\n",
            "1: a link is four fields separated by one TAB (knowledge file, conclusion, procedure, term), not 3: "
            "\"k.txt\\tH/1 maintenance/03\\tradiator\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
