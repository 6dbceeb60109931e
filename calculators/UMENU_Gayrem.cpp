#include "calculators/UMENU_Gayrem.h"

#include "calculators/core/brake_force.h"
#include "calculators/window_form.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "ui_UMENU_Gayrem.h"

using loco::connectHandler;

Tgayrem::Tgayrem(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tgayrem>())
{
    ui->setupUi(content());
    finishDefinition();
    connectHandler(ui->BitBtn1, &QPushButton::clicked, this, &Tgayrem::BitBtn1Click);
    connectHandler(ui->Button1, &QPushButton::clicked, this, &Tgayrem::Button1Click);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &Tgayrem::Button2Click);
}

Tgayrem::~Tgayrem() = default;

void Tgayrem::BitBtn1Click()
{
    WindowForm form(this);
    loco::computeBrakeForce(form, loco::decimalSeparator());
}

void Tgayrem::Button1Click()
{
    // The explanation lies in front of the conclusion and its fill-ins, which
    // stay as they are underneath.
    ui->Memo2->show();
    for (QLineEdit* field : {ui->Edit14, ui->Edit15, ui->Edit16, ui->Edit17, ui->Edit18, ui->Edit19, ui->Edit20,
                             ui->Edit21, ui->Edit23, ui->Edit24, ui->Edit14jwb, ui->Edit15jwb, ui->Edit16jwb,
                             ui->Edit19jwb, ui->Edit20jwb})
        field->clear();
}

void Tgayrem::Button2Click()
{
    close();
}
