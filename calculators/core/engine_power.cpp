#include "calculators/core/engine_power.h"

#include "calculators/core/number_reader.h"

namespace loco {

void computeEnginePower(CalculatorForm& form, char separator)
{
    const auto entry = [&](std::string_view control) { return readEntry(form, control, separator); };
    const auto show = [&](std::string_view control, Quantity value, Pattern pattern) {
        showResult(form, control, value, pattern, separator);
    };

    const Quantity bore = entry("edit11");
    const Quantity stroke = entry("edit12");
    const Quantity speed = entry("edit13");
    const Quantity meanPressure = entry("edit14");
    // The cylinder items stand for the numbers they show, so the number read is Z.
    const Quantity cylinders = entry("ComboBox2");
    const std::string strokeCountText = form.text("ComboBox1");
    const Quantity typedCycles = readNumber(strokeCountText, separator);
    const Quantity fuelUsed = entry("edit18");

    const Quantity cycles = itemValue(strokeCountText, strokeItems).value_or(typedCycles.value());

    const Quantity sweptVolume = bore * bore * 0.785 * stroke;
    show("Edit2", sweptVolume, Pattern::twoDecimals);
    // 0.01 turns kg·cm into m·kg.
    const Quantity torque = sweptVolume * cylinders * cycles * (1 / 6.28) * 0.01 * meanPressure;
    show("Edit5", torque, Pattern::twoDecimals);
    const Quantity power = torque * speed / 716.2 * 0.9863;
    show("Edit6", power, Pattern::twoDecimals);
    const Quantity specificConsumption = fuelUsed / power;
    show("Edit15", specificConsumption, Pattern::eightDecimals);

    show("Edit21", power, Pattern::whole);
    form.setVisible("Edit21", true);
    show("Edit25", specificConsumption, Pattern::eightDecimals);
    form.setVisible("Edit25", true);
    form.setVisible("Memo2", false);
    form.setVisible("Memo1", true);
}

} // namespace loco
