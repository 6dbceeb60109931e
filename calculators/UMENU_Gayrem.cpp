#include "calculators/UMENU_Gayrem.h"

#include "calculators/calculator_controls.h"
#include "calculators/calculator_report.h"
#include "calculators/core/brake_force.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "toolkit/report_commands.h"
#include "ui_UMENU_Gayrem.h"

namespace {

using loco::BrakeForceEntry;
using loco::BrakeForceResult;
using Texts = loco::BrakeForceEntries;
using Entry = loco::EntryControl<Ui::Tgayrem, Texts, BrakeForceEntry>;
using Result = loco::ResultControl<Ui::Tgayrem, BrakeForceResult>;

constexpr std::array<Entry, 10> kEntries{{
    {BrakeForceEntry::UpperArm, &Texts::upperArm, &Ui::Tgayrem::Edit14},
    {BrakeForceEntry::LowerArm, &Texts::lowerArm, &Ui::Tgayrem::Edit15},
    {BrakeForceEntry::Wheels, &Texts::wheels, &Ui::Tgayrem::Edit16},
    {BrakeForceEntry::PistonArea, &Texts::pistonArea, &Ui::Tgayrem::Edit17},
    {BrakeForceEntry::MaxPressure, &Texts::maxPressure, &Ui::Tgayrem::Edit18},
    {BrakeForceEntry::SpringForce, &Texts::springForce, &Ui::Tgayrem::Edit19},
    {BrakeForceEntry::MaxEfficiency, &Texts::maxEfficiency, &Ui::Tgayrem::Edit20},
    {BrakeForceEntry::SlackAdjusterForce, &Texts::slackAdjusterForce, &Ui::Tgayrem::Edit21},
    {BrakeForceEntry::EmptyLoad, &Texts::emptyLoad, &Ui::Tgayrem::Edit23},
    {BrakeForceEntry::FullLoad, &Texts::fullLoad, &Ui::Tgayrem::Edit24},
}};
static_assert(loco::namesInOrder(kEntries, BrakeForceEntry::FullLoad));

constexpr std::array<Result, 9> kResults{{
    {BrakeForceResult::RiggingRatio, &Ui::Tgayrem::Edit14jwb},
    {BrakeForceResult::CylinderForce, &Ui::Tgayrem::Edit15jwb},
    {BrakeForceResult::BlockForce, &Ui::Tgayrem::Edit16jwb},
    {BrakeForceResult::FullCarPercentage, &Ui::Tgayrem::Edit19jwb},
    {BrakeForceResult::EmptyCarPercentage, &Ui::Tgayrem::Edit20jwb},
    {BrakeForceResult::FullCarFillIn, &Ui::Tgayrem::Edit6},
    {BrakeForceResult::FullCarVerdict, &Ui::Tgayrem::Edit8},
    {BrakeForceResult::EmptyCarFillIn, &Ui::Tgayrem::Edit5},
    {BrakeForceResult::EmptyCarVerdict, &Ui::Tgayrem::Edit7},
}};
static_assert(loco::namesInOrder(kResults, BrakeForceResult::EmptyCarVerdict));

} // namespace

using loco::connectHandler;

Tgayrem::Tgayrem(const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), ui(std::make_unique<Ui::Tgayrem>())
{
    ui->setupUi(content());
    finishDefinition();
    computed_ = loco::connectCompute(ui->BitBtn1, this, &Tgayrem::BitBtn1Click, *ui, kEntries);
    connectHandler(ui->Button1, &QPushButton::clicked, this, &Tgayrem::Button1Click);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &Tgayrem::Button2Click);
    new loco::ReportCommands(
        this, [this] { return report(); }, commands);
}

loco::Report Tgayrem::report() const
{
    // The explanation lies in front of the conclusion until a computation succeeds.
    std::optional<QStringList> conclusion;
    if (ui->Memo2->isHidden())
        conclusion = loco::filledIn(
            ui->RichEdit1->lines(), {{2, 1, ui->Edit5}, {2, 2, ui->Edit7}, {3, 2, ui->Edit6}, {3, 3, ui->Edit8}});
    return loco::calculatorReport(QStringLiteral("Menghitung Gaya Rem"), QStringLiteral("gaya rem"), *computed_,
        loco::controlsOf(*ui, kResults), conclusion);
}

Tgayrem::~Tgayrem() = default;

void Tgayrem::BitBtn1Click()
{
    loco::ResultFields fields(*ui, kResults, [this] {
        ui->RichEdit1->setVisible(true);
        ui->Memo2->setVisible(false);
    });
    loco::computeBrakeForce(loco::typedEntries(*ui, kEntries), fields, loco::decimalSeparator());
}

void Tgayrem::Button1Click()
{
    // The explanation lies in front of the conclusion and its fill-ins, which
    // stay as they are underneath.
    ui->Memo2->show();
    for (QLineEdit* entry : {ui->Edit14, ui->Edit15, ui->Edit16, ui->Edit17, ui->Edit18, ui->Edit19, ui->Edit20,
             ui->Edit21, ui->Edit23, ui->Edit24})
        entry->clear();
    for (QLineEdit* field : {ui->Edit14jwb, ui->Edit15jwb, ui->Edit16jwb, ui->Edit19jwb, ui->Edit20jwb})
        loco::showFieldText(field, QString());
}

void Tgayrem::Button2Click()
{
    close();
}
