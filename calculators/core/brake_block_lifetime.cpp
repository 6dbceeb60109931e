#include "calculators/core/brake_block_lifetime.h"

#include "calculators/core/number_format.h"
#include "calculators/core/number_reader.h"

namespace loco {

void computeBrakeBlockLifetime(const BrakeBlockLifetimeEntries& entries, ResultSink<BrakeBlockLifetimeResult>& sink,
                               char separator)
{
    using enum BrakeBlockLifetimeEntry;
    using enum BrakeBlockLifetimeResult;
    const auto entry = [&](const std::string& text, BrakeBlockLifetimeEntry name) {
        return readEntry(text, name, separator);
    };
    const auto show = [&](BrakeBlockLifetimeResult field, Quantity value, Pattern pattern = Pattern::TwoDecimals) {
        sink.result(field, formatNumber(value.value(), pattern, separator));
    };

    const Quantity wheelDiameter = entry(entries.wheelDiameter, WheelDiameter);
    const Quantity arcAngle = entry(entries.arcAngle, ArcAngle);
    const Quantity blockWidth = entry(entries.blockWidth, BlockWidth);
    const Quantity thickness = entry(entries.thickness, Thickness);
    const Quantity minimumThickness = entry(entries.minimumThickness, MinimumThickness);
    const Quantity particleDiameter = entry(entries.particleDiameter, ParticleDiameter);
    // The speed must be a whole number, but only its text decides the route.
    readWholeEntry(entries.speed, Speed);
    const Quantity wearCoefficient = entry(entries.wearCoefficient, WearCoefficient);
    const Quantity materialFactor = entry(entries.materialFactor, MaterialFactor);
    const Quantity contactFactor = entry(entries.contactFactor, ContactFactor);
    const Quantity hardness = entry(entries.hardness, Hardness);
    const Quantity brakingsPerTrip = entry(entries.brakingsPerTrip, BrakingsPerTrip);
    const Quantity tripsPerDay = entry(entries.tripsPerDay, TripsPerDay);
    const Quantity pistonArea = entry(entries.pistonArea, PistonArea);
    const Quantity maxPressure = entry(entries.maxPressure, MaxPressure);
    const Quantity maxEfficiency = entry(entries.maxEfficiency, MaxEfficiency);
    const Quantity upperArm = entry(entries.upperArm, UpperArm);
    const Quantity lowerArm = entry(entries.lowerArm, LowerArm);
    const Quantity springForce = entry(entries.springForce, SpringForce);
    const Quantity slackAdjusterForce = entry(entries.slackAdjusterForce, SlackAdjusterForce);
    const Quantity wheels = entry(entries.wheels, Wheels);

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
    show(ForcePerBlock, forcePerBlock);

    const Quantity routeLength = itemValue(entries.speed, kSpeedItems).value_or(0);
    const Quantity contacts = routeLength * 1000 / arcLength;
    const Quantity wearFactor = wearCoefficient * 1E-8;
    const Quantity wearVolume =
        wearFactor * materialFactor * contactFactor * forcePerBlock * arcLength * particles * contacts / hardness;
    const Quantity lifetime = allowedWear / (wearVolume * brakingsPerTrip * tripsPerDay);

    show(TreadCircumference, treadCircumference);
    show(ArcLength, arcLength);
    show(ContactArea, contactArea);
    show(AllowedWear, allowedWear);
    show(ParticleArea, particleArea);
    show(Particles, particles);
    show(Contacts, contacts);
    show(WearVolume, wearVolume);
    show(Lifetime, lifetime);

    show(DaysFillIn, lifetime, Pattern::Whole);
    show(HoursFillIn, lifetime * 24, Pattern::Whole);
    sink.show(HoursFillIn);
    sink.showConclusion();
}

bool thicknessNoticeDue(std::string_view minimumThickness, std::string_view thickness, char separator)
{
    const auto minimum = tryReadNumber(minimumThickness, separator);
    const auto block = tryReadNumber(thickness, separator);
    return minimum && block && *minimum >= *block;
}

} // namespace loco
