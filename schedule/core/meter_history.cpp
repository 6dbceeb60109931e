#include "schedule/core/meter_history.h"

#include "schedule/core/due_text.h"
#include "toolkit/core/error.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace loco {
namespace {

// As the user typed it, every decimal kept, with the decimal comma:
// "12000,55". The schedule's one-decimal figures could show two different
// readings alike.
std::string typedFigure(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    std::string figure(text);
    if (const auto point = figure.find('.'); point != std::string::npos)
        figure[point] = ',';
    return figure;
}

} // namespace

MeterHistory::MeterHistory(const std::vector<MeterReading>& readings)
{
    for (const MeterReading& reading : readings)
        add(reading);
}

void MeterHistory::add(const MeterReading& next)
{
    const Reading& reading = next.reading;
    struct Meter {
        const char* name;
        MeterLife& life;
        double value;
        bool replaced;
    };
    const Meter meters[] = {{"Jam mesin", hours_, reading.hours, next.hourMeterReplaced},
        {"Kilometer", km_, reading.km, next.odometerReplaced}};
    if (!reading.date.ok())
        throw Error("Tanggal pembacaan tidak sah.");
    for (const Meter& meter : meters) {
        if (!std::isfinite(meter.value) || meter.value < 0)
            throw Error(std::string(meter.name) + " harus berupa angka 0 atau lebih.");
    }
    if (!empty()) {
        if (reading.date < latest_.date)
            throw Error("Tanggal pembacaan " + dateText(reading.date) + " lebih awal dari pembacaan terakhir ("
                + dateText(latest_.date) + ").");
        for (const Meter& meter : meters) {
            const double before = meter.life.fitted.back().last;
            if (!meter.replaced && meter.value < before)
                throw Error(std::string(meter.name) + " " + typedFigure(meter.value)
                    + " lebih kecil dari pembacaan sebelumnya, " + typedFigure(before) + " (" + dateText(latest_.date)
                    + "): meter tidak berjalan mundur. Jika meternya diganti, tandai sebagai meter baru.");
        }
    }
    for (const Meter& meter : meters) {
        auto& fitted = meter.life.fitted;
        if (fitted.empty() || meter.replaced) {
            const double ranBefore
                = fitted.empty() ? 0 : fitted.back().ranBefore + fitted.back().last - fitted.back().first;
            fitted.push_back({reading.date, meter.value, meter.value, ranBefore});
        } else {
            fitted.back().last = meter.value;
        }
    }
    latest_ = reading;
}

// On the day of a swap both meters were on the unit: the value tells which
// one it was read from (no meter shows more than its last reading). Before
// the first reading the first meter counts.
double MeterHistory::MeterLife::running(const Date& date, double value) const
{
    if (fitted.empty())
        return value;
    const Fitted* reading = nullptr;
    for (std::size_t i = fitted.size(); i-- > 0;) {
        const Fitted& meter = fitted[i];
        if (meter.from > date)
            continue;
        if (i + 1 < fitted.size() && fitted[i + 1].from < date)
            break; // taken off before that date, as were the older ones
        if (!reading)
            reading = &meter;
        if (value >= meter.first && value <= meter.last) {
            reading = &meter;
            break;
        }
    }
    if (!reading)
        reading = &fitted.front();
    return reading->ranBefore + value - reading->first;
}

} // namespace loco
