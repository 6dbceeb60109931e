#include "calculators/UMENU_DM.h"

#include "calculators/calculator_controls.h"
#include "calculators/calculator_report.h"
#include "calculators/core/engine_power.h"
#include "toolkit/definition.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "toolkit/report_commands.h"
#include "ui_UMENU_DM.h"

namespace {

using loco::EnginePowerEntry;
using loco::EnginePowerResult;
using Texts = loco::EnginePowerEntries;
using Entry = loco::EntryControl<Ui::TDM, Texts, EnginePowerEntry>;
using Result = loco::ResultControl<Ui::TDM, EnginePowerResult>;

constexpr std::array<Entry, 7> kEntries{{
    {EnginePowerEntry::Bore, &Texts::bore, &Ui::TDM::edit11},
    {EnginePowerEntry::Stroke, &Texts::stroke, &Ui::TDM::edit12},
    {EnginePowerEntry::Speed, &Texts::speed, &Ui::TDM::edit13},
    {EnginePowerEntry::MeanPressure, &Texts::meanPressure, &Ui::TDM::edit14},
    {EnginePowerEntry::Cylinders, &Texts::cylinders, &Ui::TDM::ComboBox2},
    {EnginePowerEntry::Cycles, &Texts::cycles, &Ui::TDM::ComboBox1},
    {EnginePowerEntry::FuelUsed, &Texts::fuelUsed, &Ui::TDM::edit18},
}};
static_assert(loco::namesInOrder(kEntries, EnginePowerEntry::FuelUsed));

constexpr std::array<Result, 6> kResults{{
    {EnginePowerResult::SweptVolume, &Ui::TDM::Edit2},
    {EnginePowerResult::Torque, &Ui::TDM::Edit5},
    {EnginePowerResult::Power, &Ui::TDM::Edit6},
    {EnginePowerResult::SpecificConsumption, &Ui::TDM::Edit15},
    {EnginePowerResult::PowerFillIn, &Ui::TDM::Edit21},
    {EnginePowerResult::ConsumptionFillIn, &Ui::TDM::Edit25},
}};
static_assert(loco::namesInOrder(kResults, EnginePowerResult::ConsumptionFillIn));

} // namespace

using loco::connectHandler;

TDM::TDM(const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), ui(std::make_unique<Ui::TDM>())
{
    ui->setupUi(content());
    finishDefinition();
    computed_ = loco::connectCompute(ui->Button1, this, &TDM::Button1Click, *ui, kEntries);
    connectHandler(ui->Button3, &QPushButton::clicked, this, &TDM::Button3Click);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &TDM::Button2Click);
    new loco::ReportCommands(
        this, [this] { return report(); }, commands);
}

loco::Report TDM::report() const
{
    std::optional<QStringList> conclusion;
    if (!ui->Memo1->isHidden())
        conclusion = loco::filledIn(ui->Memo1->lines(), {{2, 1, ui->Edit21}, {4, 1, ui->Edit25}});
    return loco::calculatorReport(QStringLiteral("Menghitung Daya Motor Diesel"), QStringLiteral("daya motor diesel"),
        *computed_, loco::controlsOf(*ui, kResults), conclusion);
}

TDM::~TDM() = default;

void TDM::Button1Click()
{
    loco::ResultFields fields(*ui, kResults, [this] {
        ui->Memo2->setVisible(false);
        ui->Memo1->setVisible(true);
    });
    loco::computeEnginePower(loco::typedEntries(*ui, kEntries), fields, loco::decimalSeparator());
}

void TDM::Button3Click()
{
    ui->edit11->clear();
    ui->edit12->clear();
    ui->edit13->clear();
    ui->edit14->clear();
    // No item stays chosen, so picking any item afterwards fills the text again.
    ui->ComboBox1->setCurrentIndex(-1);
    ui->ComboBox2->setCurrentIndex(-1);
    ui->edit18->clear();
    ui->Memo1->setVisible(false);
    ui->Edit21->setVisible(false);
    ui->Edit25->setVisible(false);
    ui->Memo2->setVisible(true);
}

void TDM::Button2Click()
{
    close();
}
