#include "calculators/core/brake_block_lifetime.h"

#include "calculators/core/number_reader.h"

namespace loco {

void computeBrakeBlockLifetime(CalculatorForm& form, char separator)
{
    const auto entry = [&](std::string_view control) { return readEntry(form, control, separator); };
    const auto show = [&](std::string_view control, Quantity value, Pattern pattern = Pattern::twoDecimals) {
        showResult(form, control, value, pattern, separator);
    };

    const Quantity wheelDiameter = entry("Edit1");
    const Quantity arcAngle = entry("Edit2");
    const Quantity blockWidth = entry("Edit3");
    const Quantity thickness = entry("Edit4");
    const Quantity minimumThickness = entry("Edit5");
    const Quantity particleDiameter = entry("Edit6");
    // The speed must be a whole number, but only its text decides the route.
    const std::string speedText = form.text("ComboBox1");
    readWholeNumber(speedText);
    const Quantity wearCoefficient = entry("Edit7");
    const Quantity materialFactor = entry("Edit8");
    const Quantity contactFactor = entry("Edit9");
    const Quantity hardness = entry("Edit11");
    const Quantity brakingsPerTrip = entry("Edit12");
    const Quantity tripsPerDay = entry("Edit13");
    const Quantity pistonArea = entry("Edit16");
    const Quantity maxPressure = entry("Edit17");
    const Quantity maxEfficiency = entry("Edit18");
    const Quantity upperArm = entry("Edit19");
    const Quantity lowerArm = entry("Edit20");
    const Quantity springForce = entry("Edit21");
    const Quantity slackAdjusterForce = entry("Edit22");
    const Quantity wheels = entry("Edit23");

    const Quantity treadCircumference = wheelDiameter / 2 * 6.28;
    const Quantity arcLength = arcAngle / 360 * treadCircumference;
    const Quantity contactArea = arcLength * blockWidth;
    const Quantity allowedWear = contactArea * (thickness - minimumThickness);
    const Quantity particleArea = particleDiameter * particleDiameter * 0.785;
    const Quantity particles = contactArea / particleArea;
    const Quantity riggingRatio = upperArm / lowerArm * wheels;
    const Quantity cylinderForce = pistonArea * maxPressure - springForce;
    const Quantity riggedForce = cylinderForce * riggingRatio;
    const Quantity pressingForce = riggedForce * (maxEfficiency / 100);
    const Quantity blockForce = pressingForce - slackAdjusterForce * wheels;
    const Quantity forcePerBlock = blockForce / (wheels * 2);
    show("Edit24", forcePerBlock);

    const Quantity routeLength = itemValue(speedText, speedItems).value_or(0);
    const Quantity contacts = routeLength * 1000 / arcLength;
    const Quantity wearFactor = wearCoefficient * 1E-8;
    const Quantity wearVolume =
        wearFactor * materialFactor * contactFactor * forcePerBlock * arcLength * particles * contacts / hardness;
    const Quantity lifetime = allowedWear / (wearVolume * brakingsPerTrip * tripsPerDay);

    show("Edit40", treadCircumference);
    show("Edit39", arcLength);
    show("Edit37", contactArea);
    show("Edit36", allowedWear);
    show("Edit35", particleArea);
    show("Edit34", particles);
    show("Edit33", contacts);
    show("Edit32", wearVolume);
    show("Edit31", lifetime);

    show("Edit14", lifetime, Pattern::whole);
    show("Edit15", lifetime * 24, Pattern::whole);
    form.setVisible("Edit15", true);
    form.setVisible("Panel18", false);
}

bool thicknessNoticeDue(std::string_view minimumThickness, std::string_view thickness, char separator)
{
    const auto minimum = tryReadNumber(minimumThickness, separator);
    const auto block = tryReadNumber(thickness, separator);
    return minimum && block && *minimum >= *block;
}

} // namespace loco
