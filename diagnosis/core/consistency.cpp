#include "diagnosis/core/consistency.h"

#include <cstdint>

namespace loco {
namespace {

const char* answerName(Answer answer)
{
    return answer == Answer::Ya ? "YA" : "TIDAK";
}

// The row that an outcome leads to, or npos when it ends the dialogue.
std::size_t nextRow(const Outcome& outcome)
{
    return outcome.kind == Outcome::Kind::Next && outcome.target != Outcome::unresolved
               ? outcome.target
               : KnowledgeBase::npos;
}

void checkLabels(const KnowledgeBase& base, std::vector<std::string>& problems)
{
    for (const Question& question : base.questions()) {
        for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
            const Outcome& outcome = question.outcome(answer);
            if (outcome.kind == Outcome::Kind::None || outcome.target != Outcome::unresolved)
                continue;
            const char* wanted =
                outcome.kind == Outcome::Kind::Conclusion ? "no heading" : "no question or closing text";
            problems.push_back(question.label + " " + answerName(answer) + ": there is " + wanted + " "
                               + outcome.label);
        }
    }
}

void checkReachable(const KnowledgeBase& base, std::vector<std::string>& problems)
{
    const std::vector<Question>& questions = base.questions();
    std::vector<bool> reached(questions.size(), false);
    std::vector<std::size_t> pending{base.startIndex()};
    reached[base.startIndex()] = true;
    while (!pending.empty()) {
        const Question& question = questions[pending.back()];
        pending.pop_back();
        for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
            const std::size_t next = nextRow(question.outcome(answer));
            if (next != KnowledgeBase::npos && !reached[next]) {
                reached[next] = true;
                pending.push_back(next);
            }
        }
    }
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (!reached[i])
            problems.push_back(questions[i].label + " cannot be reached from the start question");
    }
}

void checkRepeatedTexts(const KnowledgeBase& base, std::vector<std::string>& problems)
{
    const std::vector<Question>& questions = base.questions();
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const std::size_t first = base.findQuestion(questions[i].text);
        if (first != i)
            problems.push_back(questions[i].label + " repeats the question text of " + questions[first].label);
    }
}

// Depth-first search over next-question links; a link back into the rows on
// the current path closes a loop.
class LoopFinder {
public:
    LoopFinder(const KnowledgeBase& base, std::vector<std::string>& problems)
        : questions_(base.questions()), state_(questions_.size(), State::New), problems_(problems)
    {
    }

    void run()
    {
        for (std::size_t i = 0; i < questions_.size(); ++i) {
            if (state_[i] == State::New)
                visit(i);
        }
    }

private:
    enum class State : std::uint8_t { New, OnPath, Done };

    void visit(std::size_t row)
    {
        state_[row] = State::OnPath;
        path_.push_back(row);
        for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
            const std::size_t next = nextRow(questions_[row].outcome(answer));
            if (next == KnowledgeBase::npos)
                continue;
            if (state_[next] == State::OnPath)
                report(next);
            else if (state_[next] == State::New)
                visit(next);
        }
        path_.pop_back();
        state_[row] = State::Done;
    }

    void report(std::size_t loopStart)
    {
        std::string message = "the questions can loop:";
        std::size_t i = path_.size();
        while (path_[i - 1] != loopStart)
            --i;
        for (--i; i < path_.size(); ++i)
            message += " " + questions_[path_[i]].label + " ->";
        message += " " + questions_[loopStart].label;
        problems_.push_back(std::move(message));
    }

    const std::vector<Question>& questions_;
    std::vector<State> state_;
    std::vector<std::size_t> path_;
    std::vector<std::string>& problems_;
};

} // namespace

std::vector<std::string> findInconsistencies(const KnowledgeBase& base)
{
    std::vector<std::string> problems;
    if (base.startIndex() == KnowledgeBase::npos)
        problems.push_back("start: there is no question " + base.startLabel());
    checkLabels(base, problems);
    // Without a start every row would be reported as unreachable.
    if (base.startIndex() != KnowledgeBase::npos)
        checkReachable(base, problems);
    checkRepeatedTexts(base, problems);
    LoopFinder(base, problems).run();
    return problems;
}

} // namespace loco
