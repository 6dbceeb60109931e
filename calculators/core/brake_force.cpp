#include "calculators/core/brake_force.h"

namespace loco {
namespace {

constexpr std::string_view satisfactory = "memuaskan";
constexpr std::string_view unsatisfactory = "kurang memuaskan";

} // namespace

std::string_view fullCarVerdict(double percentage)
{
    return percentage > 50 && percentage < 80 ? satisfactory : unsatisfactory;
}

std::string_view emptyCarVerdict(double percentage)
{
    return percentage > 50 && percentage <= 100 ? satisfactory : unsatisfactory;
}

void computeBrakeForce(CalculatorForm& form, char separator)
{
    const auto entry = [&](std::string_view control) { return readEntry(form, control, separator); };
    const auto show = [&](std::string_view control, Quantity value) {
        showResult(form, control, value, Pattern::twoDecimals, separator);
    };

    const Quantity upperArm = entry("Edit14");
    const Quantity lowerArm = entry("Edit15");
    const Quantity wheels = entry("Edit16");
    const Quantity pistonArea = entry("Edit17");
    const Quantity maxPressure = entry("Edit18");
    const Quantity springForce = entry("Edit19");
    const Quantity maxEfficiency = entry("Edit20");
    const Quantity slackAdjusterForce = entry("Edit21");
    const Quantity emptyLoad = entry("Edit23");
    const Quantity fullLoad = entry("Edit24");

    const Quantity riggingRatio = upperArm / lowerArm * wheels;
    show("Edit14jwb", riggingRatio);
    const Quantity cylinderForce = pistonArea * maxPressure - springForce;
    show("Edit15jwb", cylinderForce);
    const Quantity pressingForce = maxEfficiency / 100 * cylinderForce * riggingRatio;
    const Quantity blockForce = pressingForce - slackAdjusterForce * wheels;
    show("Edit16jwb", blockForce);

    const Quantity fullPercentage = blockForce / fullLoad * 100;
    show("Edit19jwb", fullPercentage);
    show("Edit6", fullPercentage);
    form.setText("Edit8", std::string(fullCarVerdict(fullPercentage.value())));
    form.setVisible("Edit6", true);
    form.setVisible("Edit8", true);

    const Quantity emptyPercentage = blockForce / emptyLoad * 100;
    show("Edit20jwb", emptyPercentage);
    show("Edit5", emptyPercentage);
    form.setText("Edit7", std::string(emptyCarVerdict(emptyPercentage.value())));
    form.setVisible("Edit5", true);
    form.setVisible("Edit7", true);

    form.setVisible("RichEdit1", true);
    form.setVisible("Memo2", false);
}

} // namespace loco
