#include "tutorials/core/tuneup_table.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <stdexcept>

namespace loco {
namespace {

std::string describe(RadioChoice choice)
{
    return "group " + std::to_string(choice.group) + " item " + std::to_string(choice.item);
}

// The window's groups hold consecutive tutorials, so each file must select
// either the next item of the current group or item 0 of the next group.
bool follows(RadioChoice previous, RadioChoice next)
{
    return (next.group == previous.group && next.item == previous.item + 1)
        || (next.group == previous.group + 1 && next.item == 0);
}

} // namespace

TuneupTable::TuneupTable(const std::vector<SourceText>& files)
{
    if (files.size() != kSize)
        throw Error(
            "tune-up table: expected " + std::to_string(kSize) + " tutorials, got " + std::to_string(files.size()));
    tutorials_.reserve(files.size());
    RadioChoice previous{0, 0};
    for (const auto& source : files) {
        auto file = parseTutorialFile(source);
        // A missing key or text is reported where the header ends.
        if (file.caption)
            throw dataError(source.name, file.captionLine, "\"caption\" belongs to maintenance entries only");
        if (!file.intervals.empty())
            throw dataError(
                source.name, file.intervals.front().line, "\"interval\" belongs to maintenance entries only");
        if (!file.select)
            throw dataError(source.name, file.separatorLine, "no \"select\"");
        if (file.select->group < 1 || file.select->group > kGroupCount)
            throw dataError(
                source.name, file.selectLine, "group " + std::to_string(file.select->group) + " does not exist");
        if (!follows(previous, *file.select))
            throw dataError(source.name, file.selectLine,
                "selected by " + describe(*file.select) + ", expected the item after " + describe(previous)
                    + " or item 0 of the next group");
        if (file.lines.empty())
            throw dataError(source.name, file.separatorLine, "no text lines");
        previous = *file.select;
        tutorials_.push_back({*file.select, std::move(file.title), std::move(file.picture), std::move(file.lines)});
    }
    if (previous.group != kGroupCount)
        throw Error("tune-up table: the last tutorial is in group " + std::to_string(previous.group) + ", expected "
            + std::to_string(kGroupCount));
}

const TuneupTutorial& TuneupTable::at(int n) const
{
    if (n < 1 || n > kSize)
        throw std::out_of_range("tune-up tutorial " + std::to_string(n) + " does not exist");
    return tutorials_[static_cast<std::size_t>(n - 1)];
}

const TuneupTutorial* TuneupTable::find(int group, int item) const
{
    const RadioChoice wanted{group, item};
    const auto it = std::lower_bound(tutorials_.begin(), tutorials_.end(), wanted,
        [](const TuneupTutorial& t, RadioChoice c) { return t.choice < c; });
    return it != tutorials_.end() && it->choice == wanted ? &*it : nullptr;
}

} // namespace loco
