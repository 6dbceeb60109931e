#include "calculators/core/engine_power.h"

#include "calculators/core/calculation.h"

namespace loco {

void computeEnginePower(const EnginePowerEntries& entries, ResultSink<EnginePowerResult>& sink, char separator)
{
    using enum EnginePowerEntry;
    using enum EnginePowerResult;
    const Calculation<EnginePowerEntry, EnginePowerResult> calc(sink, separator);

    const Quantity bore = calc.read(entries.bore, Bore);
    const Quantity stroke = calc.read(entries.stroke, Stroke);
    const Quantity speed = calc.read(entries.speed, Speed);
    const Quantity meanPressure = calc.read(entries.meanPressure, MeanPressure);
    // The cylinder items stand for the numbers they show, so the number read is Z.
    const Quantity cylinders = calc.read(entries.cylinders, Cylinders);
    const Quantity typedCycles = calc.read(entries.cycles, Cycles);
    const Quantity fuelUsed = calc.read(entries.fuelUsed, FuelUsed);

    const Quantity cycles = itemValue(entries.cycles, kStrokeItems).value_or(typedCycles.value());

    const Quantity sweptVolume = bore * bore * 0.785 * stroke;
    calc.show(SweptVolume, sweptVolume, Pattern::TwoDecimals);
    // 0.01 turns kg·cm into m·kg.
    const Quantity torque = sweptVolume * cylinders * cycles * (1 / 6.28) * 0.01 * meanPressure;
    calc.show(Torque, torque, Pattern::TwoDecimals);
    const Quantity power = torque * speed / 716.2 * 0.9863;
    calc.show(Power, power, Pattern::TwoDecimals);
    const Quantity specificConsumption = fuelUsed / power;
    calc.show(SpecificConsumption, specificConsumption, Pattern::EightDecimals);

    calc.show(PowerFillIn, power, Pattern::Whole);
    sink.show(PowerFillIn);
    calc.show(ConsumptionFillIn, specificConsumption, Pattern::EightDecimals);
    sink.show(ConsumptionFillIn);
    sink.showConclusion();
}

} // namespace loco
