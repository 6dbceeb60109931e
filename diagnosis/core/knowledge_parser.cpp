#include "diagnosis/core/knowledge_parser.h"

#include "toolkit/core/error.h"

#include <charconv>
#include <string>
#include <vector>

namespace loco {
namespace {

constexpr int defaultPointSize = 12;
constexpr int largestPointSize = 72;

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

} // namespace

// Friend of KnowledgeBase: builds it record by record.
class KnowledgeParser {
public:
    explicit KnowledgeParser(std::string_view sourceName) : sourceName_(sourceName) {}

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
            if (!line.empty() && !line.starts_with('#'))
                record(splitFields(line));
            begin = end + 1;
        }
        if (!hasStart_) {
            lineNumber_ = 0;
            fail("there is no \"start\" line");
        }
        base_.link();
        return std::move(base_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        std::string message;
        if (!sourceName_.empty())
            message.append(sourceName_).append(lineNumber_ ? ", " : ": ");
        if (lineNumber_)
            message.append("line ").append(std::to_string(lineNumber_)).append(": ");
        message.append(what);
        throw Error(message);
    }

    void expectFields(const std::vector<std::string_view>& fields, std::size_t least, std::size_t most,
                      const char* form) const
    {
        if (fields.size() < least || fields.size() > most)
            fail(std::string("expected ") + form);
    }

    std::string label(std::string_view field) const
    {
        if (field.empty())
            fail("empty label");
        return std::string(field);
    }

    void taken(std::string_view label) const { fail("label " + std::string(label) + " is defined twice"); }

    void record(const std::vector<std::string_view>& fields)
    {
        const std::string_view kind = fields[0];
        if (kind == "ya" || kind == "tidak") {
            outcome(fields, kind == "ya" ? Answer::Ya : Answer::Tidak);
            return;
        }
        current_ = KnowledgeBase::npos;
        if (kind == "start") {
            expectFields(fields, 2, 2, "start<TAB>row");
            if (hasStart_)
                fail("second \"start\" line");
            hasStart_ = true;
            base_.setStart(label(fields[1]));
        } else if (kind == "heading") {
            expectFields(fields, 3, 3, "heading<TAB>label<TAB>text");
            if (!base_.addHeading(label(fields[1]), std::string(fields[2])))
                taken(fields[1]);
        } else if (kind == "closing") {
            expectFields(fields, 3, 4, "closing<TAB>label<TAB>line[<TAB>line]");
            if (!base_.addClosing(label(fields[1]), {fields.begin() + 2, fields.end()}))
                taken(fields[1]);
        } else if (kind == "question") {
            expectFields(fields, 3, 3, "question<TAB>row<TAB>text");
            if (fields[2].empty())
                fail("empty question text");
            if (!base_.addQuestion(label(fields[1]), std::string(fields[2])))
                taken(fields[1]);
            current_ = base_.questions_.size() - 1;
        } else {
            fail("unknown record \"" + std::string(kind) + "\"");
        }
    }

    void outcome(const std::vector<std::string_view>& fields, Answer answer)
    {
        const std::string name(fields[0]);
        if (current_ == KnowledgeBase::npos)
            fail("\"" + name + "\" does not follow a question");
        expectFields(fields, 2, 4, "ya|tidak<TAB>target or ya|tidak<TAB>heading<TAB>cause[<TAB>size]");
        Question& question = base_.questions_[current_];
        Outcome& outcome = answer == Answer::Ya ? question.ya : question.tidak;
        if (outcome.kind != Outcome::Kind::None)
            fail("second \"" + name + "\" for " + question.label);
        outcome.label = label(fields[1]);
        if (fields.size() == 2) {
            outcome.kind = Outcome::Kind::Next;
            return;
        }
        outcome.kind = Outcome::Kind::Conclusion;
        outcome.cause = std::string(fields[2]);
        outcome.pointSize = fields.size() == 4 ? pointSize(fields[3]) : defaultPointSize;
    }

    int pointSize(std::string_view field) const
    {
        int size = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), size);
        if (error != std::errc{} || end != field.data() + field.size() || size < 1 || size > largestPointSize)
            fail("type size \"" + std::string(field) + "\" is not a whole number of points from 1 to "
                 + std::to_string(largestPointSize));
        return size;
    }

    std::string_view sourceName_;
    KnowledgeBase base_;
    std::size_t lineNumber_ = 0;
    std::size_t current_ = KnowledgeBase::npos; // the question that outcome lines belong to
    bool hasStart_ = false;
};

KnowledgeBase parseKnowledgeBase(std::string_view text, std::string_view sourceName)
{
    return KnowledgeParser(sourceName).run(text);
}

} // namespace loco
