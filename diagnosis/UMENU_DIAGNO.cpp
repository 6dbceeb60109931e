#include "diagnosis/UMENU_DIAGNO.h"

#include "ui_UMENU_DIAGNO.h"

Tdiagno::Tdiagno(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tdiagno>())
{
    ui->setupUi(content());
    finishDefinition();
}

Tdiagno::~Tdiagno() = default;
