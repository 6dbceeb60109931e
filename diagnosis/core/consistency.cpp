#include "diagnosis/core/consistency.h"

#include <algorithm>
#include <cstdint>

namespace loco {
namespace {

const char* answerName(Answer answer)
{
    return answer == Answer::Ya ? "YA" : "TIDAK";
}

// The row that an outcome leads to, or kNotFound when it ends the dialogue.
std::size_t nextRow(const Outcome& outcome)
{
    return outcome.kind == Outcome::Kind::Next && outcome.target != Outcome::kUnresolved ? outcome.target
                                                                                         : KnowledgeBase::kNotFound;
}

class Checker {
public:
    Checker(const KnowledgeBase& base, std::string_view file) : base_(base), file_(file) { }

    std::vector<Diagnostic> run()
    {
        if (base_.startIndex() == KnowledgeBase::kNotFound)
            error(base_.startLine(), "start: there is no question " + base_.startLabel());
        checkOutcomes();
        // Without a start every row would be reported as unreachable.
        if (base_.startIndex() != KnowledgeBase::kNotFound)
            checkReachable();
        checkRepeatedTexts();
        checkUnused();
        findLoops();
        std::stable_sort(
            found_.begin(), found_.end(), [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
        return std::move(found_);
    }

private:
    enum class State : std::uint8_t { New, OnPath, Done };

    void error(std::size_t line, std::string message)
    {
        found_.push_back({Diagnostic::Severity::Error, std::string(file_), line, std::move(message)});
    }
    void warning(std::size_t line, std::string message)
    {
        found_.push_back({Diagnostic::Severity::Warning, std::string(file_), line, std::move(message)});
    }

    void checkOutcomes()
    {
        for (const Question& question : base_.questions()) {
            for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
                const Outcome& outcome = question.outcome(answer);
                const std::string name = question.label + " " + answerName(answer);
                if (outcome.kind == Outcome::Kind::None) {
                    warning(question.line,
                        name + " leads nowhere: the question has no \"" + (answer == Answer::Ya ? "ya" : "tidak")
                            + "\" line");
                } else if (outcome.target == Outcome::kUnresolved) {
                    const char* wanted
                        = outcome.kind == Outcome::Kind::Conclusion ? "no heading" : "no question or closing text";
                    error(outcome.line, name + ": there is " + wanted + " " + outcome.label);
                }
            }
        }
    }

    void checkReachable()
    {
        const std::vector<Question>& questions = base_.questions();
        std::vector<bool> reached(questions.size(), false);
        std::vector<std::size_t> pending{base_.startIndex()};
        reached[base_.startIndex()] = true;
        while (!pending.empty()) {
            const Question& question = questions[pending.back()];
            pending.pop_back();
            for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
                const std::size_t next = nextRow(question.outcome(answer));
                if (next != KnowledgeBase::kNotFound && !reached[next]) {
                    reached[next] = true;
                    pending.push_back(next);
                }
            }
        }
        for (std::size_t i = 0; i < questions.size(); ++i) {
            if (!reached[i])
                error(questions[i].line, questions[i].label + " cannot be reached from the start question");
        }
    }

    void checkRepeatedTexts()
    {
        const std::vector<Question>& questions = base_.questions();
        for (std::size_t i = 0; i < questions.size(); ++i) {
            const std::size_t first = base_.findQuestion(questions[i].text);
            if (first != i)
                error(
                    questions[i].line, questions[i].label + " repeats the question text of " + questions[first].label);
        }
    }

    void checkUnused()
    {
        std::vector<bool> headingUsed(base_.headings().size(), false);
        std::vector<bool> closingUsed(base_.closings().size(), false);
        for (const Question& question : base_.questions()) {
            for (const Outcome* outcome : {&question.ya, &question.tidak}) {
                if (outcome->target == Outcome::kUnresolved)
                    continue;
                if (outcome->kind == Outcome::Kind::Conclusion)
                    headingUsed[outcome->target] = true;
                else if (outcome->kind == Outcome::Kind::Closing)
                    closingUsed[outcome->target] = true;
            }
        }
        for (std::size_t i = 0; i < headingUsed.size(); ++i) {
            if (!headingUsed[i])
                warning(
                    base_.headings()[i].line, "heading " + base_.headings()[i].label + " is not used by any answer");
        }
        for (std::size_t i = 0; i < closingUsed.size(); ++i) {
            if (!closingUsed[i])
                warning(base_.closings()[i].line,
                    "closing text " + base_.closings()[i].label + " is not used by any answer");
        }
    }

    // Depth-first search over next-question links; a link back into the rows
    // on the current path closes a loop, reported at the answer that does it.
    // The path is kept by hand: a chain may be as long as the file.
    void findLoops()
    {
        const std::vector<Question>& questions = base_.questions();
        std::vector<State> state(questions.size(), State::New);
        for (std::size_t root = 0; root < questions.size(); ++root) {
            if (state[root] != State::New)
                continue;
            state[root] = State::OnPath;
            path_.assign({{root, 0}});
            while (!path_.empty()) {
                Step& step = path_.back();
                if (step.answers == 2) {
                    state[step.row] = State::Done;
                    path_.pop_back();
                    continue;
                }
                const Outcome& outcome = questions[step.row].outcome(step.answers++ == 0 ? Answer::Ya : Answer::Tidak);
                const std::size_t next = nextRow(outcome);
                if (next == KnowledgeBase::kNotFound)
                    continue;
                if (state[next] == State::OnPath) {
                    reportLoop(next, outcome.line);
                } else if (state[next] == State::New) {
                    state[next] = State::OnPath;
                    path_.push_back({next, 0});
                }
            }
        }
    }

    void reportLoop(std::size_t loopStart, std::size_t line)
    {
        const std::vector<Question>& questions = base_.questions();
        std::string message = "the questions can loop:";
        auto it = std::find_if(path_.begin(), path_.end(), [&](const Step& step) { return step.row == loopStart; });
        for (; it != path_.end(); ++it)
            message += " " + questions[it->row].label + " ->";
        message += " " + questions[loopStart].label;
        error(line, std::move(message));
    }

    const KnowledgeBase& base_;
    std::string_view file_;
    std::vector<Diagnostic> found_;
    // A row on the search path, and how many of its answers are followed.
    struct Step {
        std::size_t row;
        int answers;
    };
    std::vector<Step> path_;
};

} // namespace

std::vector<Diagnostic> findInconsistencies(const KnowledgeBase& base, std::string_view file)
{
    return Checker(base, file).run();
}

} // namespace loco
