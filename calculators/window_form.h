#pragma once

#include "calculators/core/calculator_form.h"

class QWidget;

// A calculator window's controls as its formulas see them: entries are line
// edits or typed lists, results are line edits or labels, all found by name.
class WindowForm : public loco::CalculatorForm {
public:
    explicit WindowForm(QWidget* window) : window_(window) {}

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, const std::string& text) override;
    void setVisible(std::string_view control, bool visible) override;

private:
    QWidget* find(std::string_view control) const;

    QWidget* window_;
};
