#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loco {

// The questions answered since the dialogue started, in order, each with
// what the window showed before the answer (Before), so that the answer can
// be taken back exactly, and whether the program gave it for the user, on
// the way to a search result.
template <typename Before> class AnswerPath {
public:
    struct Step {
        std::string question;
        Answer answer;
        Before before;
        bool replayed;
    };

    void restart() { steps_.clear(); }

    // Records an answer given while `question` stood in the question line.
    // An answer that left the line as it was had no outcome (or there was no
    // question to answer): it took the dialogue nowhere and is no step.
    void answered(std::string question, Answer answer, std::string_view lineAfter, Before before, bool replayed = false)
    {
        if (lineAfter != question)
            steps_.push_back({std::move(question), answer, std::move(before), replayed});
    }

    // Removes the last step and returns it; none at the first question.
    std::optional<Step> takeBack()
    {
        if (steps_.empty())
            return std::nullopt;
        Step last = std::move(steps_.back());
        steps_.pop_back();
        return last;
    }

    const std::vector<Step>& steps() const { return steps_; }

private:
    std::vector<Step> steps_;
};

} // namespace loco
