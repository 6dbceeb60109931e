#include "calculators/core/brake_force.h"

#include "calculators/core/calculation.h"

namespace loco {
namespace {

constexpr std::string_view kSatisfactory = "memuaskan";
constexpr std::string_view kUnsatisfactory = "kurang memuaskan";

} // namespace

std::string_view fullCarVerdict(double percentage)
{
    return percentage > 50 && percentage < 80 ? kSatisfactory : kUnsatisfactory;
}

std::string_view emptyCarVerdict(double percentage)
{
    return percentage > 50 && percentage <= 100 ? kSatisfactory : kUnsatisfactory;
}

void computeBrakeForce(const BrakeForceEntries& entries, ResultSink<BrakeForceResult>& sink, char separator)
{
    using enum BrakeForceEntry;
    using enum BrakeForceResult;
    const Calculation<BrakeForceEntry, BrakeForceResult> calc(sink, separator);

    const Quantity upperArm = calc.read(entries.upperArm, UpperArm);
    const Quantity lowerArm = calc.read(entries.lowerArm, LowerArm);
    const Quantity wheels = calc.read(entries.wheels, Wheels);
    const Quantity pistonArea = calc.read(entries.pistonArea, PistonArea);
    const Quantity maxPressure = calc.read(entries.maxPressure, MaxPressure);
    const Quantity springForce = calc.read(entries.springForce, SpringForce);
    const Quantity maxEfficiency = calc.read(entries.maxEfficiency, MaxEfficiency);
    const Quantity slackAdjusterForce = calc.read(entries.slackAdjusterForce, SlackAdjusterForce);
    const Quantity emptyLoad = calc.read(entries.emptyLoad, EmptyLoad);
    const Quantity fullLoad = calc.read(entries.fullLoad, FullLoad);

    const Quantity riggingRatio = upperArm / lowerArm * wheels;
    calc.show(RiggingRatio, riggingRatio);
    const Quantity cylinderForce = pistonArea * maxPressure - springForce;
    calc.show(CylinderForce, cylinderForce);
    const Quantity pressingForce = maxEfficiency / 100 * cylinderForce * riggingRatio;
    const Quantity blockForce = pressingForce - slackAdjusterForce * wheels;
    calc.show(BlockForce, blockForce);

    const Quantity fullPercentage = blockForce / fullLoad * 100;
    calc.show(FullCarPercentage, fullPercentage);
    calc.show(FullCarFillIn, fullPercentage);
    sink.result(FullCarVerdict, std::string(fullCarVerdict(fullPercentage.value())));
    sink.show(FullCarFillIn);
    sink.show(FullCarVerdict);

    const Quantity emptyPercentage = blockForce / emptyLoad * 100;
    calc.show(EmptyCarPercentage, emptyPercentage);
    calc.show(EmptyCarFillIn, emptyPercentage);
    sink.result(EmptyCarVerdict, std::string(emptyCarVerdict(emptyPercentage.value())));
    sink.show(EmptyCarFillIn);
    sink.show(EmptyCarVerdict);

    sink.showConclusion();
}

} // namespace loco
