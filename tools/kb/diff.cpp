#include "tools/kb/diff.h"

#include "diagnosis/core/knowledge_cases.h"
#include "diagnosis/core/knowledge_walk.h"

#include <map>

namespace loco::kb {
namespace {

struct Ending {
    AnsweredQuestion last;
    std::string label;
    std::string detail; // type size and cause of a conclusion
};

// Every ending of a base by "F6 YA", in the file's order.
std::vector<std::pair<std::string, Ending>> endings(const KnowledgeBase& base)
{
    std::vector<std::pair<std::string, Ending>> list;
    const std::vector<Question>& questions = base.questions();
    for (std::size_t row = 0; row < questions.size(); ++row) {
        for (const Answer answer : {Answer::Ya, Answer::Tidak}) {
            const Outcome& outcome = questions[row].outcome(answer);
            if (outcome.kind != Outcome::Kind::Conclusion && outcome.kind != Outcome::Kind::Closing)
                continue;
            Ending ending{{row, answer}, outcome.label, {}};
            if (outcome.kind == Outcome::Kind::Conclusion)
                ending.detail = (outcome.pointSize == 12 ? "" : std::to_string(outcome.pointSize) + "pt ") + "["
                    + outcome.cause + "]";
            list.emplace_back(questions[row].label + (answer == Answer::Ya ? " YA" : " TIDAK"), std::move(ending));
        }
    }
    return list;
}

// The shortest way to an ending's question (its own answer is in its name).
std::vector<CaseStep> shortestWay(const KnowledgeBase& base, AnsweredQuestion ending)
{
    std::vector<CaseStep> steps;
    if (const auto path = shortestPathTo(base, ending.question)) {
        for (const AnsweredQuestion& step : *path)
            steps.push_back({base.questions()[step.question].label, step.answer});
    }
    return steps;
}

std::string wayText(const std::vector<CaseStep>& steps)
{
    return steps.empty() ? "(the start question)" : answersText(steps);
}

// A way without the questions that other does not have: a question added or
// removed on the way is its own difference, not one of every ending after it.
std::string sharedWay(const std::vector<CaseStep>& steps, const KnowledgeBase& other)
{
    std::string way;
    for (const CaseStep& step : steps) {
        const KnowledgeBase::LabelRef* ref = other.findLabel(step.label);
        if (ref && ref->kind == KnowledgeBase::LabelKind::Question)
            way += step.label + (step.answer == Answer::Ya ? " YA," : " TIDAK,");
    }
    return way;
}

// Texts of headings and closings by label.
std::map<std::string, std::string> texts(const KnowledgeBase& base)
{
    std::map<std::string, std::string> byLabel;
    for (const Heading& heading : base.headings())
        byLabel[heading.label] = "[" + heading.text + "]";
    for (const Closing& closing : base.closings()) {
        std::string text;
        for (const std::string& line : closing.lines)
            text += (text.empty() ? "[" : " [") + line + "]";
        byLabel[closing.label] = text;
    }
    return byLabel;
}

} // namespace

std::vector<std::string> diffEndings(const KnowledgeBase& before, const KnowledgeBase& after)
{
    const auto old = endings(before);
    std::map<std::string, const Ending*> oldByKey;
    for (const auto& [key, ending] : old)
        oldByKey.emplace(key, &ending);

    std::vector<std::string> lines;
    for (const auto& [key, now] : endings(after)) {
        const auto it = oldByKey.find(key);
        if (it == oldByKey.end()) {
            lines.push_back("added " + key + " \u2192 " + now.label);
            continue;
        }
        const Ending& was = *it->second;
        oldByKey.erase(it);
        if (was.label != now.label)
            lines.push_back("changed " + key + ": " + was.label + " \u2192 " + now.label);
        else if (was.detail != now.detail)
            lines.push_back(
                "changed " + key + ": " + was.label + " " + was.detail + " \u2192 " + now.label + " " + now.detail);
        const std::vector<CaseStep> wayBefore = shortestWay(before, was.last);
        const std::vector<CaseStep> wayAfter = shortestWay(after, now.last);
        if (sharedWay(wayBefore, after) != sharedWay(wayAfter, before))
            lines.push_back("path " + key + ": " + wayText(wayBefore) + " \u2192 " + wayText(wayAfter));
    }
    for (const auto& [key, was] : old) {
        if (oldByKey.count(key))
            lines.push_back("removed " + key + " \u2192 " + was.label);
    }
    const auto textsBefore = texts(before);
    for (const auto& [label, text] : texts(after)) {
        const auto it = textsBefore.find(label);
        if (it != textsBefore.end() && it->second != text)
            lines.push_back("changed " + label + ": " + it->second + " \u2192 " + text);
    }
    return lines;
}

} // namespace loco::kb
