#pragma once

#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <array>
#include <memory>

class RadioGroup;
class QString;
namespace loco {
struct RadioChoice;
struct TuneupTutorial;
class TuneupTable;
} // namespace loco
namespace Ui {
class TTUNEUP;
}

// The tune-up tutorial: a component button enables its radio groups, an item
// is picked, and "PROSES" writes that item's tutorial and loads its picture.
class TTUNEUP : public FormWindow {
    Q_OBJECT

public:
    // table outlives the window; commands join its report commands.
    explicit TTUNEUP(const loco::TuneupTable& table, const QList<loco::ReportCommands::Command>& commands = {},
        QWidget* parent = nullptr);
    ~TTUNEUP() override;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void RadioGroup4Click();
    void RadioGroup5Click();
    void RadioGroup6Click();
    void RadioGroup7Click();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void Button3Click();

    // Shows the tutorial of a radio item as a user gets there: "ULANGI",
    // the component's button, the item, "PROSES".
    void showTutorial(loco::RadioChoice choice);
    // "LSM DOUBLE RANGE – 2. Menyetel maximum no load engine speed": the
    // group and the item that choose a tutorial, as the window shows them.
    QString tutorialName(loco::RadioChoice choice) const;

private:
    std::array<RadioGroup*, 7> groups() const;
    std::array<RadioGroup*, 5> governorGroups() const;
    void showPrompt(const QString& prompt);
    void governorChosen(RadioGroup* chosen);
    void writeTutorial(const loco::TuneupTutorial& tutorial);
    // What the report says: the tutorial shown, with its picture.
    loco::Report report() const;

    const loco::TuneupTable& table_;
    std::unique_ptr<Ui::TTUNEUP> ui;
};
