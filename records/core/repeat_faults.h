#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loco::records {

// A fault that comes back: the same diagnosis conclusion on the same unit
// twice within this many days.
inline constexpr int kRepeatWindowDays = 90;

// Conclusions compared as a reader compares them: ASCII case and runs of
// blanks (spaces, tabs, line breaks) ignored, blanks at the ends dropped.
std::string conclusionKey(std::string_view conclusion);

// One diagnosis of a unit, as far as the rule needs it.
struct Finding {
    std::int64_t filedAtMs;
    std::string_view conclusion;
};

// For findings of one unit in time order: for each, the index of the latest
// earlier finding with the same conclusion at most 90 days before it, or
// nothing when it is not a repeat.
std::vector<std::optional<std::size_t>> findRepeats(const std::vector<Finding>& findings);

// How a repeat is marked, in words: "berulang: sama dengan catatan no. 7,
// 12 hari sebelumnya" (whole days between the two filings; "pada hari yang
// sama" within a day).
std::string repeatNote(std::int64_t earlierNumber, std::int64_t earlierMs, std::int64_t laterMs);

} // namespace loco::records
