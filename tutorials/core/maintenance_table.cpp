#include "tutorials/core/maintenance_table.h"

#include "toolkit/core/error.h"

#include <algorithm>
#include <stdexcept>

namespace loco {

MaintenanceEntry readMaintenanceEntry(const SourceText& source, int number)
{
    auto file = parseTutorialFile(source);
    // A missing key or text is reported where the header ends.
    if (!file.caption)
        throw dataError(source.name, file.separatorLine, "no caption");
    if (file.select)
        throw dataError(source.name, file.selectLine, "\"select\" belongs to tune-up tutorials only");
    if (file.lines.empty())
        throw dataError(source.name, file.separatorLine, "no procedure lines");
    std::vector<MaintenanceTask> tasks;
    for (const HeaderLine& header : file.intervals) {
        auto task = readTaskInterval(header, number, file.lines, source.name);
        const auto same = std::find_if(tasks.begin(), tasks.end(), [&](const auto& t) { return t.id == task.id; });
        if (same != tasks.end())
            throw dataError(source.name, header.line,
                "procedure line " + std::to_string(task.id.line) + " has an interval already");
        tasks.push_back(std::move(task));
    }
    std::sort(tasks.begin(), tasks.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return {std::move(*file.caption), std::move(file.title), std::move(file.picture), std::move(file.lines),
        std::move(tasks)};
}

MaintenanceTable::MaintenanceTable(const std::vector<SourceText>& files)
{
    if (files.size() != kSize)
        throw Error(
            "maintenance table: expected " + std::to_string(kSize) + " entries, got " + std::to_string(files.size()));
    entries_.reserve(files.size());
    for (const auto& source : files)
        entries_.push_back(readMaintenanceEntry(source, static_cast<int>(entries_.size()) + 1));
}

const MaintenanceEntry& MaintenanceTable::at(int k) const
{
    if (k < 1 || k > kSize)
        throw std::out_of_range("maintenance type " + std::to_string(k) + " does not exist");
    return entries_[static_cast<std::size_t>(k - 1)];
}

std::vector<MaintenanceTask> MaintenanceTable::tasks() const
{
    std::vector<MaintenanceTask> all;
    for (const auto& entry : entries_)
        all.insert(all.end(), entry.tasks.begin(), entry.tasks.end());
    return all;
}

std::vector<int> MaintenanceTable::asNeeded() const
{
    std::vector<int> numbers;
    for (int k = 1; k <= kSize; ++k)
        if (at(k).tasks.empty())
            numbers.push_back(k);
    return numbers;
}

} // namespace loco
