#pragma once

#include "calculators/core/quantity.h"
#include "toolkit/core/error.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace loco {

// Each calculator names its entries in its own header.
enum class EnginePowerEntry : std::uint8_t;
enum class BrakeForceEntry : std::uint8_t;
enum class BrakeBlockLifetimeEntry : std::uint8_t;

using EntryName = std::variant<EnginePowerEntry, BrakeForceEntry, BrakeBlockLifetimeEntry>;

// An entry whose text cannot be read. The message is the reader's; the name
// lets the window point the user at the entry.
class EntryError : public Error {
public:
    EntryError(const std::string& message, EntryName entry) : Error(message), entry_(entry) { }

    EntryName entry() const { return entry_; }

private:
    EntryName entry_;
};

// readNumber and readWholeNumber for an entry's text, throwing EntryError.
Quantity readEntry(std::string_view text, EntryName entry, char separator);
int readWholeEntry(std::string_view text, EntryName entry);

} // namespace loco
