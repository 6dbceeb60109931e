#pragma once

#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <memory>

namespace loco {
class ComputedEntries;
}
namespace Ui {
class Tgayrem;
}

// The brake-force window: rigging ratio, cylinder force, block force and the
// braking percentages of the full and the empty car with their verdicts.
class Tgayrem : public FormWindow {
    Q_OBJECT

public:
    // commands join its report commands.
    explicit Tgayrem(const QList<loco::ReportCommands::Command>& commands = {}, QWidget* parent = nullptr);
    ~Tgayrem() override;

    void BitBtn1Click();
    void Button1Click();
    void Button2Click();

private:
    // What the report says: entries, results and the conclusion.
    loco::Report report() const;
    std::unique_ptr<Ui::Tgayrem> ui;
    // The entries of the last calculation that succeeded, for the report.
    const loco::ComputedEntries* computed_ = nullptr;
};
