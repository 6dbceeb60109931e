#include "calculators/UMENU_UR.h"

#include "calculators/UMENU_Gayrem.h"
#include "calculators/Udialog1.h"
#include "calculators/calculator_controls.h"
#include "calculators/calculator_report.h"
#include "calculators/core/brake_block_lifetime.h"
#include "shell/window_refs.h"
#include "toolkit/definition.h"
#include "toolkit/handler_guard.h"
#include "toolkit/regional_settings.h"
#include "toolkit/report_commands.h"
#include "ui_UMENU_UR.h"

namespace {

using loco::BrakeBlockLifetimeEntry;
using loco::BrakeBlockLifetimeResult;
using Texts = loco::BrakeBlockLifetimeEntries;
using Entry = loco::EntryControl<Ui::Tumurrem, Texts, BrakeBlockLifetimeEntry>;
using Result = loco::ResultControl<Ui::Tumurrem, BrakeBlockLifetimeResult>;

constexpr std::array<Entry, 21> kEntries{{
    {BrakeBlockLifetimeEntry::WheelDiameter, &Texts::wheelDiameter, &Ui::Tumurrem::Edit1},
    {BrakeBlockLifetimeEntry::ArcAngle, &Texts::arcAngle, &Ui::Tumurrem::Edit2},
    {BrakeBlockLifetimeEntry::BlockWidth, &Texts::blockWidth, &Ui::Tumurrem::Edit3},
    {BrakeBlockLifetimeEntry::Thickness, &Texts::thickness, &Ui::Tumurrem::Edit4},
    {BrakeBlockLifetimeEntry::MinimumThickness, &Texts::minimumThickness, &Ui::Tumurrem::Edit5},
    {BrakeBlockLifetimeEntry::ParticleDiameter, &Texts::particleDiameter, &Ui::Tumurrem::Edit6},
    {BrakeBlockLifetimeEntry::Speed, &Texts::speed, &Ui::Tumurrem::ComboBox1},
    {BrakeBlockLifetimeEntry::WearCoefficient, &Texts::wearCoefficient, &Ui::Tumurrem::Edit7},
    {BrakeBlockLifetimeEntry::MaterialFactor, &Texts::materialFactor, &Ui::Tumurrem::Edit8},
    {BrakeBlockLifetimeEntry::ContactFactor, &Texts::contactFactor, &Ui::Tumurrem::Edit9},
    {BrakeBlockLifetimeEntry::Hardness, &Texts::hardness, &Ui::Tumurrem::Edit11},
    {BrakeBlockLifetimeEntry::BrakingsPerTrip, &Texts::brakingsPerTrip, &Ui::Tumurrem::Edit12},
    {BrakeBlockLifetimeEntry::TripsPerDay, &Texts::tripsPerDay, &Ui::Tumurrem::Edit13},
    {BrakeBlockLifetimeEntry::PistonArea, &Texts::pistonArea, &Ui::Tumurrem::Edit16},
    {BrakeBlockLifetimeEntry::MaxPressure, &Texts::maxPressure, &Ui::Tumurrem::Edit17},
    {BrakeBlockLifetimeEntry::MaxEfficiency, &Texts::maxEfficiency, &Ui::Tumurrem::Edit18},
    {BrakeBlockLifetimeEntry::UpperArm, &Texts::upperArm, &Ui::Tumurrem::Edit19},
    {BrakeBlockLifetimeEntry::LowerArm, &Texts::lowerArm, &Ui::Tumurrem::Edit20},
    {BrakeBlockLifetimeEntry::SpringForce, &Texts::springForce, &Ui::Tumurrem::Edit21},
    {BrakeBlockLifetimeEntry::SlackAdjusterForce, &Texts::slackAdjusterForce, &Ui::Tumurrem::Edit22},
    {BrakeBlockLifetimeEntry::Wheels, &Texts::wheels, &Ui::Tumurrem::Edit23},
}};
static_assert(loco::namesInOrder(kEntries, BrakeBlockLifetimeEntry::Wheels));

constexpr std::array<Result, 12> kResults{{
    {BrakeBlockLifetimeResult::ForcePerBlock, &Ui::Tumurrem::Edit24},
    {BrakeBlockLifetimeResult::TreadCircumference, &Ui::Tumurrem::Edit40},
    {BrakeBlockLifetimeResult::ArcLength, &Ui::Tumurrem::Edit39},
    {BrakeBlockLifetimeResult::ContactArea, &Ui::Tumurrem::Edit37},
    {BrakeBlockLifetimeResult::AllowedWear, &Ui::Tumurrem::Edit36},
    {BrakeBlockLifetimeResult::ParticleArea, &Ui::Tumurrem::Edit35},
    {BrakeBlockLifetimeResult::Particles, &Ui::Tumurrem::Edit34},
    {BrakeBlockLifetimeResult::Contacts, &Ui::Tumurrem::Edit33},
    {BrakeBlockLifetimeResult::WearVolume, &Ui::Tumurrem::Edit32},
    {BrakeBlockLifetimeResult::Lifetime, &Ui::Tumurrem::Edit31},
    {BrakeBlockLifetimeResult::DaysFillIn, &Ui::Tumurrem::Edit14},
    {BrakeBlockLifetimeResult::HoursFillIn, &Ui::Tumurrem::Edit15},
}};
static_assert(loco::namesInOrder(kResults, BrakeBlockLifetimeResult::HoursFillIn));

} // namespace

using loco::connectHandler;

Tumurrem::Tumurrem(const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), ui(std::make_unique<Ui::Tumurrem>())
{
    ui->setupUi(content());
    finishDefinition();
    // "HITUNG" lies below "SELESAI" but computes what was just typed: Tab
    // reaches it right after the last entry.
    placeInTabOrderAfter(ui->Edit23, ui->Button1);
    FormCreate();
    computed_ = loco::connectCompute(ui->Button1, this, &Tumurrem::Button1Click, *ui, kEntries);
    connectHandler(ui->Button3, &QPushButton::clicked, this, &Tumurrem::Button3Click);
    connectHandler(ui->Button2, &QPushButton::clicked, this, &Tumurrem::Button2Click);
    connectHandler(ui->CheckBox2, &QCheckBox::clicked, this, &Tumurrem::CheckBox2Click);
    connectHandler(ui->Edit5, &QLineEdit::textChanged, this, &Tumurrem::Edit5Change);
    new loco::ReportCommands(
        this, [this] { return report(); }, commands);
}

loco::Report Tumurrem::report() const
{
    // The picture panel lies in front of the conclusion until a computation succeeds.
    std::optional<QStringList> conclusion;
    if (ui->Panel18->isHidden())
        conclusion = loco::filledIn(ui->Memo1->lines(), {{2, 1, ui->Edit14}, {2, 2, ui->Edit15}});
    return loco::calculatorReport(QStringLiteral("Menghitung Umur Kampas Rem"), QStringLiteral("umur kampas rem"),
        *computed_, loco::controlsOf(*ui, kResults), conclusion);
}

Tumurrem::~Tumurrem() = default;

void Tumurrem::FormCreate()
{
    ui->GroupBox2->setEnabled(false);
}

void Tumurrem::Button1Click()
{
    loco::ResultFields fields(*ui, kResults, [this] { ui->Panel18->setVisible(false); });
    loco::computeBrakeBlockLifetime(loco::typedEntries(*ui, kEntries), fields, loco::decimalSeparator());
}

void Tumurrem::Button3Click()
{
    ui->Panel18->show();
    // Emptying Edit4 before Edit5 means the thickness check that follows
    // finds no thickness and stays quiet.
    for (QLineEdit* entry : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8,
             ui->Edit9, ui->Edit11, ui->Edit12, ui->Edit13})
        entry->clear();
    ui->ComboBox1->clearEditText();
    for (QLineEdit* field :
        {ui->Edit31, ui->Edit32, ui->Edit33, ui->Edit34, ui->Edit35, ui->Edit36, ui->Edit37, ui->Edit39, ui->Edit40})
        loco::showFieldText(field, QString());
}

void Tumurrem::Button2Click()
{
    close();
}

void Tumurrem::CheckBox2Click()
{
    // The box works as a button: each tick opens the brake-force window and
    // is taken back at once.
    if (!ui->CheckBox2->isChecked())
        return;
    gayrem->showModeless();
    ui->CheckBox2->setChecked(false);
}

void Tumurrem::Edit5Change()
{
    const std::string minimum = ui->Edit5->text().toStdString();
    const std::string thickness = ui->Edit4->text().toStdString();
    if (loco::thicknessNoticeDue(minimum, thickness, loco::decimalSeparator()))
        DIALOG1->showModeless();
}
