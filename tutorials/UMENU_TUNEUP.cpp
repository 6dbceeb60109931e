#include "tutorials/UMENU_TUNEUP.h"

#include "ui_UMENU_TUNEUP.h"

TTUNEUP::TTUNEUP(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TTUNEUP>())
{
    ui->setupUi(content());
    finishDefinition();
}

TTUNEUP::~TTUNEUP() = default;
