#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace loco::kb {

// A knowledge base as the handbook and the diagram present it: its questions
// numbered from the start question on, and its conclusions grouped under
// their headings. Texts that differ only in blanks count as one: the data
// writes some causes with and without a leading or trailing blank, and two
// headings differ by a doubled blank alone. Groups and causes are numbered
// as the questions first name them, YA before TIDAK. The base must have
// passed the checks without errors.
class Outline {
public:
    struct HeadingGroup {
        std::vector<std::size_t> headings; // indexes into headings(); the first names the group
        std::vector<std::string> causes; // each as first written
    };

    explicit Outline(const KnowledgeBase& base);

    // Question indexes in the order of numbering: the start question, then
    // the others as the file lists them.
    const std::vector<std::size_t>& questionOrder() const { return order_; }
    // The number (from 1) of question index i.
    std::size_t questionNumber(std::size_t i) const { return numbers_[i]; }

    const std::vector<HeadingGroup>& headingGroups() const { return groups_; }
    // The group of a conclusion outcome and its cause's number there (from 1).
    std::pair<std::size_t, std::size_t> conclusionOf(const Outcome& outcome) const;
    // "EH5" for a group, "EH5/3" for a conclusion.
    std::string groupLabel(std::size_t group) const;
    std::string conclusionLabel(const Outcome& outcome) const;

private:
    const KnowledgeBase& base_;
    std::vector<std::size_t> order_;
    std::vector<std::size_t> numbers_;
    std::vector<HeadingGroup> groups_;
    std::vector<std::size_t> groupOfHeading_;
    std::map<std::pair<std::size_t, std::string>, std::size_t> causeNumber_; // by group and blank-free cause
};

// text with runs of blanks made one and none at either end.
std::string withoutExtraBlanks(const std::string& text);

} // namespace loco::kb
