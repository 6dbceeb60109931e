#include "calculators/UMENU_UR.h"

#include "calculators/UMENU_Gayrem.h"
#include "calculators/Udialog1.h"
#include "calculators/core/brake_block_lifetime.h"
#include "calculators/window_form.h"
#include "shell/window_refs.h"
#include "toolkit/definition.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "ui_UMENU_UR.h"

using loco::connectHandler;

Tumurrem::Tumurrem(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tumurrem>())
{
    ui->setupUi(content());
    finishDefinition();
    // The results group is disabled as a whole: its fields refuse input but stay readable.
    loco::keepEnabledLook(ui->GroupBox2);
    FormCreate();
    connectHandler(ui->Button1, &QPushButton::clicked, this, &Tumurrem::Button1Click);
    connectHandler(ui->Button3, &QPushButton::clicked, this, &Tumurrem::Button3Click);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &Tumurrem::Button2Click);
    connectHandler(ui->CheckBox2, &QCheckBox::clicked, this, &Tumurrem::CheckBox2Click);
    connectHandler(ui->Edit5, &QLineEdit::textChanged, this, &Tumurrem::Edit5Change);
}

Tumurrem::~Tumurrem() = default;

void Tumurrem::FormCreate()
{
    ui->GroupBox2->setEnabled(false);
}

void Tumurrem::Button1Click()
{
    WindowForm form(this);
    loco::computeBrakeBlockLifetime(form, loco::decimalSeparator());
}

void Tumurrem::Button3Click()
{
    ui->Panel18->show();
    // Emptying Edit4 before Edit5 means the thickness check that follows
    // finds no thickness and stays quiet.
    for (QLineEdit* entry : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8,
                             ui->Edit9, ui->Edit11, ui->Edit12, ui->Edit13})
        entry->clear();
    ui->ComboBox1->clearEditText();
    for (QLineEdit* field : {ui->Edit31, ui->Edit32, ui->Edit33, ui->Edit34, ui->Edit35, ui->Edit36, ui->Edit37,
                             ui->Edit39, ui->Edit40})
        field->clear();
}

void Tumurrem::Button2Click()
{
    close();
}

void Tumurrem::CheckBox2Click()
{
    // The box works as a button: each tick opens the brake-force window and
    // is taken back at once.
    if (!ui->CheckBox2->isChecked())
        return;
    gayrem->showModeless();
    ui->CheckBox2->setChecked(false);
}

void Tumurrem::Edit5Change()
{
    const std::string minimum = ui->Edit5->text().toStdString();
    const std::string thickness = ui->Edit4->text().toStdString();
    if (loco::thicknessNoticeDue(minimum, thickness, loco::decimalSeparator()))
        DIALOG1->showModeless();
}
