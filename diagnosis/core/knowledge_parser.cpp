#include "diagnosis/core/knowledge_parser.h"

#include "diagnosis/core/tab_separated.h"
#include "diagnosis/core/text_hints.h"
#include "toolkit/core/error.h"
#include "toolkit/core/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace loco {
namespace {

constexpr int kDefaultPointSize = 12;
constexpr int kLargestPointSize = 72;

constexpr std::array<std::string_view, 6> kRecordNames{"start", "heading", "closing", "question", "ya", "tidak"};

bool isRecordName(std::string_view name)
{
    return std::find(kRecordNames.begin(), kRecordNames.end(), name) != kRecordNames.end();
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string quoted(std::string_view text)
{
    return "\"" + visibleText(text) + "\"";
}

std::string unknownRecord(std::string_view name)
{
    const std::string problem = "unknown record " + quoted(name);
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (hasInvisibleCharacter(name))
        return problem + ": it holds an invisible character";
    if (isRecordName(lower))
        return problem + ": record names are lower case: start, heading, closing, question, ya, tidak";
    return problem + "; the records are start, heading, closing, question, ya and tidak";
}

} // namespace

// Friend of KnowledgeBase: builds it record by record.
class KnowledgeParser {
public:
    // Every malformed line is reported; the base is only linked when there is none.
    std::variant<KnowledgeBase, std::vector<ParseError>> run(std::string_view text)
    {
        forEachLine(text, [this](std::string_view line) {
            ++lineNumber_;
            if (!isBlankLine(line) && !line.starts_with('#'))
                readLine(splitFields(line));
        });
        // Said at line 1, after what else is wrong there.
        if (!hasStart_) {
            errors_.push_back(ParseError{1, "there is no \"start\" line"});
            std::stable_sort(errors_.begin(), errors_.end(),
                [](const ParseError& a, const ParseError& b) { return a.line < b.line; });
        }
        if (!errors_.empty())
            return std::move(errors_);
        base_.link();
        return std::move(base_);
    }

private:
    void readLine(const std::vector<std::string_view>& fields)
    {
        const bool outcome = fields[0] == "ya" || fields[0] == "tidak";
        // The answers of a question that could not be read would only repeat its fault.
        if (outcome && skippingAnswers_)
            return;
        skippingAnswers_ = false;
        try {
            record(fields);
        } catch (ParseError& error) {
            errors_.push_back(std::move(error));
            if (!outcome) {
                current_ = KnowledgeBase::kNotFound;
                skippingAnswers_ = fields[0] == "question";
            }
        }
    }

    // Unwinds to readLine(), which collects the error and goes on.
    [[noreturn]] void fail(std::string problem) const { throw ParseError{lineNumber_, std::move(problem)}; }

    // Fields beyond the last: a TAB inside the text of the last field.
    [[noreturn]] void tabInside(const char* what, std::string_view after) const
    {
        fail(std::string("the ") + what + " holds a TAB (before " + quoted(after)
            + "): a TAB separates fields, so a text cannot hold one");
    }

    void requireText(std::string_view text, bool last, const std::string& what) const
    {
        if (!text.empty())
            return;
        fail("empty " + what + (last ? " (the line ends with a TAB)" : ""));
    }

    // Too many fields after a text are a TAB inside it (lastText names it).
    void expectFields(const std::vector<std::string_view>& fields, std::size_t least, std::size_t most,
        const char* form, const char* lastText = nullptr) const
    {
        if (lastText && fields.size() > most)
            tabInside(lastText, fields[most]);
        if (fields.size() < least || fields.size() > most)
            fail(std::string("expected ") + form);
    }

    // Record names and labels hold no blanks: a blank in one is nearly always
    // a TAB that an editor turned into blanks, and the message says so.
    void rejectBlanks(std::string_view field, const char* what) const
    {
        const std::size_t blank = field.find(' ');
        if (blank == std::string_view::npos)
            return;
        const std::string quoted = "\"" + std::string(field) + "\"";
        if (blank == 0)
            fail(std::string(what) + " " + quoted + " starts with a blank");
        if (field.find_first_not_of(' ', blank) == std::string_view::npos)
            fail(std::string(what) + " " + quoted + " ends with blanks");
        fail("fields must be separated by a TAB, found blanks after \"" + std::string(field.substr(0, blank)) + "\"");
    }

    std::string label(std::string_view field) const
    {
        if (field.empty())
            fail("empty label");
        rejectBlanks(field, "label");
        if (hasInvisibleCharacter(field))
            fail("label " + quoted(field) + " holds an invisible character");
        return std::string(field);
    }

    void taken(std::string_view label) const { fail("label " + std::string(label) + " is defined twice"); }

    void record(const std::vector<std::string_view>& fields)
    {
        const std::string_view kind = fields[0];
        if (!isRecordName(kind)) {
            if (isRecordName(kind.substr(0, kind.find(' '))))
                rejectBlanks(kind, "record");
            fail(unknownRecord(kind));
        }
        // Every record names a label second; checked first, because blanks in
        // place of a TAB also leave too few fields.
        const std::string name = fields.size() > 1 ? label(fields[1]) : std::string();
        if (kind == "ya" || kind == "tidak") {
            outcome(fields, name, kind == "ya" ? Answer::Ya : Answer::Tidak);
            return;
        }
        current_ = KnowledgeBase::kNotFound;
        if (kind == "start") {
            expectFields(fields, 2, 2, "start<TAB>row");
            if (hasStart_)
                fail("second \"start\" line");
            hasStart_ = true;
            base_.setStart(name, lineNumber_);
        } else if (kind == "heading") {
            expectFields(fields, 3, 3, "heading<TAB>label<TAB>text", "heading text");
            requireText(fields[2], true, "heading text");
            if (!base_.addHeading({name, std::string(fields[2]), lineNumber_}))
                taken(name);
        } else if (kind == "closing") {
            if (fields.size() > 4)
                fail("closing text " + name + " has more than two lines (a TAB inside a line?)");
            expectFields(fields, 3, 4, "closing<TAB>label<TAB>line[<TAB>line]");
            for (std::size_t i = 2; i < fields.size(); ++i)
                requireText(
                    fields[i], i + 1 == fields.size(), "line " + std::to_string(i - 1) + " of closing text " + name);
            if (!base_.addClosing({name, {fields.begin() + 2, fields.end()}, lineNumber_}))
                taken(name);
        } else {
            expectFields(fields, 3, 3, "question<TAB>row<TAB>text", "question text");
            requireText(fields[2], false, "question text");
            if (!base_.addQuestion(name, std::string(fields[2]), lineNumber_))
                taken(name);
            current_ = base_.questions_.size() - 1;
        }
    }

    void outcome(const std::vector<std::string_view>& fields, const std::string& target, Answer answer)
    {
        const std::string name(fields[0]);
        if (current_ == KnowledgeBase::kNotFound)
            fail("\"" + name + "\" does not follow a question");
        expectFields(fields, 2, 4, "ya|tidak<TAB>target or ya|tidak<TAB>heading<TAB>cause[<TAB>size]", "cause line");
        Question& question = base_.questions_[current_];
        Outcome& outcome = answer == Answer::Ya ? question.ya : question.tidak;
        if (outcome.kind != Outcome::Kind::None)
            fail("second \"" + name + "\" for " + question.label);
        outcome.label = target;
        outcome.line = lineNumber_;
        if (fields.size() == 2) {
            outcome.kind = Outcome::Kind::Next;
            return;
        }
        if (fields[2].empty() && fields.size() == 3)
            fail("the line ends with a TAB after " + target
                + ": a next question or closing text takes no further field, a conclusion needs a cause line");
        requireText(fields[2], false, "cause line");
        outcome.kind = Outcome::Kind::Conclusion;
        outcome.cause = std::string(fields[2]);
        outcome.pointSize = fields.size() == 4 ? pointSize(fields[3]) : kDefaultPointSize;
    }

    int pointSize(std::string_view field) const
    {
        // A size is written in digits; anything else is the rest of a cause
        // line that a TAB cut in two.
        if (field.empty() || field[0] < '0' || field[0] > '9')
            tabInside("cause line", field);
        int size = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), size);
        if (error != std::errc{} || end != field.data() + field.size() || size < 1 || size > kLargestPointSize)
            fail("type size " + quoted(field) + " is not a whole number of points from 1 to "
                + std::to_string(kLargestPointSize));
        return size;
    }

    KnowledgeBase base_;
    std::vector<ParseError> errors_;
    std::size_t lineNumber_ = 0;
    std::size_t current_ = KnowledgeBase::kNotFound; // the question that outcome lines belong to
    bool skippingAnswers_ = false;
    bool hasStart_ = false;
};

std::variant<KnowledgeBase, std::vector<ParseError>> readKnowledgeBase(std::string_view text)
{
    if (const auto fault = findInvalidUtf8(text))
        return std::vector<ParseError>{{fault->line, describe(*fault)}};
    return KnowledgeParser().run(withoutByteOrderMark(text));
}

KnowledgeBase parseKnowledgeBase(std::string_view text, std::string_view sourceName)
{
    auto result = readKnowledgeBase(text);
    if (auto* errors = std::get_if<std::vector<ParseError>>(&result))
        throw dataError(sourceName, errors->front().line, errors->front().problem);
    return std::move(std::get<KnowledgeBase>(result));
}

} // namespace loco
