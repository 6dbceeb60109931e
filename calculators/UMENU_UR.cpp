#include "calculators/UMENU_UR.h"

#include "ui_UMENU_UR.h"

Tumurrem::Tumurrem(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tumurrem>())
{
    ui->setupUi(content());
    finishDefinition();
}

Tumurrem::~Tumurrem() = default;
