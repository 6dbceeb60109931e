#pragma once

#include "toolkit/core/error.h"

#include <functional>
#include <string>

// The message of the loco::Error that `action` throws, or "" when it throws none.
inline std::string errorMessage(const std::function<void()>& action)
{
    try {
        action();
    } catch (const loco::Error& error) {
        return error.what();
    }
    return "";
}
