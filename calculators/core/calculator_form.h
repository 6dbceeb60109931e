#pragma once

#include "calculators/core/number_format.h"
#include "calculators/core/quantity.h"

#include <string>
#include <string_view>

namespace loco {

// A calculator window as its formulas see it: controls are named by their
// object names. The compute functions call it in exactly the order in which
// the window's effects must happen, so an error leaves earlier effects in
// place and later ones undone.
class CalculatorForm {
public:
    virtual ~CalculatorForm() = default;

    // Current text of an entry: a line edit, or the typed text of a list.
    virtual std::string text(std::string_view control) const = 0;

    virtual void setText(std::string_view control, const std::string& text) = 0;

    virtual void setVisible(std::string_view control, bool visible) = 0;
};

// Reads an entry of the form as a number (see readNumber).
Quantity readEntry(const CalculatorForm& form, std::string_view control, char separator);

// Writes a result into a field of the form with its pattern.
void showResult(CalculatorForm& form, std::string_view control, Quantity value, Pattern pattern, char separator);

} // namespace loco
