#include "tutorials/core/maintenance_table.h"

#include "toolkit/core/error.h"

#include <stdexcept>

namespace loco {
MaintenanceTable::MaintenanceTable(const std::vector<SourceText>& files)
{
    if (files.size() != kSize)
        throw Error(
            "maintenance table: expected " + std::to_string(kSize) + " entries, got " + std::to_string(files.size()));
    entries_.reserve(files.size());
    for (const auto& source : files) {
        auto file = parseTutorialFile(source);
        // A missing key or text is reported where the header ends.
        if (!file.caption)
            throw dataError(source.name, file.separatorLine, "no caption");
        if (file.select)
            throw dataError(source.name, file.selectLine, "\"select\" belongs to tune-up tutorials only");
        if (file.lines.empty())
            throw dataError(source.name, file.separatorLine, "no procedure lines");
        entries_.push_back(
            {std::move(*file.caption), std::move(file.title), std::move(file.picture), std::move(file.lines)});
    }
}

const MaintenanceEntry& MaintenanceTable::at(int k) const
{
    if (k < 1 || k > kSize)
        throw std::out_of_range("maintenance type " + std::to_string(k) + " does not exist");
    return entries_[static_cast<std::size_t>(k - 1)];
}

} // namespace loco
