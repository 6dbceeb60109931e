#pragma once

#include "calculators/core/entry.h"
#include "calculators/core/list_items.h"
#include "calculators/core/result_sink.h"

#include <array>
#include <cstdint>
#include <string>

namespace loco {

// Stroke count list: working cycles per crankshaft revolution.
inline constexpr std::array<ListItem, 2> kStrokeItems{{{"2", 1.0}, {"4", 0.5}}};

// In the order in which they are read.
enum class EnginePowerEntry : std::uint8_t { Bore, Stroke, Speed, MeanPressure, Cylinders, Cycles, FuelUsed };

// The entries' texts as typed; cycles is the stroke count list's text.
struct EnginePowerEntries {
    std::string bore;
    std::string stroke;
    std::string speed;
    std::string meanPressure;
    std::string cycles;
    std::string cylinders;
    std::string fuelUsed;
};

enum class EnginePowerResult : std::uint8_t {
    SweptVolume,
    Torque,
    Power,
    SpecificConsumption,
    PowerFillIn,
    ConsumptionFillIn,
};

// Reads every entry, then shows swept volume, torque, power and specific
// consumption, fills and shows each fill-in, and shows the conclusion.
// Throws EntryError on a bad entry (before anything is shown) and
// loco::Error on an arithmetic fault (after the results computed so far).
void computeEnginePower(const EnginePowerEntries& entries, ResultSink<EnginePowerResult>& sink, char separator);

} // namespace loco
