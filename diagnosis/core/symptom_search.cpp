#include "diagnosis/core/symptom_search.h"

#include "diagnosis/core/text_fold.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace loco {
namespace {

// How a typed word matches a word of the texts.
enum Match : std::uint8_t { kNone, kFuzzy, kExact };

// Words this long tolerate one letter wrong.
constexpr std::size_t kFuzzyLetters = 5;

std::size_t letterCount(std::string_view folded)
{
    return static_cast<std::size_t>(std::count_if(
        folded.begin(), folded.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Whether word begins with typed after one letter of typed is changed,
// left out or doubled up; the edit can be taken to stand where the two
// first differ.
bool beginsWithOneEdit(std::string_view typed, std::string_view word)
{
    const std::size_t k = static_cast<std::size_t>(
        std::mismatch(typed.begin(), typed.end(), word.begin(), word.end()).first - typed.begin());
    if (k == typed.size())
        return true;
    const std::string_view rest = typed.substr(k + 1);
    const bool changed = word.size() >= typed.size() && word.substr(k + 1, rest.size()) == rest;
    const bool extra = word.substr(k).starts_with(rest);
    const bool missing = word.size() > k && word.substr(k + 1).starts_with(typed.substr(k));
    return changed || extra || missing;
}

Match match(std::string_view typed, std::string_view word, bool fuzzy)
{
    if (word.starts_with(typed))
        return kExact;
    return fuzzy && beginsWithOneEdit(typed, word) ? kFuzzy : kNone;
}

} // namespace

SymptomSearch::SymptomSearch(const KnowledgeSet& knowledge, const std::vector<Outline>& outlines)
    : knowledge_(knowledge)
{
    std::unordered_map<std::string, std::uint32_t> ids;
    const auto index = [&](const Entry& entry) {
        std::vector<IndexedWord> words;
        for (std::size_t t = 0; t < entry.texts.size(); ++t) {
            for (FoldedWord& word : foldedWords(entry.texts[t])) {
                const auto [it, added] = ids.try_emplace(word.folded, static_cast<std::uint32_t>(vocabulary_.size()));
                if (added)
                    vocabulary_.push_back(std::move(word.folded));
                words.push_back({it->second, t, word.begin, word.end});
            }
        }
        words_.push_back(std::move(words));
    };
    for (const System system : kAllSystems) {
        const KnowledgeBase& base = knowledge[system];
        const Outline& outline = outlines[static_cast<std::size_t>(system)];
        for (const std::size_t row : outline.questionOrder()) {
            const auto path = shortestPathTo(base, row);
            if (!path)
                continue;
            entries_.push_back({system, false, {row, Answer::Ya}, {base.questions()[row].text}, path->size()});
            index(entries_.back());
        }
        std::vector<Outline::ConclusionRef> seen;
        for (const ReachableEnding& ending : reachableEndings(base, base.startIndex())) {
            const Outcome& outcome = endingOf(base, ending.last);
            if (outcome.kind != Outcome::Kind::Conclusion)
                continue;
            const Outline::ConclusionRef conclusion = outline.conclusionOf(outcome);
            if (std::find(seen.begin(), seen.end(), conclusion) != seen.end())
                continue;
            seen.push_back(conclusion);
            entries_.push_back({system, true, ending.last,
                {outline.headingText(conclusion), outline.causeText(conclusion)}, ending.answers});
            index(entries_.back());
        }
    }
}

std::vector<SymptomSearch::Result> SymptomSearch::search(std::string_view typed) const
{
    std::vector<std::string> typedWords;
    for (FoldedWord& word : foldedWords(typed)) {
        if (std::find(typedWords.begin(), typedWords.end(), word.folded) == typedWords.end())
            typedWords.push_back(std::move(word.folded));
    }
    // Each word of the texts is matched once, however often it occurs.
    const std::size_t n = vocabulary_.size();
    std::vector<Match> matches(typedWords.size() * n);
    for (std::size_t t = 0; t < typedWords.size(); ++t) {
        const bool fuzzy = letterCount(typedWords[t]) >= kFuzzyLetters;
        for (std::size_t v = 0; v < n; ++v)
            matches[t * n + v] = match(typedWords[t], vocabulary_[v], fuzzy);
    }

    std::vector<Result> results;
    std::vector<Match> best(typedWords.size());
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        std::fill(best.begin(), best.end(), kNone);
        Result result{e, 0, 0, {}};
        for (const IndexedWord& word : words_[e]) {
            bool marked = false;
            for (std::size_t t = 0; t < typedWords.size(); ++t) {
                const Match m = matches[t * n + word.id];
                best[t] = std::max(best[t], m);
                marked = marked || m != kNone;
            }
            if (marked)
                result.marks.push_back({word.text, word.begin, word.end});
        }
        for (const Match m : best) {
            result.wordsMatched += m != kNone;
            result.exactWords += m == kExact;
        }
        if (result.wordsMatched > 0)
            results.push_back(std::move(result));
    }

    const auto rank = [this](const Result& r) {
        const Entry& entry = entries_[r.entry];
        return std::tuple(-static_cast<long>(r.wordsMatched), -static_cast<long>(r.exactWords), entry.conclusion,
            entry.depth, r.entry);
    };
    std::sort(results.begin(), results.end(), [&](const Result& a, const Result& b) { return rank(a) < rank(b); });
    // Systems in the order of their best results.
    std::vector<std::size_t> systemOrder(kSystemCount, kSystemCount);
    std::size_t next = 0;
    for (const Result& r : results) {
        std::size_t& order = systemOrder[static_cast<std::size_t>(entries_[r.entry].system)];
        if (order == kSystemCount)
            order = next++;
    }
    std::stable_sort(results.begin(), results.end(), [&](const Result& a, const Result& b) {
        return systemOrder[static_cast<std::size_t>(entries_[a.entry].system)]
            < systemOrder[static_cast<std::size_t>(entries_[b.entry].system)];
    });
    return results;
}

std::vector<AnsweredQuestion> SymptomSearch::pathTo(const Entry& entry) const
{
    const KnowledgeBase& base = knowledge_[entry.system];
    const auto path = entry.conclusion ? shortestPathTo(base, entry.at) : shortestPathTo(base, entry.at.question);
    return path.value_or(std::vector<AnsweredQuestion>{});
}

} // namespace loco
