#pragma once

#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <memory>

class QRadioButton;
namespace loco {
class MaintenanceTable;
}

namespace Ui {
class TPM;
}

// The preventive-maintenance tutorial: the user picks one of thirty
// maintenance types and reads its procedure beside its picture.
class TPM : public FormWindow {
    Q_OBJECT

public:
    // table outlives the window; commands join its report commands.
    explicit TPM(const loco::MaintenanceTable& table, const QList<loco::ReportCommands::Command>& commands = {},
        QWidget* parent = nullptr);
    ~TPM() override;

    // The selection step of maintenance type 1 ... 30.
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void RadioButton10Click();
    void RadioButton11Click();
    void RadioButton12Click();
    void RadioButton13Click();
    void RadioButton14Click();
    void RadioButton15Click();
    void RadioButton16Click();
    void RadioButton17Click();
    void RadioButton18Click();
    void RadioButton19Click();
    void RadioButton20Click();
    void RadioButton21Click();
    void RadioButton22Click();
    void RadioButton23Click();
    void RadioButton24Click();
    void RadioButton25Click();
    void RadioButton26Click();
    void RadioButton27Click();
    void RadioButton28Click();
    void RadioButton29Click();
    void RadioButton30Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // Shows procedure `type` as a user gets there: "ULANGI " when it can
    // be pressed, the choice, "PROSES". The reset leaves the last choice
    // selected, and choosing it again does nothing: another comes first then.
    void showProcedure(int type);
    // The maintenance type whose procedure "PROSES" shows, or 0 while the
    // introduction stands or a type is only chosen.
    int shownProcedure() const;

private:
    QRadioButton* choice(int type) const;
    void connectChoice(int type);
    void selectType(int type);
    // What the report says: the procedure shown, with its picture.
    loco::Report report() const;

    const loco::MaintenanceTable& table_;
    std::unique_ptr<Ui::TPM> ui;
};
