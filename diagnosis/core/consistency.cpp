#include "diagnosis/core/consistency.h"

#include "diagnosis/core/knowledge_walk.h"
#include "diagnosis/core/text_hints.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

using LabelKind = KnowledgeBase::LabelKind;

class Checker {
public:
    Checker(const KnowledgeBase& base, std::string_view file)
        : base_(base), file_(file), assumed_(base.questions().size() * 2, KnowledgeBase::kNotFound)
    {
    }

    std::vector<Diagnostic> run()
    {
        if (base_.startIndex() == KnowledgeBase::kNotFound)
            error(base_.startLine(), startProblem());
        checkOutcomes();
        // Without a start every row would be reported as unreachable.
        if (base_.startIndex() != KnowledgeBase::kNotFound)
            checkReachable();
        checkRepeatedTexts();
        checkUnused();
        findLoops();
        // Counting needs a sound base: without loops, every label known.
        if (std::none_of(found_.begin(), found_.end(),
                [](const Diagnostic& d) { return d.severity == Diagnostic::Severity::Error; }))
            checkPathCount();
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

    std::vector<std::string_view> labelsOf(std::initializer_list<LabelKind> kinds) const
    {
        std::vector<std::string_view> labels;
        for (const LabelKind kind : kinds) {
            if (kind == LabelKind::Question)
                for (const Question& q : base_.questions())
                    labels.push_back(q.label);
            if (kind == LabelKind::Heading)
                for (const Heading& h : base_.headings())
                    labels.push_back(h.label);
            if (kind == LabelKind::Closing)
                for (const Closing& c : base_.closings())
                    labels.push_back(c.label);
        }
        return labels;
    }

    std::string didYouMean(std::string_view label, std::initializer_list<LabelKind> kinds) const
    {
        const std::string near = nearestName(label, labelsOf(kinds));
        return near.empty() ? std::string() : "; did you mean " + near + "?";
    }

    std::string startProblem() const
    {
        const std::string& label = base_.startLabel();
        if (label.empty())
            return "there is no start question";
        const KnowledgeBase::LabelRef* ref = base_.findLabel(label);
        if (!ref)
            return "start: " + visibleText(label) + " names nothing" + didYouMean(label, {LabelKind::Question});
        return "start: " + visibleText(label)
            + (ref->kind == LabelKind::Heading ? " is a heading" : " is a closing text") + ", not a question";
    }

    // The row an answer leads to, or the row its mistyped label most likely
    // means: a typo is one fault, not a reason to report all that follows.
    std::size_t assumedNext(std::size_t row, Answer answer) const
    {
        const std::size_t next = nextRow(base_.questions()[row].outcome(answer));
        return next != KnowledgeBase::kNotFound ? next : assumed_[row * 2 + (answer == Answer::Ya ? 0 : 1)];
    }

    void checkOutcomes()
    {
        const std::vector<Question>& questions = base_.questions();
        for (std::size_t row = 0; row < questions.size(); ++row) {
            const Question& question = questions[row];
            for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
                const Outcome& outcome = question.outcome(answer);
                const std::string name = question.label + " " + answerName(answer);
                if (outcome.kind == Outcome::Kind::None) {
                    error(question.line,
                        name + " leads nowhere: the question has no \"" + (answer == Answer::Ya ? "ya" : "tidak")
                            + "\" line");
                } else if (outcome.target == Outcome::kUnresolved) {
                    error(outcome.line, name + ": " + unresolved(outcome, row * 2 + (answer == Answer::Ya ? 0 : 1)));
                }
            }
        }
    }

    // Why a label does not fit its answer, and what was likely meant.
    std::string unresolved(const Outcome& outcome, std::size_t slot)
    {
        const std::string label = visibleText(outcome.label);
        const KnowledgeBase::LabelRef* ref = base_.findLabel(outcome.label);
        // A heading or closing named in the wrong way is still in use.
        if (ref)
            markUsed(outcome.label);
        if (outcome.kind == Outcome::Kind::Conclusion) {
            if (ref && ref->kind == LabelKind::Question)
                return label + " is a question, not a heading: a next question takes no cause line";
            if (ref && ref->kind == LabelKind::Closing)
                return label + " is a closing text, not a heading: a closing text takes no cause line";
            const std::string near = nearestName(outcome.label, labelsOf({LabelKind::Heading}));
            markUsed(near);
            return "there is no heading " + label + (near.empty() ? "" : "; did you mean " + near + "?");
        }
        if (ref && ref->kind == LabelKind::Heading)
            return label + " is a heading: a conclusion needs its cause line after it (<TAB>" + label + "<TAB>cause)";
        const std::string near = nearestName(outcome.label, labelsOf({LabelKind::Question, LabelKind::Closing}));
        if (const KnowledgeBase::LabelRef* meant = base_.findLabel(near); meant && meant->kind == LabelKind::Question)
            assumed_[slot] = meant->index;
        markUsed(near);
        return "there is no question or closing text " + label + (near.empty() ? "" : "; did you mean " + near + "?");
    }

    void markUsed(const std::string& label)
    {
        if (!label.empty())
            assumedUsed_.push_back(label);
    }

    void checkReachable()
    {
        const std::vector<Question>& questions = base_.questions();
        const std::vector<bool> reached = reachable({base_.startIndex()}, {});
        // Rows the others lead to are reported with the first of them only.
        std::vector<bool> ledTo(questions.size(), false);
        for (std::size_t row = 0; row < questions.size(); ++row) {
            for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
                const std::size_t next = assumedNext(row, answer);
                if (!reached[row] && next != KnowledgeBase::kNotFound && next != row)
                    ledTo[next] = true;
            }
        }
        std::vector<bool> reported = reached;
        // First the heads of unreachable parts, then rows in circles of their own.
        for (const bool headsOnly : {true, false}) {
            for (std::size_t row = 0; row < questions.size(); ++row) {
                if (reported[row] || (headsOnly && ledTo[row]))
                    continue;
                const std::vector<bool> part = reachable({row}, reported);
                const auto more = std::count(part.begin(), part.end(), true) - 1;
                for (std::size_t i = 0; i < part.size(); ++i)
                    reported[i] = reported[i] || part[i];
                error(questions[row].line,
                    questions[row].label + " cannot be reached from the start question"
                        + (more == 0 ? std::string()
                                     : ", nor can the " + std::to_string(more) + " question" + (more == 1 ? "" : "s")
                                    + " it leads to"));
            }
        }
    }

    // The rows reached from the given ones, not entering rows already set in skip.
    std::vector<bool> reachable(const std::vector<std::size_t>& from, std::vector<bool> skip) const
    {
        std::vector<bool> reached(base_.questions().size(), false);
        if (skip.empty())
            skip.assign(reached.size(), false);
        std::vector<std::size_t> pending;
        for (const std::size_t row : from) {
            reached[row] = true;
            pending.push_back(row);
        }
        while (!pending.empty()) {
            const std::size_t row = pending.back();
            pending.pop_back();
            for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
                const std::size_t next = assumedNext(row, answer);
                if (next != KnowledgeBase::kNotFound && !reached[next] && !skip[next]) {
                    reached[next] = true;
                    pending.push_back(next);
                }
            }
        }
        return reached;
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
        for (const std::string& label : assumedUsed_) {
            if (const KnowledgeBase::LabelRef* ref = base_.findLabel(label)) {
                if (ref->kind == LabelKind::Heading)
                    headingUsed[ref->index] = true;
                else if (ref->kind == LabelKind::Closing)
                    closingUsed[ref->index] = true;
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

    void checkPathCount()
    {
        constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
        const std::uint64_t paths = countAnswerPaths(base_, kMost);
        if (paths > kManyAnswerPaths)
            warning(base_.startLine(),
                "there are " + std::string(paths == kMost ? "at least " : "") + std::to_string(paths)
                    + " answer paths from the start question, more than " + std::to_string(kManyAnswerPaths)
                    + ": questions reached in more than one way multiply them");
    }

    const KnowledgeBase& base_;
    std::string_view file_;
    std::vector<Diagnostic> found_;
    // For each answer (row * 2, YA then TIDAK) with a mistyped row label, the row it likely means.
    std::vector<std::size_t> assumed_;
    std::vector<std::string> assumedUsed_;
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
