#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace loco {

// One item of a drop-down list and the value it stands for in a formula.
struct ListItem {
    std::string_view text;
    double value;
};

// The value of the first item whose text equals `text` exactly (byte for
// byte, no trimming), or nothing when no item does.
std::optional<double> itemValue(std::string_view text, std::span<const ListItem> items);

} // namespace loco
