#include "calculators/UMENU_DM.h"

#include "ui_UMENU_DM.h"

TDM::TDM(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TDM>())
{
    ui->setupUi(content());
    finishDefinition();
}

TDM::~TDM() = default;
