#include "calculators/Udialog1.h"

#include "toolkit/handler_guard.h"
#include "ui_Udialog1.h"

using loco::connectHandler;

TDIALOG1::TDIALOG1(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TDIALOG1>())
{
    ui->setupUi(content());
    finishDefinition();
    // A notice: it appears beside the entry being typed in and leaves the
    // keyboard there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    connectHandler(ui->OKBtn, &QPushButton::clicked, this, &TDIALOG1::OKBtnClick);
}

TDIALOG1::~TDIALOG1() = default;

void TDIALOG1::OKBtnClick()
{
    close();
}
