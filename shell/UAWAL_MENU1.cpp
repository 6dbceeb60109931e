#include "shell/UAWAL_MENU1.h"

#include "shell/Uinfo.h"
#include "shell/Umenu1.h"
#include "shell/password.h"
#include "shell/window_refs.h"
#include "toolkit/handler_guard.h"
#include "ui_UAWAL_MENU1.h"

using loco::connectHandler;

Tawal_menu::Tawal_menu(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::Tawal_menu>())
{
    ui->setupUi(content());
    finishDefinition();
    connectHandler(ui->Panel2, &Panel::clicked, this, &Tawal_menu::Panel2Click);
    connectHandler(ui->Label2, &Label::clicked, this, &Tawal_menu::Label2Click);
    connectHandler(ui->Image3, &Picture::clicked, this, &Tawal_menu::Label2Click);
    connectHandler(ui->Label3, &Label::clicked, this, &Tawal_menu::Label3Click);
    connectHandler(ui->Panel3, &Panel::clicked, this, &Tawal_menu::Panel3Click);
    connectHandler(ui->Image2, &Picture::clicked, this, &Tawal_menu::Button2Click);
}

Tawal_menu::~Tawal_menu() = default;

void Tawal_menu::Panel2Click()
{
    const bool accepted = loco::isAcceptedPassword(ui->Edit1->text().toStdString());
    if (accepted)
        menu1->showModeless();
    ui->Edit1->clear();
}

void Tawal_menu::Label2Click()
{
    info->showModeless();
}

void Tawal_menu::Label3Click()
{
    ui->RichEdit1->setVisible(true);
    ui->Panel3->setVisible(true);
}

void Tawal_menu::Panel3Click()
{
    ui->RichEdit1->setVisible(false);
    ui->Panel3->setVisible(false);
}

void Tawal_menu::Button2Click()
{
    close();
}
