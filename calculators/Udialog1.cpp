#include "calculators/Udialog1.h"

#include "calculators/UMENU_UR.h"
#include "shell/window_refs.h"
#include "toolkit/accessibility.h"
#include "toolkit/handler_guard.h"
#include "ui_Udialog1.h"

#include <QWindow>

using loco::connectHandler;

TDIALOG1::TDIALOG1(QWidget* parent) : FormWindow(parent), ui(std::make_unique<Ui::TDIALOG1>())
{
    ui->setupUi(content());
    finishDefinition();
    // A notice: it appears beside the entry being typed in and leaves the
    // keyboard there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    loco::presentAsAlert(this, ui->RichEdit1->lines().join(QLatin1Char(' ')).simplified());
    connectHandler(ui->OKBtn, &QPushButton::clicked, this, &TDIALOG1::OKBtnClick);
}

// The notice belongs to the lifetime window that raises it: the window
// manager keeps it above that window only, not above every window of the
// program (a dialog without an owner is kept above its whole group).
void TDIALOG1::showEvent(QShowEvent* event)
{
    if (umurrem && umurrem->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(umurrem->windowHandle());
    FormWindow::showEvent(event);
}

TDIALOG1::~TDIALOG1() = default;

void TDIALOG1::OKBtnClick()
{
    close();
}
