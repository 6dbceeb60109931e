#include "records/core/repeat_faults.h"

#include <unordered_map>

namespace loco::records {
namespace {

constexpr std::int64_t kRepeatWindowMs = std::int64_t(kRepeatWindowDays) * 24 * 60 * 60 * 1000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::string conclusionKey(std::string_view conclusion)
{
    std::string key;
    bool blank = false;
    for (const char c : conclusion) {
        if (isBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !key.empty())
            key += ' ';
        blank = false;
        key += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    return key;
}

std::vector<std::optional<std::size_t>> findRepeats(const std::vector<Finding>& findings)
{
    std::vector<std::optional<std::size_t>> repeats(findings.size());
    std::unordered_map<std::string, std::size_t> latest; // conclusion key -> index of its latest finding
    for (std::size_t i = 0; i < findings.size(); ++i) {
        std::string key = conclusionKey(findings[i].conclusion);
        if (key.empty())
            continue;
        const auto [previous, inserted] = latest.try_emplace(std::move(key), i);
        if (inserted)
            continue;
        if (findings[i].filedAtMs - findings[previous->second].filedAtMs <= kRepeatWindowMs)
            repeats[i] = previous->second;
        previous->second = i;
    }
    return repeats;
}

std::string repeatNote(std::int64_t earlierNumber, std::int64_t earlierMs, std::int64_t laterMs)
{
    const std::int64_t days = (laterMs - earlierMs) / (std::int64_t(24) * 60 * 60 * 1000);
    return "berulang: sama dengan catatan no. " + std::to_string(earlierNumber) + ", "
        + (days == 0 ? std::string("pada hari yang sama") : std::to_string(days) + " hari sebelumnya");
}

} // namespace loco::records
