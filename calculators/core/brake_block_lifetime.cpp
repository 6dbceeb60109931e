#include "calculators/core/brake_block_lifetime.h"

#include "calculators/core/calculation.h"
#include "calculators/core/number_reader.h"

namespace loco {

void computeBrakeBlockLifetime(
    const BrakeBlockLifetimeEntries& entries, ResultSink<BrakeBlockLifetimeResult>& sink, char separator)
{
    using enum BrakeBlockLifetimeEntry;
    using enum BrakeBlockLifetimeResult;
    const Calculation<BrakeBlockLifetimeEntry, BrakeBlockLifetimeResult> calc(sink, separator);

    const Quantity wheelDiameter = calc.read(entries.wheelDiameter, WheelDiameter);
    const Quantity arcAngle = calc.read(entries.arcAngle, ArcAngle);
    const Quantity blockWidth = calc.read(entries.blockWidth, BlockWidth);
    const Quantity thickness = calc.read(entries.thickness, Thickness);
    const Quantity minimumThickness = calc.read(entries.minimumThickness, MinimumThickness);
    const Quantity particleDiameter = calc.read(entries.particleDiameter, ParticleDiameter);
    // The speed must be a whole number, but only its text decides the route.
    readWholeEntry(entries.speed, Speed);
    const Quantity wearCoefficient = calc.read(entries.wearCoefficient, WearCoefficient);
    const Quantity materialFactor = calc.read(entries.materialFactor, MaterialFactor);
    const Quantity contactFactor = calc.read(entries.contactFactor, ContactFactor);
    const Quantity hardness = calc.read(entries.hardness, Hardness);
    const Quantity brakingsPerTrip = calc.read(entries.brakingsPerTrip, BrakingsPerTrip);
    const Quantity tripsPerDay = calc.read(entries.tripsPerDay, TripsPerDay);
    const Quantity pistonArea = calc.read(entries.pistonArea, PistonArea);
    const Quantity maxPressure = calc.read(entries.maxPressure, MaxPressure);
    const Quantity maxEfficiency = calc.read(entries.maxEfficiency, MaxEfficiency);
    const Quantity upperArm = calc.read(entries.upperArm, UpperArm);
    const Quantity lowerArm = calc.read(entries.lowerArm, LowerArm);
    const Quantity springForce = calc.read(entries.springForce, SpringForce);
    const Quantity slackAdjusterForce = calc.read(entries.slackAdjusterForce, SlackAdjusterForce);
    const Quantity wheels = calc.read(entries.wheels, Wheels);

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
    calc.show(ForcePerBlock, forcePerBlock);

    const Quantity routeLength = itemValue(entries.speed, kSpeedItems).value_or(0);
    const Quantity contacts = routeLength * 1000 / arcLength;
    const Quantity wearFactor = wearCoefficient * 1E-8;
    const Quantity wearVolume
        = wearFactor * materialFactor * contactFactor * forcePerBlock * arcLength * particles * contacts / hardness;
    const Quantity lifetime = allowedWear / (wearVolume * brakingsPerTrip * tripsPerDay);

    calc.show(TreadCircumference, treadCircumference);
    calc.show(ArcLength, arcLength);
    calc.show(ContactArea, contactArea);
    calc.show(AllowedWear, allowedWear);
    calc.show(ParticleArea, particleArea);
    calc.show(Particles, particles);
    calc.show(Contacts, contacts);
    calc.show(WearVolume, wearVolume);
    calc.show(Lifetime, lifetime);

    calc.show(DaysFillIn, lifetime, Pattern::Whole);
    calc.show(HoursFillIn, lifetime * 24, Pattern::Whole);
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
