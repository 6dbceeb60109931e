#pragma once

#include <chrono>
#include <vector>

namespace loco {

using Date = std::chrono::year_month_day;

/// What a unit's two meters showed on a date.
struct Reading {
    Date date;
    double hours = 0; // the hour meter ("Jam mesin (HM)")
    double km = 0; // the odometer
    bool operator==(const Reading&) const = default;
};

/// A reading as the store keeps it. A meter marked replaced was swapped just
/// before this reading and counts on from what it shows here; the old meter's
/// last figure belongs in a reading of its own before this one, or what it ran
/// since its previous reading is not counted.
struct MeterReading {
    Reading reading;
    bool hourMeterReplaced = false;
    bool odometerReplaced = false;
};

/// A unit's readings, oldest first, each checked against the ones before it,
/// and the hours and kilometres they add up to across meter replacements.
class MeterHistory {
public:
    /// Adds the readings in their order; throws as add() does.
    explicit MeterHistory(const std::vector<MeterReading>& readings = {});

    /// Appends the next reading. Throws loco::Error with the user's message
    /// (Indonesian) when a figure is not a number of 0 or more, the date lies
    /// before the latest reading's, or a meter shows less than before without
    /// being marked replaced: a meter does not run backwards.
    void add(const MeterReading& next);

    bool empty() const { return hours_.fitted.empty(); }

    /// The newest reading: the unit's meters now. The history must not be empty.
    const Reading& latest() const { return latest_; }

    /// What the unit has run up to `reading`, counted from its first reading
    /// (negative before it), on whichever meters were fitted then.
    double runningHours(const Reading& reading) const { return hours_.running(reading.date, reading.hours); }
    double runningKm(const Reading& reading) const { return km_.running(reading.date, reading.km); }

private:
    // The meters of one kind that the unit has carried, in order.
    struct MeterLife {
        struct Fitted {
            Date from; // the date of its first reading
            double first = 0;
            double last = 0;
            double ranBefore = 0; // by the meters before it
        };
        std::vector<Fitted> fitted;

        double running(const Date& date, double value) const;
    };

    MeterLife hours_;
    MeterLife km_;
    Reading latest_;
};

} // namespace loco
