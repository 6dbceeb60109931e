#include "tutorials/UMENU_PM.h"

#include "ui_UMENU_PM.h"

TPM::TPM(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TPM>())
{
    ui->setupUi(content());
    finishDefinition();
}

TPM::~TPM() = default;
