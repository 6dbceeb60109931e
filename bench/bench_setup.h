#pragma once

#include "shell/builtin_data.h"
#include "toolkit/core/error.h"

#include <cstdio>
#include <cstdlib>

// What every benchmark sets up before it measures.
namespace loco {

// The built-in data; a fault in it is said on standard error and ends the
// benchmark with status 1, as the program would end.
inline BuiltinData benchmarkData()
{
    try {
        return loadBuiltinData();
    } catch (const Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        std::exit(1);
    }
}

} // namespace loco
