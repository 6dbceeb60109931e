#include "diagnosis/core/tab_separated.h"

namespace loco {

void forEachLine(std::string_view text, const std::function<void(std::string_view line)>& read)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(begin, end - begin);
        // Files checked out with Windows line ends read the same.
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        read(line);
        begin = end + 1;
    }
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t begin = 0;;) {
        const std::size_t tab = line.find('\t', begin);
        fields.push_back(line.substr(begin, tab - begin));
        if (tab == std::string_view::npos)
            return fields;
        begin = tab + 1;
    }
}

} // namespace loco
