#pragma once

#include "calculators/core/calculator_form.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A calculator window stand-in: entries hold given texts, and every read and
// every change is recorded in order.
class RecordingForm : public loco::CalculatorForm {
public:
    using Texts = std::map<std::string, std::string, std::less<>>;

    explicit RecordingForm(Texts entries) : entries_(std::move(entries)) {}

    // Throws std::out_of_range for a control that is not an entry.
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, const std::string& text) override;
    void setVisible(std::string_view control, bool visible) override;

    const std::vector<std::string>& reads() const { return reads_; }
    // "Control=text", "show Control" and "hide Control", in order.
    const std::vector<std::string>& changes() const { return changes_; }
    // Last text written into each control.
    const Texts& written() const { return written_; }

private:
    Texts entries_;
    mutable std::vector<std::string> reads_;
    std::vector<std::string> changes_;
    Texts written_;
};

// Entry texts with some of them replaced.
RecordingForm::Texts withEntries(RecordingForm::Texts texts, const RecordingForm::Texts& replacements);
