#include "diagnosis/core/knowledge_parser.h"

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

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', begin);
        fields.push_back(line.substr(begin, tab - begin));
        if (tab == std::string_view::npos)
            return fields;
        begin = tab + 1;
    }
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

// Friend of KnowledgeBase: builds it record by record.
class KnowledgeParser {
public:
    KnowledgeBase run(std::string_view text)
    {
        std::size_t begin = 0;
        while (begin < text.size()) {
            std::size_t end = text.find('\n', begin);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(begin, end - begin);
            // Tolerate files checked out with Windows line ends.
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++lineNumber_;
            if (!isBlankLine(line) && !line.starts_with('#'))
                record(splitFields(line));
            begin = end + 1;
        }
        if (!hasStart_) {
            lineNumber_ = 1;
            fail("there is no \"start\" line");
        }
        base_.link();
        return std::move(base_);
    }

private:
    // Unwinds to readKnowledgeBase(), which hands the error on as a value.
    [[noreturn]] void fail(std::string problem) const { throw ParseError{lineNumber_, std::move(problem)}; }

    void expectFields(
        const std::vector<std::string_view>& fields, std::size_t least, std::size_t most, const char* form) const
    {
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
        return std::string(field);
    }

    void taken(std::string_view label) const { fail("label " + std::string(label) + " is defined twice"); }

    void record(const std::vector<std::string_view>& fields)
    {
        const std::string_view kind = fields[0];
        if (!isRecordName(kind)) {
            if (isRecordName(kind.substr(0, kind.find(' '))))
                rejectBlanks(kind, "record");
            fail("unknown record \"" + std::string(kind) + "\"");
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
            expectFields(fields, 3, 3, "heading<TAB>label<TAB>text");
            if (!base_.addHeading({name, std::string(fields[2]), lineNumber_}))
                taken(name);
        } else if (kind == "closing") {
            expectFields(fields, 3, 4, "closing<TAB>label<TAB>line[<TAB>line]");
            if (!base_.addClosing({name, {fields.begin() + 2, fields.end()}, lineNumber_}))
                taken(name);
        } else {
            expectFields(fields, 3, 3, "question<TAB>row<TAB>text");
            if (fields[2].empty())
                fail("empty question text");
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
        expectFields(fields, 2, 4, "ya|tidak<TAB>target or ya|tidak<TAB>heading<TAB>cause[<TAB>size]");
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
        outcome.kind = Outcome::Kind::Conclusion;
        outcome.cause = std::string(fields[2]);
        outcome.pointSize = fields.size() == 4 ? pointSize(fields[3]) : kDefaultPointSize;
    }

    int pointSize(std::string_view field) const
    {
        int size = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), size);
        if (error != std::errc{} || end != field.data() + field.size() || size < 1 || size > kLargestPointSize)
            fail("type size \"" + std::string(field) + "\" is not a whole number of points from 1 to "
                + std::to_string(kLargestPointSize));
        return size;
    }

    KnowledgeBase base_;
    std::size_t lineNumber_ = 0;
    std::size_t current_ = KnowledgeBase::kNotFound; // the question that outcome lines belong to
    bool hasStart_ = false;
};

std::variant<KnowledgeBase, ParseError> readKnowledgeBase(std::string_view text)
{
    if (const auto fault = findInvalidUtf8(text))
        return ParseError{fault->line, describe(*fault)};
    try {
        return KnowledgeParser().run(withoutByteOrderMark(text));
    } catch (ParseError& error) {
        return std::move(error);
    }
}

KnowledgeBase parseKnowledgeBase(std::string_view text, std::string_view sourceName)
{
    auto result = readKnowledgeBase(text);
    if (auto* error = std::get_if<ParseError>(&result))
        throw dataError(sourceName, error->line, error->problem);
    return std::move(std::get<KnowledgeBase>(result));
}

} // namespace loco
