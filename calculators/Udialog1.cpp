#include "calculators/Udialog1.h"

#include "ui_Udialog1.h"

TDIALOG1::TDIALOG1(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TDIALOG1>())
{
    ui->setupUi(content());
    finishDefinition();
}

TDIALOG1::~TDIALOG1() = default;
