#pragma once

#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <memory>

namespace loco {
class ComputedEntries;
}
namespace Ui {
class Tumurrem;
}

// The brake-block lifetime window: wear volumes and the lifetime in days and
// hours; it opens the brake-force window and the thickness notice.
class Tumurrem : public FormWindow {
    Q_OBJECT

public:
    // commands join its report commands.
    explicit Tumurrem(const QList<loco::ReportCommands::Command>& commands = {}, QWidget* parent = nullptr);
    ~Tumurrem() override;

    void FormCreate();
    void Button1Click();
    void Button3Click();
    void Button2Click();
    void CheckBox2Click();
    void Edit5Change();

private:
    // What the report says: entries, results and the conclusion.
    loco::Report report() const;
    std::unique_ptr<Ui::Tumurrem> ui;
    // The entries of the last calculation that succeeded, for the report.
    const loco::ComputedEntries* computed_ = nullptr;
};
