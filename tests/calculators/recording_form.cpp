#include "tests/calculators/recording_form.h"

std::string RecordingForm::text(std::string_view control) const
{
    reads_.emplace_back(control);
    return entries_.at(std::string(control));
}

void RecordingForm::setText(std::string_view control, const std::string& text)
{
    changes_.push_back(std::string(control) + "=" + text);
    written_.insert_or_assign(std::string(control), text);
}

void RecordingForm::setVisible(std::string_view control, bool visible)
{
    changes_.push_back((visible ? "show " : "hide ") + std::string(control));
}

RecordingForm::Texts withEntries(RecordingForm::Texts texts, const RecordingForm::Texts& replacements)
{
    for (const auto& [control, text] : replacements)
        texts.insert_or_assign(control, text);
    return texts;
}
