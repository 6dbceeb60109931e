#include "calculators/core/list_items.h"

namespace loco {

std::optional<double> itemValue(std::string_view text, std::span<const ListItem> items)
{
    for (const ListItem& item : items) {
        if (item.text == text)
            return item.value;
    }
    return std::nullopt;
}

} // namespace loco
