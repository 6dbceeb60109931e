#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace loco {

enum class Answer { Ya, Tidak };

// What the diagnosis window has to do after an answer. The views point into
// the knowledge base and stay valid as long as it does.
struct NextQuestion {
    std::string_view text; // becomes the question line
};
struct Conclusion {
    std::string_view heading;
    std::string_view cause;
    int pointSize; // type size of the results box
};
struct ClosingText {
    std::span<const std::string> lines; // one or two lines
};
// std::monostate: nothing happens, the window stays as it is.
using Step = std::variant<std::monostate, NextQuestion, Conclusion, ClosingText>;

// One answer's outcome as the data gives it.
struct Outcome {
    enum class Kind { None, Next, Closing, Conclusion };
    static constexpr std::size_t kUnresolved = static_cast<std::size_t>(-1);

    Kind kind = Kind::None;
    std::string label; // the row, closing or heading label named in the data
    std::string cause; // conclusions only
    int pointSize = 12; // conclusions only
    std::size_t target = kUnresolved; // index of the row, closing or heading
    std::size_t line = 0; // of its "ya" or "tidak" record; 0 for no outcome
};

// Every record keeps its line in the data file, for the checks' messages.
struct Question {
    std::string label;
    std::string text;
    std::size_t line = 0;
    Outcome ya;
    Outcome tidak;

    const Outcome& outcome(Answer answer) const { return answer == Answer::Ya ? ya : tidak; }
};

struct Heading {
    std::string label;
    std::string text;
    std::size_t line = 0;
};

struct Closing {
    std::string label;
    std::vector<std::string> lines; // one or two
    std::size_t line = 0;
};

// The question records of one system, with the conclusion headings and closing
// texts they refer to. Built by parseKnowledgeBase(); a default-constructed
// base is empty and answers nothing.
class KnowledgeBase {
public:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    // The answer to the question whose text equals questionLine byte for byte
    // (case, blanks and punctuation included; nothing is trimmed). Unknown
    // texts, answers without an outcome and unknown labels give std::monostate.
    Step answer(std::string_view questionLine, Answer answer) const;

    // Text of the first question of the dialogue; empty if there is none.
    std::string_view startQuestion() const;
    const std::string& startLabel() const { return startLabel_; }
    std::size_t startLine() const { return startLine_; }
    std::size_t startIndex() const { return startIndex_; }

    const std::vector<Question>& questions() const { return questions_; }
    const std::vector<Heading>& headings() const { return headings_; }
    const std::vector<Closing>& closings() const { return closings_; }

    // Index of the first question with exactly this text, or kNotFound.
    std::size_t findQuestion(std::string_view text) const;

    // What a label names: a question, heading or closing text, and its index.
    enum class LabelKind { Question, Heading, Closing };
    struct LabelRef {
        LabelKind kind;
        std::size_t index;
    };
    const LabelRef* findLabel(std::string_view label) const;

private:
    friend class KnowledgeParser;

    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    template <typename T> using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

    // Each returns false when the label is taken already: rows, headings and
    // closings share one set of labels so that a target is never ambiguous.
    bool addHeading(Heading heading);
    bool addClosing(Closing closing);
    bool addQuestion(std::string label, std::string text, std::size_t line);
    void setStart(std::string label, std::size_t line)
    {
        startLabel_ = std::move(label);
        startLine_ = line;
    }
    // Resolves every label once the whole file is read.
    void link();
    void resolve(Outcome& outcome) const;

    std::vector<Question> questions_;
    std::vector<Heading> headings_;
    std::vector<Closing> closings_;
    TextMap<LabelRef> labels_;
    TextMap<std::size_t> byText_;
    std::string startLabel_;
    std::size_t startLine_ = 0;
    std::size_t startIndex_ = kNotFound;
};

} // namespace loco
