#pragma once

#include "calculators/core/entry.h"
#include "calculators/core/list_items.h"
#include "calculators/core/result_sink.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace loco {

// Speed list: average speed in km/h and the route length S it stands for;
// any other text stands for 0.
inline constexpr std::array<ListItem, 4> kSpeedItems{{{"70", 500.0}, {"80", 650.0}, {"90", 700.0}, {"100", 1000.0}}};

// In the order in which they are read.
enum class BrakeBlockLifetimeEntry : std::uint8_t {
    WheelDiameter,
    ArcAngle,
    BlockWidth,
    Thickness,
    MinimumThickness,
    ParticleDiameter,
    Speed,
    WearCoefficient,
    MaterialFactor,
    ContactFactor,
    Hardness,
    BrakingsPerTrip,
    TripsPerDay,
    PistonArea,
    MaxPressure,
    MaxEfficiency,
    UpperArm,
    LowerArm,
    SpringForce,
    SlackAdjusterForce,
    Wheels,
};

// The entries' texts as typed; speed is the speed list's text.
struct BrakeBlockLifetimeEntries {
    std::string wheelDiameter;
    std::string arcAngle;
    std::string blockWidth;
    std::string thickness;
    std::string minimumThickness;
    std::string particleDiameter;
    std::string speed;
    std::string wearCoefficient;
    std::string materialFactor;
    std::string contactFactor;
    std::string hardness;
    std::string brakingsPerTrip;
    std::string tripsPerDay;
    std::string pistonArea;
    std::string maxPressure;
    std::string maxEfficiency;
    std::string upperArm;
    std::string lowerArm;
    std::string springForce;
    std::string slackAdjusterForce;
    std::string wheels;
};

enum class BrakeBlockLifetimeResult : std::uint8_t {
    ForcePerBlock,
    TreadCircumference,
    ArcLength,
    ContactArea,
    AllowedWear,
    ParticleArea,
    Particles,
    Contacts,
    WearVolume,
    Lifetime,
    DaysFillIn,
    HoursFillIn,
};

// Reads every entry (the speed as a whole number), shows the force per block
// first, then the other results from the tread circumference to the
// lifetime, the days and hours fill-ins (showing the hours), and finally the
// conclusion. Throws as computeEnginePower does.
void computeBrakeBlockLifetime(
    const BrakeBlockLifetimeEntries& entries, ResultSink<BrakeBlockLifetimeResult>& sink, char separator);

// Whether changing the minimum thickness calls for the notice that it must
// stay below the block thickness: both texts read as numbers and the minimum
// is not below the thickness. Never throws.
bool thicknessNoticeDue(std::string_view minimumThickness, std::string_view thickness, char separator);

} // namespace loco
