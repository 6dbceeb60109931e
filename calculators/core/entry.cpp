#include "calculators/core/entry.h"

#include "calculators/core/number_reader.h"

namespace loco {

Quantity readEntry(std::string_view text, EntryName entry, char separator)
{
    try {
        return readNumber(text, separator);
    } catch (const Error& error) {
        throw EntryError(error.what(), entry);
    }
}

int readWholeEntry(std::string_view text, EntryName entry)
{
    try {
        return readWholeNumber(text);
    } catch (const Error& error) {
        throw EntryError(error.what(), entry);
    }
}

} // namespace loco
