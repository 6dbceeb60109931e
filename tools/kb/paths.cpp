#include "tools/kb/paths.h"

#include <string>
#include <vector>

namespace loco::kb {
namespace {

void writeEnding(const KnowledgeBase& base, const Outcome& outcome, std::ostream& out)
{
    switch (outcome.kind) {
    case Outcome::Kind::Conclusion: {
        const Heading& heading = base.headings()[outcome.target];
        out << heading.label << '\t' << heading.text << '\t' << outcome.cause;
        break;
    }
    case Outcome::Kind::Closing: {
        const Closing& closing = base.closings()[outcome.target];
        out << closing.label;
        for (const std::string& line : closing.lines)
            out << '\t' << line;
        break;
    }
    default:
        out << "-\t(no outcome: the answer changes nothing)";
    }
}

} // namespace

std::uint64_t writePaths(const KnowledgeBase& base, std::ostream& out)
{
    // A path through a chain may be as long as the file: kept by hand.
    struct Step {
        std::size_t question;
        int answers; // followed so far: YA first, then TIDAK
    };
    std::vector<Step> path{{base.startIndex(), 0}};
    std::string answers;
    std::uint64_t total = 0;
    while (!path.empty()) {
        Step& step = path.back();
        if (step.answers == 2) {
            path.pop_back();
            if (!answers.empty())
                answers.pop_back();
            continue;
        }
        const bool ya = step.answers++ == 0;
        const Outcome& outcome = base.questions()[step.question].outcome(ya ? Answer::Ya : Answer::Tidak);
        answers.push_back(ya ? 'Y' : 'T');
        if (outcome.kind == Outcome::Kind::Next) {
            path.push_back({outcome.target, 0});
            continue;
        }
        out << answers << '\t';
        writeEnding(base, outcome, out);
        out << '\n';
        answers.pop_back();
        ++total;
    }
    out << total << (total == 1 ? " ending\n" : " endings\n");
    return total;
}

} // namespace loco::kb
