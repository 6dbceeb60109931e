#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loco {

// A knowledge base as the handbook, the diagram and the diagnosis companion
// present it: its questions numbered from the start question on, and its
// conclusions grouped under their headings. Texts that differ only in case
// or blanks count as one: the data writes some causes with and without a
// leading or trailing blank or a capital, and two headings differ by a
// doubled blank alone. Groups and causes are numbered as the questions first
// name them, YA before TIDAK; a conclusion's label ("EH5/3") is its group's
// first heading label and its cause's number there. The base must have
// passed the checks without errors and outlive the outline.
class Outline {
public:
    struct HeadingGroup {
        std::vector<std::size_t> headings; // indexes into headings(); the first names the group
        std::vector<std::string> causes; // each as first written
    };
    // A distinct conclusion: its group and its cause's number there (from 1).
    using ConclusionRef = std::pair<std::size_t, std::size_t>;

    explicit Outline(const KnowledgeBase& base);

    // Question indexes in the order of numbering: the start question, then
    // the others as the file lists them.
    const std::vector<std::size_t>& questionOrder() const { return order_; }
    // The number (from 1) of question index i.
    std::size_t questionNumber(std::size_t i) const { return numbers_[i]; }

    const std::vector<HeadingGroup>& headingGroups() const { return groups_; }
    // The conclusion that a conclusion outcome writes.
    ConclusionRef conclusionOf(const Outcome& outcome) const;
    // The conclusion that a label names, or nothing.
    std::optional<ConclusionRef> findConclusion(std::string_view label) const;
    // "EH5" for a group, "EH5/3" for a conclusion.
    std::string groupLabel(std::size_t group) const;
    std::string conclusionLabel(ConclusionRef conclusion) const;
    std::string conclusionLabel(const Outcome& outcome) const { return conclusionLabel(conclusionOf(outcome)); }
    // The heading and cause of a conclusion as first written.
    const std::string& headingText(ConclusionRef conclusion) const;
    const std::string& causeText(ConclusionRef conclusion) const;

private:
    const KnowledgeBase& base_;
    std::vector<std::size_t> order_;
    std::vector<std::size_t> numbers_;
    std::vector<HeadingGroup> groups_;
    std::vector<std::size_t> groupOfHeading_;
    std::map<std::pair<std::size_t, std::string>, std::size_t> causeNumber_; // by group and cause key
};

// What makes two heading or cause texts one: case, accents and blanks aside.
std::string conclusionTextKey(std::string_view text);

} // namespace loco
