#include "tools/kb/paths.h"

#include "diagnosis/core/knowledge_cases.h"
#include "diagnosis/core/knowledge_walk.h"

namespace loco::kb {

std::uint64_t writePaths(const KnowledgeBase& base, std::ostream& out)
{
    std::uint64_t total = 0;
    forEachAnswerPath(base, [&](std::span<const AnsweredQuestion> answers) {
        out << pathText(casePath(base, answers)) << '\n';
        ++total;
        return bool(out);
    });
    out << total << (total == 1 ? " path\n" : " paths\n");
    return total;
}

} // namespace loco::kb
