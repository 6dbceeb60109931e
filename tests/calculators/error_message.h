#pragma once

#include "calculators/core/entry.h"
#include "toolkit/core/error.h"

#include <functional>
#include <optional>
#include <string>

namespace loco {

// What `action` throws: the message of its loco::Error ("" when it throws
// none) and the entry that an EntryError names.
struct Thrown {
    std::string message;
    std::optional<EntryName> entry;
};

inline Thrown thrown(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EntryError& error) {
        return {error.what(), error.entry()};
    } catch (const Error& error) {
        return {error.what(), std::nullopt};
    }
    return {};
}

inline std::string errorMessage(const std::function<void()>& action)
{
    return thrown(action).message;
}

} // namespace loco
