#pragma once

#include "calculators/core/entry.h"
#include "calculators/core/number_format.h"
#include "calculators/core/result_sink.h"

#include <string>

namespace loco {

// What every calculation does with its entries and results: reads an entry
// by the user's decimal separator, naming it when it cannot be read, and
// shows a result with its pattern through the window's sink.
template <typename Entry, typename Result> class Calculation {
public:
    Calculation(ResultSink<Result>& sink, char separator) : sink_(sink), separator_(separator) { }

    Quantity read(const std::string& text, Entry name) const { return readEntry(text, name, separator_); }

    void show(Result field, Quantity value, Pattern pattern = Pattern::TwoDecimals) const
    {
        sink_.result(field, formatNumber(value.value(), pattern, separator_));
    }

private:
    ResultSink<Result>& sink_;
    char separator_;
};

} // namespace loco
