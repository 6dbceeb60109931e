#include "shell/Uinfo.h"

#include "toolkit/handler_guard.h"
#include "ui_Uinfo.h"

using loco::connectHandler;

Tinfo::Tinfo(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tinfo>())
{
    ui->setupUi(content());
    finishDefinition();
    connectHandler(ui->Panel2, &Panel::clicked, this, &Tinfo::Panel2Click);
    connectHandler(ui->Label8, &Label::clicked, this, &Tinfo::Label8Click);
}

Tinfo::~Tinfo() = default;

void Tinfo::Panel2Click()
{
    close();
}

void Tinfo::Label8Click()
{
    close();
}
