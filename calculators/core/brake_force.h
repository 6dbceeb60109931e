#pragma once

#include "calculators/core/entry.h"
#include "calculators/core/result_sink.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace loco {

// Verdict on the braking percentage of the full car: "memuaskan" strictly
// between 50 and 80, "kurang memuaskan" otherwise.
std::string_view fullCarVerdict(double percentage);

// Verdict on the braking percentage of the empty car: "memuaskan" above 50
// up to and including 100, "kurang memuaskan" otherwise.
std::string_view emptyCarVerdict(double percentage);

// In the order in which they are read.
enum class BrakeForceEntry : std::uint8_t {
    UpperArm,
    LowerArm,
    Wheels,
    PistonArea,
    MaxPressure,
    SpringForce,
    MaxEfficiency,
    SlackAdjusterForce,
    EmptyLoad,
    FullLoad,
};

struct BrakeForceEntries {
    std::string upperArm;
    std::string lowerArm;
    std::string wheels;
    std::string pistonArea;
    std::string maxPressure;
    std::string springForce;
    std::string maxEfficiency;
    std::string slackAdjusterForce;
    std::string emptyLoad;
    std::string fullLoad;
};

enum class BrakeForceResult : std::uint8_t {
    RiggingRatio,
    CylinderForce,
    BlockForce,
    FullCarPercentage,
    EmptyCarPercentage,
    FullCarFillIn,
    FullCarVerdict,
    EmptyCarFillIn,
    EmptyCarVerdict,
};

// Reads every entry, then shows the rigging ratio, cylinder force and block
// force; the full car's percentage with its fill-in and verdict (both then
// shown); the same for the empty car; finally the conclusion. Throws as
// computeEnginePower does.
void computeBrakeForce(const BrakeForceEntries& entries, ResultSink<BrakeForceResult>& sink, char separator);

} // namespace loco
