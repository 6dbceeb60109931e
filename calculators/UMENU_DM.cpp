#include "calculators/UMENU_DM.h"

#include "calculators/core/engine_power.h"
#include "calculators/window_form.h"
#include "toolkit/definition.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "ui_UMENU_DM.h"

using loco::connectHandler;

TDM::TDM(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TDM>())
{
    ui->setupUi(content());
    finishDefinition();
    loco::keepEnabledLook(ui->GroupBox2);
    loco::keepEnabledLook(ui->Memo2);
    connectHandler(ui->Button1, &QPushButton::clicked, this, &TDM::Button1Click);
    connectHandler(ui->Button3, &QPushButton::clicked, this, &TDM::Button3Click);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &TDM::Button2Click);
}

TDM::~TDM() = default;

void TDM::Button1Click()
{
    WindowForm form(this);
    loco::computeEnginePower(form, loco::decimalSeparator());
}

void TDM::Button3Click()
{
    ui->edit11->clear();
    ui->edit12->clear();
    ui->edit13->clear();
    ui->edit14->clear();
    // No item stays chosen, so picking any item afterwards fills the text again.
    ui->ComboBox1->setCurrentIndex(-1);
    ui->ComboBox2->setCurrentIndex(-1);
    ui->edit18->clear();
    ui->Memo1->setVisible(false);
    ui->Edit21->setVisible(false);
    ui->Edit25->setVisible(false);
    ui->Memo2->setVisible(true);
}

void TDM::Button2Click()
{
    close();
}
