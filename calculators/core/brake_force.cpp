#include "calculators/core/brake_force.h"

#include "calculators/core/number_format.h"

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
    const auto entry = [&](const std::string& text, BrakeForceEntry name) { return readEntry(text, name, separator); };
    const auto show = [&](BrakeForceResult field, Quantity value) {
        sink.result(field, formatNumber(value.value(), Pattern::TwoDecimals, separator));
    };

    const Quantity upperArm = entry(entries.upperArm, UpperArm);
    const Quantity lowerArm = entry(entries.lowerArm, LowerArm);
    const Quantity wheels = entry(entries.wheels, Wheels);
    const Quantity pistonArea = entry(entries.pistonArea, PistonArea);
    const Quantity maxPressure = entry(entries.maxPressure, MaxPressure);
    const Quantity springForce = entry(entries.springForce, SpringForce);
    const Quantity maxEfficiency = entry(entries.maxEfficiency, MaxEfficiency);
    const Quantity slackAdjusterForce = entry(entries.slackAdjusterForce, SlackAdjusterForce);
    const Quantity emptyLoad = entry(entries.emptyLoad, EmptyLoad);
    const Quantity fullLoad = entry(entries.fullLoad, FullLoad);

    const Quantity riggingRatio = upperArm / lowerArm * wheels;
    show(RiggingRatio, riggingRatio);
    const Quantity cylinderForce = pistonArea * maxPressure - springForce;
    show(CylinderForce, cylinderForce);
    const Quantity pressingForce = maxEfficiency / 100 * cylinderForce * riggingRatio;
    const Quantity blockForce = pressingForce - slackAdjusterForce * wheels;
    show(BlockForce, blockForce);

    const Quantity fullPercentage = blockForce / fullLoad * 100;
    show(FullCarPercentage, fullPercentage);
    show(FullCarFillIn, fullPercentage);
    sink.result(FullCarVerdict, std::string(fullCarVerdict(fullPercentage.value())));
    sink.show(FullCarFillIn);
    sink.show(FullCarVerdict);

    const Quantity emptyPercentage = blockForce / emptyLoad * 100;
    show(EmptyCarPercentage, emptyPercentage);
    show(EmptyCarFillIn, emptyPercentage);
    sink.result(EmptyCarVerdict, std::string(emptyCarVerdict(emptyPercentage.value())));
    sink.show(EmptyCarFillIn);
    sink.show(EmptyCarVerdict);

    sink.showConclusion();
}

} // namespace loco
