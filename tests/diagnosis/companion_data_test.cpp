#include "diagnosis/core/candidate_causes.h"
#include "diagnosis/core/symptom_search.h"
#include "tests/support/shipped_data.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// What the diagnosis companion computes, on the built-in knowledge.
namespace loco {
namespace {

const KnowledgeSet& knowledge()
{
    return shippedData().knowledge;
}

const std::vector<Outline>& outlines()
{
    static const std::vector<Outline> made = [] {
        std::vector<Outline> outlines;
        for (const System system : kAllSystems)
            outlines.emplace_back(knowledge()[system]);
        return outlines;
    }();
    return made;
}

// Lower case, one blank between words: how the test tells texts apart.
std::string plain(const std::string& text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ' ' || (!kept.empty() && kept.back() != ' '))
            kept += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return kept.ends_with(' ') ? kept.substr(0, kept.size() - 1) : kept;
}

// Every ending in reach of a question with its fewest answers, by recursion
// over the outcomes, remembered per question: conclusions by their texts,
// closing texts by their labels.
using Reach = std::map<std::string, std::size_t>;
const Reach& walk(const KnowledgeBase& base, std::size_t row, std::map<std::size_t, Reach>& known)
{
    if (const auto it = known.find(row); it != known.end())
        return it->second;
    Reach reach;
    for (const Outcome* outcome : {&base.questions()[row].ya, &base.questions()[row].tidak}) {
        Reach here;
        if (outcome->kind == Outcome::Kind::Next)
            here = walk(base, outcome->target, known);
        else if (outcome->kind == Outcome::Kind::Conclusion)
            here["C " + plain(base.headings()[outcome->target].text) + " | " + plain(outcome->cause)] = 0;
        else if (outcome->kind == Outcome::Kind::Closing)
            here["N " + base.closings()[outcome->target].label] = 0;
        for (const auto& [ending, answers] : here) {
            const auto [it, added] = reach.try_emplace(ending, answers + 1);
            it->second = std::min(it->second, answers + 1);
        }
    }
    return known[row] = reach;
}

TEST(CandidateCauses, AreTheDistinctEndingsInReachWithTheirFewestAnswersNearestFirst)
{
    for (const System system : kAllSystems) {
        const KnowledgeBase& base = knowledge()[system];
        const Outline& outline = outlines()[static_cast<std::size_t>(system)];
        std::map<std::size_t, Reach> known;
        for (std::size_t row = 0; row < base.questions().size(); ++row) {
            SCOPED_TRACE(base.questions()[row].label);
            const Candidates candidates = candidatesFrom(base, outline, row);
            Reach found;
            std::size_t last = 0;
            for (const CandidateConclusion& c : candidates.conclusions) {
                EXPECT_TRUE(found
                                .try_emplace("C " + plain(outline.headingText(c.conclusion)) + " | "
                                        + plain(outline.causeText(c.conclusion)),
                                    c.answers)
                                .second);
                EXPECT_GE(c.answers, last);
                last = c.answers;
            }
            for (const CandidateClosing& c : candidates.closings)
                found["N " + base.closings()[c.closing].label] = c.answers;
            ASSERT_EQ(found, walk(base, row, known));
        }
    }
}

// A search row: what is typed, and the text of the best result (empty: none).
struct Query {
    const char* name;
    const char* typed;
    const char* best;
    System bestSystem = System::EngineDrive;
    std::size_t exactWords = 0;
};

void PrintTo(const Query& row, std::ostream* out)
{
    *out << row.name;
}

class Search : public testing::TestWithParam<Query> { };

TEST_P(Search, RanksAllWordsFirstThenExactAndGroupsBySystem)
{
    static const SymptomSearch search(knowledge(), outlines());
    const std::vector<SymptomSearch::Result> results = search.search(GetParam().typed);
    if (std::string(GetParam().best).empty()) {
        EXPECT_TRUE(results.empty());
        return;
    }
    ASSERT_FALSE(results.empty());
    const SymptomSearch::Entry& best = search.entries()[results.front().entry];
    EXPECT_EQ(best.texts.back(), GetParam().best);
    EXPECT_EQ(best.system, GetParam().bestSystem);
    EXPECT_EQ(results.front().exactWords, GetParam().exactWords);
    // Each system once, in a run; within it more words, then exact, first.
    std::set<System> done;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const System system = search.entries()[results[i].entry].system;
        if (i > 0 && system == search.entries()[results[i - 1].entry].system) {
            EXPECT_LE(std::pair(results[i].wordsMatched, results[i].exactWords),
                std::pair(results[i - 1].wordsMatched, results[i - 1].exactWords));
        } else {
            EXPECT_TRUE(done.insert(system).second) << "system again at result " << i;
        }
        EXPECT_FALSE(results[i].marks.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(RealQueries, Search,
    testing::Values(Query{"AsapHitam", "asap hitam", "APAKAH MESIN MENGELUARKAN ASAP BERWARNA HITAM ATAU PUTIH",
                        System::Exhaust, 2},
        Query{"Oli", "oli", "APAKAH OLI BOROS ATAU PEMAKAIAN OLI PELUMAS BERLEBIHAN", System::Lubrication, 1},
        Query{"RadiatorBocor", "radiator bocor", "APAKAH POMPA DAN RADIATOR RUSAK ATAU SALURAN PIPA BOCOR",
            System::Cooling, 2},
        Query{"LetterLeftOut", "radiatr bocor", "APAKAH POMPA DAN RADIATOR RUSAK ATAU SALURAN PIPA BOCOR",
            System::Cooling, 1},
        Query{"BeginsALongerWord", "Kebocor", "APAKAH SALURAN DAN SAMBUNGAN OLI TERDAPAT KEBOCORAN",
            System::Lubrication, 1},
        Query{"AccentsAndCase", "RADIÁTOR",
            "APAKAH PENGALIRAN UDARA YANG MASUK MELALUI RADIATOR TERHALAN/TERSUMBAT/BERKURANG", System::Cooling, 1},
        Query{"ShortWordsAreNotGuessed", "bocr", ""}, Query{"NoWords", " ./ ", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcedureLinks, ACauseNamingAGovernorLeadsToEveryGovernorGroup)
{
    std::size_t causes = 0;
    for (const System system : kAllSystems) {
        const Outline& outline = outlines()[static_cast<std::size_t>(system)];
        for (std::size_t g = 0; g < outline.headingGroups().size(); ++g) {
            for (std::size_t c = 1; c <= outline.headingGroups()[g].causes.size(); ++c) {
                if (plain(outline.causeText({g, c})).find("governor") == std::string::npos)
                    continue;
                ++causes;
                std::set<int> groups;
                for (const ProcedureLink& link :
                    shippedData().links.forConclusion(kSystemFileNames[static_cast<std::size_t>(system)],
                        outline.headingText({g, c}), outline.causeText({g, c})))
                    if (link.procedure.kind == ProcedureRef::Kind::Tuneup)
                        groups.insert(shippedData().tuneup.at(link.procedure.number).choice.group);
                EXPECT_EQ(groups, (std::set<int>{3, 4, 5, 6, 7})) << outline.conclusionLabel({g, c});
            }
        }
    }
    EXPECT_GT(causes, 0u);
}

} // namespace
} // namespace loco
