#include "calculators/core/engine_power.h"

#include "calculators/core/number_format.h"

namespace loco {

void computeEnginePower(const EnginePowerEntries& entries, ResultSink<EnginePowerResult>& sink, char separator)
{
    using enum EnginePowerEntry;
    using enum EnginePowerResult;
    const auto entry = [&](const std::string& text, EnginePowerEntry name) { return readEntry(text, name, separator); };
    const auto show = [&](EnginePowerResult field, Quantity value, Pattern pattern) {
        sink.result(field, formatNumber(value.value(), pattern, separator));
    };

    const Quantity bore = entry(entries.bore, Bore);
    const Quantity stroke = entry(entries.stroke, Stroke);
    const Quantity speed = entry(entries.speed, Speed);
    const Quantity meanPressure = entry(entries.meanPressure, MeanPressure);
    // The cylinder items stand for the numbers they show, so the number read is Z.
    const Quantity cylinders = entry(entries.cylinders, Cylinders);
    const Quantity typedCycles = entry(entries.cycles, Cycles);
    const Quantity fuelUsed = entry(entries.fuelUsed, FuelUsed);

    const Quantity cycles = itemValue(entries.cycles, kStrokeItems).value_or(typedCycles.value());

    const Quantity sweptVolume = bore * bore * 0.785 * stroke;
    show(SweptVolume, sweptVolume, Pattern::TwoDecimals);
    // 0.01 turns kg·cm into m·kg.
    const Quantity torque = sweptVolume * cylinders * cycles * (1 / 6.28) * 0.01 * meanPressure;
    show(Torque, torque, Pattern::TwoDecimals);
    const Quantity power = torque * speed / 716.2 * 0.9863;
    show(Power, power, Pattern::TwoDecimals);
    const Quantity specificConsumption = fuelUsed / power;
    show(SpecificConsumption, specificConsumption, Pattern::EightDecimals);

    show(PowerFillIn, power, Pattern::Whole);
    sink.show(PowerFillIn);
    show(ConsumptionFillIn, specificConsumption, Pattern::EightDecimals);
    sink.show(ConsumptionFillIn);
    sink.showConclusion();
}

} // namespace loco
