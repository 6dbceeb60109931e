#include "calculators/core/calculator_form.h"

#include "calculators/core/number_reader.h"

namespace loco {

Quantity readEntry(const CalculatorForm& form, std::string_view control, char separator)
{
    return readNumber(form.text(control), separator);
}

void showResult(CalculatorForm& form, std::string_view control, Quantity value, Pattern pattern, char separator)
{
    form.setText(control, formatNumber(value.value(), pattern, separator));
}

} // namespace loco
