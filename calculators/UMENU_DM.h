#pragma once

#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <memory>

namespace loco {
class ComputedEntries;
}
namespace Ui {
class TDM;
}

// The engine power window: swept volume, torque, effective power and specific
// fuel consumption of a diesel engine, with a short conclusion.
class TDM : public FormWindow {
    Q_OBJECT

public:
    // commands join its report commands.
    explicit TDM(const QList<loco::ReportCommands::Command>& commands = {}, QWidget* parent = nullptr);
    ~TDM() override;

    void Button1Click();
    void Button3Click();
    void Button2Click();

private:
    // What the report says: entries, results and the conclusion.
    loco::Report report() const;
    std::unique_ptr<Ui::TDM> ui;
    // The entries of the last calculation that succeeded, for the report.
    const loco::ComputedEntries* computed_ = nullptr;
};
