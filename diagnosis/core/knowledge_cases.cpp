#include "diagnosis/core/knowledge_cases.h"

#include "diagnosis/core/tab_separated.h"
#include "toolkit/core/error.h"

#include <charconv>
#include <map>

namespace loco {
namespace {

constexpr std::string_view kHeader = "# Regression cases of the diagnosis knowledge: for each knowledge file, its\n"
                                     "# start, every question, heading and closing text, and every sequence of\n"
                                     "# answers with the ending it gives. Written by lokomotif-kb paths --cases;\n"
                                     "# lokomotif-kb test compares the knowledge files with it, and so does the\n"
                                     "# build. Texts stand in brackets so that every blank shows. Review every\n"
                                     "# change to this file before committing it.\n";

const char* answerWord(Answer answer)
{
    return answer == Answer::Ya ? "YA" : "TIDAK";
}

std::string bracketed(const std::vector<std::string>& texts)
{
    std::string line;
    for (const std::string& text : texts)
        line += "\t[" + text + "]";
    return line;
}

std::string endingText(const CaseEnding& ending)
{
    if (ending.pointSize == 0)
        return ending.label;
    return ending.label + "\t" + std::to_string(ending.pointSize) + "pt\t[" + ending.cause + "]";
}

// What a reader of a difference sees: the ending with blanks between fields.
std::string shown(std::string text)
{
    for (char& c : text) {
        if (c == '\t')
            c = ' ';
    }
    return text;
}

class CasesReader {
public:
    explicit CasesReader(std::string_view name) : name_(name) { }

    std::vector<SystemCases> run(std::string_view text)
    {
        forEachLine(text, [this](std::string_view line) {
            ++line_;
            if (!line.empty() && !line.starts_with('#'))
                record(splitFields(line));
        });
        return std::move(systems_);
    }

private:
    [[noreturn]] void fail(const std::string& problem) const { throw dataError(name_, line_, problem); }

    void record(const std::vector<std::string_view>& fields)
    {
        const std::string_view kind = fields[0];
        if (kind == "file") {
            expect(fields, 2, 2, "file<TAB>name");
            systems_.push_back({std::string(fields[1]), line_, {}, {}, {}, {}, {}});
            return;
        }
        if (systems_.empty())
            fail("\"" + std::string(kind) + "\" before the first \"file\" line");
        SystemCases& system = systems_.back();
        if (kind == "start") {
            expect(fields, 2, 2, "start<TAB>label");
            system.start = fields[1];
        } else if (kind == "question" || kind == "heading") {
            expect(fields, 3, 3, "question|heading<TAB>label<TAB>[text]");
            (kind == "question" ? system.questions : system.headings)
                .push_back({std::string(fields[1]), {text(fields[2])}, line_});
        } else if (kind == "closing") {
            expect(fields, 3, 4, "closing<TAB>label<TAB>[line]<TAB>[line]");
            CaseTexts closing{std::string(fields[1]), {}, line_};
            for (std::size_t i = 2; i < fields.size(); ++i)
                closing.texts.push_back(text(fields[i]));
            system.closings.push_back(std::move(closing));
        } else if (kind == "path") {
            system.paths.push_back(path(fields));
        } else {
            fail("unknown record \"" + std::string(kind) + "\"");
        }
    }

    void expect(const std::vector<std::string_view>& fields, std::size_t least, std::size_t most, const char* form)
    {
        if (fields.size() < least || fields.size() > most)
            fail(std::string("expected ") + form);
    }

    std::string text(std::string_view field) const
    {
        if (field.size() < 2 || field.front() != '[' || field.back() != ']')
            fail("a text must stand in brackets: [text]");
        return std::string(field.substr(1, field.size() - 2));
    }

    CasePath path(const std::vector<std::string_view>& fields)
    {
        if (fields.size() != 3 && fields.size() != 5)
            fail("expected path<TAB>answers<TAB>closing or path<TAB>answers<TAB>heading<TAB>size<TAB>[cause]");
        CasePath path{steps(fields[1]), {std::string(fields[2]), 0, {}}, line_};
        if (fields.size() == 5) {
            const std::string_view size = fields[3];
            const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), path.ending.pointSize);
            if (error != std::errc{} || size.substr(std::size_t(end - size.data())) != "pt"
                || path.ending.pointSize < 1)
                fail("expected a type size such as 12pt");
            path.ending.cause = text(fields[4]);
        }
        return path;
    }

    // "F1 TIDAK, F2 YA": labels hold no blanks, so the words alternate.
    std::vector<CaseStep> steps(std::string_view answers) const
    {
        std::vector<std::string_view> words;
        for (std::size_t begin = 0; begin < answers.size();) {
            const std::size_t blank = answers.find(' ', begin);
            words.push_back(answers.substr(begin, blank - begin));
            begin = blank == std::string_view::npos ? answers.size() : blank + 1;
        }
        std::vector<CaseStep> steps;
        for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
            std::string_view answer = words[i + 1];
            if (i + 2 < words.size() && answer.ends_with(','))
                answer.remove_suffix(1);
            if (answer != "YA" && answer != "TIDAK")
                fail("expected answers such as \"F1 TIDAK, F2 YA\"");
            steps.push_back({std::string(words[i]), answer == "YA" ? Answer::Ya : Answer::Tidak});
        }
        if (steps.empty() || words.size() % 2 != 0)
            fail("expected answers such as \"F1 TIDAK, F2 YA\"");
        return steps;
    }

    std::string_view name_;
    std::size_t line_ = 0;
    std::vector<SystemCases> systems_;
};

// Compares records keyed by a name, in the order of expected.
class Comparison {
public:
    Comparison(const SystemCases& expected, std::string_view casesName, std::vector<Diagnostic>& found)
        : expected_(expected), casesName_(casesName), found_(found)
    {
    }

    struct Entry {
        std::string key; // "question F1", "path F1 TIDAK, F2 YA"
        std::string value;
        std::size_t line;
    };

    void compare(const std::vector<Entry>& expected, const std::vector<Entry>& actual)
    {
        std::map<std::string, const Entry*> now;
        for (const Entry& entry : actual)
            now.emplace(entry.key, &entry);
        for (const Entry& entry : expected) {
            const auto it = now.find(entry.key);
            if (it == now.end()) {
                difference(entry.line, entry.key + " is gone; expected " + shown(entry.value));
            } else {
                if (it->second->value != entry.value)
                    difference(entry.line,
                        entry.key + ": expected " + shown(entry.value) + ", found " + shown(it->second->value));
                now.erase(it);
            }
        }
        for (const Entry& entry : actual) {
            if (now.count(entry.key))
                difference(expected_.line, entry.key + " is new: " + shown(entry.value));
        }
    }

private:
    void difference(std::size_t line, const std::string& message)
    {
        found_.push_back({Diagnostic::Severity::Error, std::string(casesName_), line, expected_.file + ": " + message});
    }

    const SystemCases& expected_;
    std::string_view casesName_;
    std::vector<Diagnostic>& found_;
};

std::vector<Comparison::Entry> entries(const char* kind, const std::vector<CaseTexts>& records)
{
    std::vector<Comparison::Entry> list;
    for (const CaseTexts& record : records)
        list.push_back({std::string(kind) + " " + record.label, bracketed(record.texts).substr(1), record.line});
    return list;
}

std::vector<Comparison::Entry> entries(const std::vector<CasePath>& paths)
{
    std::vector<Comparison::Entry> list;
    for (const CasePath& path : paths)
        list.push_back({"path " + answersText(path.steps), endingText(path.ending), path.line});
    return list;
}

} // namespace

std::string answersText(const std::vector<CaseStep>& steps)
{
    std::string text;
    for (const CaseStep& step : steps)
        text += (text.empty() ? "" : ", ") + step.label + " " + answerWord(step.answer);
    return text;
}

SystemCases casesOf(const KnowledgeBase& base, std::string file)
{
    SystemCases cases{std::move(file), 0, base.startLabel(), {}, {}, {}, {}};
    for (const Question& question : base.questions())
        cases.questions.push_back({question.label, {question.text}, 0});
    for (const Heading& heading : base.headings())
        cases.headings.push_back({heading.label, {heading.text}, 0});
    for (const Closing& closing : base.closings())
        cases.closings.push_back({closing.label, closing.lines, 0});
    forEachAnswerPath(base, [&](std::span<const AnsweredQuestion> answers) {
        cases.paths.push_back(casePath(base, answers));
        return true;
    });
    return cases;
}

CasePath casePath(const KnowledgeBase& base, std::span<const AnsweredQuestion> answers)
{
    CasePath path;
    for (const AnsweredQuestion& step : answers)
        path.steps.push_back({base.questions()[step.question].label, step.answer});
    const Outcome& ending = endingOf(base, answers.back());
    path.ending.label = ending.label;
    if (ending.kind == Outcome::Kind::Conclusion) {
        path.ending.pointSize = ending.pointSize;
        path.ending.cause = ending.cause;
    }
    return path;
}

std::string pathText(const CasePath& path)
{
    return answersText(path.steps) + "\t" + endingText(path.ending);
}

std::string writeCases(const std::vector<SystemCases>& systems)
{
    std::string text(kHeader);
    for (const SystemCases& system : systems) {
        text += "\nfile\t" + system.file + "\nstart\t" + system.start + "\n";
        for (const CaseTexts& question : system.questions)
            text += "question\t" + question.label + bracketed(question.texts) + "\n";
        for (const CaseTexts& heading : system.headings)
            text += "heading\t" + heading.label + bracketed(heading.texts) + "\n";
        for (const CaseTexts& closing : system.closings)
            text += "closing\t" + closing.label + bracketed(closing.texts) + "\n";
        for (const CasePath& path : system.paths)
            text += "path\t" + pathText(path) + "\n";
    }
    return text;
}

std::vector<SystemCases> readCases(std::string_view text, std::string_view name)
{
    return CasesReader(name).run(text);
}

std::vector<Diagnostic> compareCases(const SystemCases& expected, const SystemCases& actual, std::string_view casesName)
{
    std::vector<Diagnostic> found;
    Comparison comparison(expected, casesName, found);
    comparison.compare({{"start", expected.start, expected.line}}, {{"start", actual.start, 0}});
    comparison.compare(entries("question", expected.questions), entries("question", actual.questions));
    comparison.compare(entries("heading", expected.headings), entries("heading", actual.headings));
    comparison.compare(entries("closing", expected.closings), entries("closing", actual.closings));
    comparison.compare(entries(expected.paths), entries(actual.paths));
    return found;
}

} // namespace loco
