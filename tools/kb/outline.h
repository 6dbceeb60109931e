#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace loco::kb {

// A knowledge base as the handbook and the diagram present it: its questions
// numbered from the start question on, and its distinct conclusions (heading
// and cause) numbered as the questions first name them, YA before TIDAK.
// The base must have passed the checks without errors.
class Outline {
public:
    struct Conclusion {
        std::size_t heading;
        std::string cause;
    };

    explicit Outline(const KnowledgeBase& base);

    // Question indexes in the order of numbering: the start question, then
    // the others as the file lists them.
    const std::vector<std::size_t>& questionOrder() const { return order_; }
    // The number (from 1) of question index i.
    std::size_t questionNumber(std::size_t i) const { return numbers_[i]; }

    const std::vector<Conclusion>& conclusions() const { return conclusions_; }
    // Index into conclusions() of a conclusion outcome.
    std::size_t conclusionIndex(const Outcome& outcome) const;

    // Letters before the digits of the start label ("E" for E1), which make
    // conclusion and closing numbers of different systems tell apart.
    const std::string& prefix() const { return prefix_; }

private:
    std::vector<std::size_t> order_;
    std::vector<std::size_t> numbers_;
    std::vector<Conclusion> conclusions_;
    std::map<std::pair<std::size_t, std::string>, std::size_t> conclusionIndex_;
    std::string prefix_;
};

} // namespace loco::kb
