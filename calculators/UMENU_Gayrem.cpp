#include "calculators/UMENU_Gayrem.h"

#include "ui_UMENU_Gayrem.h"

Tgayrem::Tgayrem(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tgayrem>())
{
    ui->setupUi(content());
    finishDefinition();
}

Tgayrem::~Tgayrem() = default;
