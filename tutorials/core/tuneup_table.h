#pragma once

#include "tutorials/core/tutorial_file.h"

#include <optional>
#include <string>
#include <vector>

namespace loco {

/// One tune-up tutorial: the radio item that selects it, the title line, the
/// text lines (verbatim, possibly empty) and the picture path, if any.
struct TuneupTutorial {
    RadioChoice choice;
    std::string title;
    std::optional<std::string> picture;
    std::vector<std::string> lines;
};

/// The twenty-six tune-up tutorials, ordered by radio group and item: the
/// order in which the window examines its groups.
class TuneupTable {
public:
    static constexpr int kSize = 26;
    static constexpr int kGroupCount = 7;

    /// Parses the files of tutorials 1..26, in that order. Throws loco::Error
    /// when a file is malformed, the count is wrong, or the selecting items do
    /// not run group by group, each group's items from 0 without gaps.
    explicit TuneupTable(const std::vector<SourceText>& files);

    /// Tutorial number n, 1 <= n <= kSize; throws std::out_of_range otherwise.
    const TuneupTutorial& at(int n) const;

    /// The tutorial selected by item `item` of radio group `group`, or nullptr
    /// when the group has no such item.
    const TuneupTutorial* find(int group, int item) const;

    const std::vector<TuneupTutorial>& tutorials() const { return tutorials_; }

private:
    std::vector<TuneupTutorial> tutorials_;
};

} // namespace loco
