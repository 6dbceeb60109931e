#pragma once

#include "diagnosis/core/knowledge_outline.h"
#include "diagnosis/core/knowledge_set.h"
#include "diagnosis/core/knowledge_walk.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

// Search by symptom over every question and every conclusion (heading and
// cause line) of the six systems. Typed words are matched against the words
// of the texts with case and accents ignored; a typed word matches the words
// it begins ("bocor" finds "bocornya"), and one of five letters or more also
// those it begins with one letter inserted, left out or changed ("pengerak"
// finds "penggerak"). The index is made once; a search reads it only.
class SymptomSearch {
public:
    // What a result stands for: a question, or a distinct conclusion.
    struct Entry {
        System system;
        bool conclusion;
        // The question; for a conclusion, the question whose answer gives it
        // soonest, and that answer.
        AnsweredQuestion at;
        // The question's text, or the conclusion's heading and cause line,
        // as the data first writes them.
        std::vector<std::string_view> texts;
        // The fewest answers from the start question to get there.
        std::size_t depth;
    };
    // A word of an entry that a typed word matched: which text, where in bytes.
    struct Mark {
        std::size_t text;
        std::size_t begin;
        std::size_t end;
    };
    struct Result {
        std::size_t entry; // index into entries()
        std::size_t wordsMatched; // typed words that matched a word of the entry
        std::size_t exactWords; // of those, matched without a changed letter
        std::vector<Mark> marks;
    };

    // knowledge and outlines (one per system, in the order of the systems)
    // outlive the search.
    SymptomSearch(const KnowledgeSet& knowledge, const std::vector<Outline>& outlines);

    // The entries that match at least one typed word, grouped by system;
    // within a system, those matching more typed words first, then more
    // exactly, then questions before conclusions, nearer the start first.
    // Systems follow their best result, ties in the systems' order. Nothing
    // for text without words.
    std::vector<Result> search(std::string_view typed) const;

    const std::vector<Entry>& entries() const { return entries_; }

    // The answers that bring a dialogue from its start question to the
    // entry: to the question, or through the answer giving the conclusion.
    std::vector<AnsweredQuestion> pathTo(const Entry& entry) const;

private:
    struct IndexedWord {
        std::uint32_t id; // into vocabulary_
        std::size_t text;
        std::size_t begin;
        std::size_t end;
    };
    void add(Entry entry);

    const KnowledgeSet& knowledge_;
    std::vector<Entry> entries_;
    std::vector<std::vector<IndexedWord>> words_; // of each entry
    std::vector<std::string> vocabulary_; // every distinct folded word
};

} // namespace loco
