#include "tutorials/UMENU_PM.h"

#include "toolkit/definition.h"
#include "toolkit/handler_guard.h"
#include "toolkit/picture.h"
#include "toolkit/picture_viewer.h"
#include "toolkit/report_commands.h"
#include "tutorials/core/maintenance_table.h"
#include "ui_UMENU_PM.h"

#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace {

using loco::MaintenanceTable;

constexpr std::array<QRadioButton * Ui::TPM::*, MaintenanceTable::kSize> kChoices{&Ui::TPM::RadioButton1,
    &Ui::TPM::RadioButton2, &Ui::TPM::RadioButton3, &Ui::TPM::RadioButton4, &Ui::TPM::RadioButton5,
    &Ui::TPM::RadioButton6, &Ui::TPM::RadioButton7, &Ui::TPM::RadioButton8, &Ui::TPM::RadioButton9,
    &Ui::TPM::RadioButton10, &Ui::TPM::RadioButton11, &Ui::TPM::RadioButton12, &Ui::TPM::RadioButton13,
    &Ui::TPM::RadioButton14, &Ui::TPM::RadioButton15, &Ui::TPM::RadioButton16, &Ui::TPM::RadioButton17,
    &Ui::TPM::RadioButton18, &Ui::TPM::RadioButton19, &Ui::TPM::RadioButton20, &Ui::TPM::RadioButton21,
    &Ui::TPM::RadioButton22, &Ui::TPM::RadioButton23, &Ui::TPM::RadioButton24, &Ui::TPM::RadioButton25,
    &Ui::TPM::RadioButton26, &Ui::TPM::RadioButton27, &Ui::TPM::RadioButton28, &Ui::TPM::RadioButton29,
    &Ui::TPM::RadioButton30};

constexpr std::array<void (TPM::*)(), MaintenanceTable::kSize> kChoiceHandlers{&TPM::RadioButton1Click,
    &TPM::RadioButton2Click, &TPM::RadioButton3Click, &TPM::RadioButton4Click, &TPM::RadioButton5Click,
    &TPM::RadioButton6Click, &TPM::RadioButton7Click, &TPM::RadioButton8Click, &TPM::RadioButton9Click,
    &TPM::RadioButton10Click, &TPM::RadioButton11Click, &TPM::RadioButton12Click, &TPM::RadioButton13Click,
    &TPM::RadioButton14Click, &TPM::RadioButton15Click, &TPM::RadioButton16Click, &TPM::RadioButton17Click,
    &TPM::RadioButton18Click, &TPM::RadioButton19Click, &TPM::RadioButton20Click, &TPM::RadioButton21Click,
    &TPM::RadioButton22Click, &TPM::RadioButton23Click, &TPM::RadioButton24Click, &TPM::RadioButton25Click,
    &TPM::RadioButton26Click, &TPM::RadioButton27Click, &TPM::RadioButton28Click, &TPM::RadioButton29Click,
    &TPM::RadioButton30Click};

const QString kChosenPrompt = QStringLiteral("tekan tombol proses");
const QString kLastChosenPrompt = QStringLiteral("tekan tombol proses untuk memulai perawatan");
const QString kResetPrompt = QStringLiteral("Silahkan pilih jenis kerusakan terlebih dahulu");
const QString kResetPicture = QStringLiteral("d:\\delpi_hasil\\ker3.jpg");

// Procedure lines start with a small indent, in points.
constexpr qreal kProcedureIndent = 1;

// A failed load empties the box before the error is shown, so the default
// picture shows rather than another procedure's picture beside the text.
void loadPicture(Picture* box, const QString& path)
{
    try {
        box->loadFromFile(path);
    } catch (...) {
        box->clear();
        throw;
    }
}

const QStringList& introduction()
{
    static const QStringList lines{
        QStringLiteral("Sistem perawatan ini berisi petunjuk mengenai car pemeriharaan dari"),
        QStringLiteral("mesin, misalnya :"),
        QStringLiteral("- bagian-bagian mana saja yang harus diperiksa secara berkala agar"),
        QStringLiteral("  tidak mengalami kerusakan,"),
        QStringLiteral("- cara pengisian bahan bakar yang benar,"),
        QStringLiteral("- penggantian oli pelumas,"),
        QStringLiteral("- penggantian elemen-elemen yang memang harus diganti."),
        QStringLiteral("Semua itu bertujuan agar perawatan mesin dapat dilakukan dengan"),
        QStringLiteral("benar dan mesin selalu dalam keadaan siap pakai."),
    };
    return lines;
}

} // namespace

using loco::connectHandler;

TPM::TPM(const loco::MaintenanceTable& table, const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), table_(table), ui(std::make_unique<Ui::TPM>())
{
    ui->setupUi(content());
    finishDefinition();
    for (int type = 1; type <= MaintenanceTable::kSize; ++type)
        choice(type)->setText(QString::fromStdString(table_.at(type).caption));
    ui->RichEdit1->setLines(introduction());

    for (int type = 1; type <= MaintenanceTable::kSize; ++type)
        connectChoice(type);
    connectHandler(ui->BitBtn1, &QPushButton::clicked, this, &TPM::BitBtn1Click);
    connectHandler(ui->BitBtn2, &QPushButton::clicked, this, &TPM::BitBtn2Click);
    connectHandler(ui->BitBtn3, &QPushButton::clicked, this, &TPM::BitBtn3Click);

    loco::enlargeOnClick(ui->Image3);
    auto* reports = new loco::ReportCommands(
        this, [this] { return report(); }, commands);
    reports->addBoxCommand(ui->RichEdit1,
        {QStringLiteral("Perbesar gambar"), {}, [this] { return loco::canEnlarge(ui->Image3); },
            [this] { loco::enlargePicture(ui->Image3); }});
}

TPM::~TPM() = default;

QRadioButton* TPM::choice(int type) const
{
    return (*ui).*kChoices[static_cast<std::size_t>(type - 1)];
}

// A choice's handler runs when the choice becomes the selected one: neither
// clicking the selected choice again nor losing the mark runs it.
void TPM::connectChoice(int type)
{
    const auto handler = kChoiceHandlers[static_cast<std::size_t>(type - 1)];
    connect(choice(type), &QRadioButton::toggled, this, [this, handler](bool selected) {
        if (selected)
            loco::runGuarded([&] { (this->*handler)(); });
    });
}

void TPM::RadioButton1Click()
{
    selectType(1);
}
void TPM::RadioButton2Click()
{
    selectType(2);
}
void TPM::RadioButton3Click()
{
    selectType(3);
}
void TPM::RadioButton4Click()
{
    selectType(4);
}
void TPM::RadioButton5Click()
{
    selectType(5);
}
void TPM::RadioButton6Click()
{
    selectType(6);
}
void TPM::RadioButton7Click()
{
    selectType(7);
}
void TPM::RadioButton8Click()
{
    selectType(8);
}
void TPM::RadioButton9Click()
{
    selectType(9);
}
void TPM::RadioButton10Click()
{
    selectType(10);
}
void TPM::RadioButton11Click()
{
    selectType(11);
}
void TPM::RadioButton12Click()
{
    selectType(12);
}
void TPM::RadioButton13Click()
{
    selectType(13);
}
void TPM::RadioButton14Click()
{
    selectType(14);
}
void TPM::RadioButton15Click()
{
    selectType(15);
}
void TPM::RadioButton16Click()
{
    selectType(16);
}
void TPM::RadioButton17Click()
{
    selectType(17);
}
void TPM::RadioButton18Click()
{
    selectType(18);
}
void TPM::RadioButton19Click()
{
    selectType(19);
}
void TPM::RadioButton20Click()
{
    selectType(20);
}
void TPM::RadioButton21Click()
{
    selectType(21);
}
void TPM::RadioButton22Click()
{
    selectType(22);
}
void TPM::RadioButton23Click()
{
    selectType(23);
}
void TPM::RadioButton24Click()
{
    selectType(24);
}
void TPM::RadioButton25Click()
{
    selectType(25);
}
void TPM::RadioButton26Click()
{
    selectType(26);
}
void TPM::RadioButton27Click()
{
    selectType(27);
}
void TPM::RadioButton28Click()
{
    selectType(28);
}
void TPM::RadioButton29Click()
{
    selectType(29);
}
void TPM::RadioButton30Click()
{
    selectType(30);
}

void TPM::selectType(int type)
{
    ui->RichEdit2->clearLines();
    ui->RichEdit2->appendLine(type == MaintenanceTable::kSize ? kLastChosenPrompt : kChosenPrompt);
    ui->BitBtn2->setEnabled(true);
    ui->BitBtn1->setEnabled(true);
    for (int other = 1; other <= MaintenanceTable::kSize; ++other)
        if (other != type)
            choice(other)->setEnabled(false);
}

void TPM::BitBtn1Click()
{
    for (int type = 1; type <= MaintenanceTable::kSize; ++type) {
        if (!choice(type)->isChecked())
            continue;
        const loco::MaintenanceEntry& entry = table_.at(type);
        ui->RichEdit2->clearLines();
        ui->RichEdit1->clearLines();
        ui->RichEdit2->appendLine(QString::fromStdString(entry.title));
        ui->RichEdit1->setAppendFirstLineIndent(kProcedureIndent);
        for (const std::string& line : entry.lines)
            ui->RichEdit1->appendLine(QString::fromStdString(line));
        ui->BitBtn1->setEnabled(false);
        // Loaded last: when the picture fails, the procedure already stands.
        if (entry.picture)
            loadPicture(ui->Image3, QString::fromStdString(*entry.picture));
    }
}

void TPM::BitBtn2Click()
{
    ui->RichEdit2->clearLines();
    for (int type = 1; type <= MaintenanceTable::kSize; ++type)
        choice(type)->setEnabled(true);
    ui->RichEdit2->appendLine(kResetPrompt);
    ui->RichEdit1->clearLines();
    ui->RichEdit1->setAppendFirstLineIndent(kProcedureIndent);
    for (const QString& line : introduction())
        ui->RichEdit1->appendLine(line);
    ui->BitBtn1->setEnabled(false);
    ui->BitBtn2->setEnabled(false);
    loadPicture(ui->Image3, kResetPicture);
}

void TPM::BitBtn3Click()
{
    close();
}

void TPM::showProcedure(int type)
{
    if (ui->BitBtn2->isEnabled())
        ui->BitBtn2->click();
    if (choice(type)->isChecked()) {
        choice(type == 1 ? 2 : 1)->click();
        ui->BitBtn2->click();
    }
    choice(type)->click();
    ui->BitBtn1->click();
    showModeless();
}
