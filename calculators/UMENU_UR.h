#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace loco {
class ComputedEntries;
struct Report;
} // namespace loco
namespace Ui {
class Tumurrem;
}

// The brake-block lifetime window: wear volumes and the lifetime in days and
// hours; it opens the brake-force window and the thickness notice.
class Tumurrem : public FormWindow {
    Q_OBJECT

public:
    explicit Tumurrem(QWidget* parent = nullptr);
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
