#include "shell/Umenu1.h"

#include "calculators/UMENU_DM.h"
#include "calculators/UMENU_UR.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/window_refs.h"
#include "toolkit/handler_guard.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/UMENU_TUNEUP.h"
#include "ui_Umenu1.h"

#include <QCoreApplication>
#include <QToolButton>

using loco::connectHandler;

Tmenu1::Tmenu1(std::function<void()> showRecords, QWidget* parent)
    : FormWindow(parent), ui(std::make_unique<Ui::Tmenu1>()), showRecords_(std::move(showRecords))
{
    ui->setupUi(content());
    finishDefinition();
    connectHandler(ui->SpeedButton4, &QToolButton::clicked, this, &Tmenu1::SpeedButton4Click);
    connectHandler(ui->SpeedButton3, &QToolButton::clicked, this, &Tmenu1::SpeedButton3Click);
    connectHandler(ui->SpeedButton2, &QToolButton::clicked, this, &Tmenu1::SpeedButton2Click);
    connectHandler(ui->SpeedButton6, &QToolButton::clicked, this, &Tmenu1::SpeedButton6Click);
    connectHandler(ui->SpeedButton7, &QToolButton::clicked, this, &Tmenu1::SpeedButton7Click);
    connectHandler(ui->Image2, &Picture::clicked, this, &Tmenu1::Close1Click);
    connectHandler(ui->RecordsButton, &QToolButton::clicked, this, &Tmenu1::RecordsButtonClick);
}

Tmenu1::~Tmenu1() = default;

void Tmenu1::SpeedButton4Click()
{
    diagno->showModeless();
}

void Tmenu1::SpeedButton3Click()
{
    PM->showModeless();
}

void Tmenu1::SpeedButton2Click()
{
    TUNEUP->showModeless();
}

void Tmenu1::SpeedButton6Click()
{
    umurrem->showModeless();
}

void Tmenu1::SpeedButton7Click()
{
    DM->showModeless();
}

void Tmenu1::Close1Click()
{
    QCoreApplication::quit();
}

void Tmenu1::RecordsButtonClick()
{
    showRecords_();
}
