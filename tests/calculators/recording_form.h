#pragma once

#include "calculators/core/calculator_form.h"

#include <map>
#include <string>
#include <vector>

// A calculator window stand-in: entries hold given texts (reading any other
// control throws std::out_of_range); reads and changes are recorded in order.
class RecordingForm : public loco::CalculatorForm {
public:
    using Texts = std::map<std::string, std::string, std::less<>>;

    RecordingForm(Texts entries, const Texts& replacements = {}) : entries_(std::move(entries))
    {
        for (const auto& [control, text] : replacements)
            entries_.insert_or_assign(control, text);
    }

    std::string text(std::string_view control) const override
    {
        reads.emplace_back(control);
        return entries_.at(std::string(control));
    }
    void setText(std::string_view control, const std::string& text) override
    {
        changes.push_back(std::string(control) + "=" + text);
        written.insert_or_assign(std::string(control), text);
    }
    void setVisible(std::string_view control, bool visible) override
    {
        changes.push_back((visible ? "show " : "hide ") + std::string(control));
    }

    mutable std::vector<std::string> reads;
    std::vector<std::string> changes; // "Control=text", "show Control", "hide Control"
    Texts written;                    // last text of each control written

private:
    Texts entries_;
};
