#include "tutorials/UMENU_TUNEUP.h"

#include "toolkit/core/error.h"
#include "toolkit/handler_guard.h"
#include "toolkit/picture_viewer.h"
#include "toolkit/report_commands.h"
#include "tutorials/core/tuneup_table.h"
#include "ui_UMENU_TUNEUP.h"

#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using loco::connectHandler;

namespace {

const QString kPressProsesPrompt
    = QStringLiteral("Silahkan tekan tombol \"PROSES\" untuk mengetahui tutorial perawatan. "
                     "jika tidak tekan tombol \"ULANG\" atau \"CLOSE\".");

// Points of the tutorial text: the title stands almost at the margin, the
// lines below it are indented.
constexpr qreal kTutorialFontSize = 12;
constexpr qreal kTitleIndent = 1;
constexpr qreal kLineIndent = 10;

} // namespace

TTUNEUP::TTUNEUP(const loco::TuneupTable& table, const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), table_(table), ui(std::make_unique<Ui::TTUNEUP>())
{
    ui->setupUi(content());
    finishDefinition();
    connectHandler(ui->BitBtn1, &QPushButton::clicked, this, &TTUNEUP::BitBtn1Click);
    connectHandler(ui->BitBtn2, &QPushButton::clicked, this, &TTUNEUP::BitBtn2Click);
    connectHandler(ui->BitBtn3, &QPushButton::clicked, this, &TTUNEUP::BitBtn3Click);
    connectHandler(ui->RadioGroup1, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup1Click);
    connectHandler(ui->RadioGroup2, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup2Click);
    connectHandler(ui->RadioGroup3, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup3Click);
    connectHandler(ui->RadioGroup4, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup4Click);
    connectHandler(ui->RadioGroup5, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup5Click);
    connectHandler(ui->RadioGroup6, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup6Click);
    connectHandler(ui->RadioGroup7, &RadioGroup::clicked, this, &TTUNEUP::RadioGroup7Click);
    connectHandler(ui->SpeedButton2, &QToolButton::clicked, this, &TTUNEUP::SpeedButton2Click);
    connectHandler(ui->SpeedButton1, &QToolButton::clicked, this, &TTUNEUP::SpeedButton1Click);
    connectHandler(ui->Button3, &QPushButton::clicked, this, &TTUNEUP::Button3Click);

    loco::enlargeOnClick(ui->Image3);
    auto* reports = new loco::ReportCommands(
        this, [this] { return report(); }, commands);
    reports->addBoxCommand(ui->RichEdit1,
        {QStringLiteral("Perbesar gambar"), {}, [this] { return loco::canEnlarge(ui->Image3); },
            [this] { loco::enlargePicture(ui->Image3); }});
}

TTUNEUP::~TTUNEUP() = default;

// In the order "PROSES" examines them, which is also the table's order.
std::array<RadioGroup*, 7> TTUNEUP::groups() const
{
    return {ui->RadioGroup1, ui->RadioGroup2, ui->RadioGroup3, ui->RadioGroup4, ui->RadioGroup5, ui->RadioGroup6,
        ui->RadioGroup7};
}

std::array<RadioGroup*, 5> TTUNEUP::governorGroups() const
{
    return {ui->RadioGroup3, ui->RadioGroup4, ui->RadioGroup5, ui->RadioGroup6, ui->RadioGroup7};
}

void TTUNEUP::showPrompt(const QString& prompt)
{
    ui->RichEdit2->clearLines();
    ui->RichEdit2->appendLine(prompt);
}

void TTUNEUP::BitBtn1Click()
{
    ui->RadioGroup1->setEnabled(true);
    ui->BitBtn2->setEnabled(false);
    ui->BitBtn3->setEnabled(false);
    showPrompt(QStringLiteral("Silahkan pilih jenis dari valve mesin yang akan disetel(tune-up)"));
}

void TTUNEUP::BitBtn2Click()
{
    for (RadioGroup* group : governorGroups())
        group->setEnabled(true);
    ui->BitBtn1->setEnabled(false);
    ui->BitBtn3->setEnabled(false);
    showPrompt(QStringLiteral("Silahkan pilih jenis dari governor yang akan disetel(tune-up)"));
    for (RadioGroup* group : groups())
        group->setItemIndex(-1);
    ui->RichEdit1->clearLines();
    ui->Image3->hide();
}

void TTUNEUP::BitBtn3Click()
{
    ui->RadioGroup2->setEnabled(true);
    ui->BitBtn2->setEnabled(false);
    ui->BitBtn1->setEnabled(false);
    showPrompt(QStringLiteral("Silahkan pilih jenis dari injektor yang akan disetel(tune-up)"));
}

void TTUNEUP::RadioGroup1Click()
{
    showPrompt(kPressProsesPrompt);
}

void TTUNEUP::RadioGroup2Click()
{
    showPrompt(kPressProsesPrompt);
}

// The chosen governor group stays enabled, so another of its items can
// still be picked; the other four wait for "ULANGI" or the governor button.
void TTUNEUP::governorChosen(RadioGroup* chosen)
{
    for (RadioGroup* group : governorGroups())
        if (group != chosen)
            group->setEnabled(false);
    showPrompt(kPressProsesPrompt);
}

void TTUNEUP::RadioGroup3Click()
{
    governorChosen(ui->RadioGroup3);
}

void TTUNEUP::RadioGroup4Click()
{
    governorChosen(ui->RadioGroup4);
}

void TTUNEUP::RadioGroup5Click()
{
    governorChosen(ui->RadioGroup5);
}

void TTUNEUP::RadioGroup6Click()
{
    governorChosen(ui->RadioGroup6);
}

void TTUNEUP::RadioGroup7Click()
{
    governorChosen(ui->RadioGroup7);
}

void TTUNEUP::SpeedButton2Click()
{
    ui->Memo1->hide();
    const std::array<RadioGroup*, 7> all = groups();
    for (int g = 0; g < int(all.size()); ++g) {
        const int item = all[g]->itemIndex();
        if (item < 0)
            continue;
        const loco::TuneupTutorial* tutorial = table_.find(g + 1, item);
        if (!tutorial)
            throw loco::Error(
                "no tune-up tutorial for item " + std::to_string(item) + " of " + all[g]->objectName().toStdString());
        writeTutorial(*tutorial);
    }
}

// The text comes first, so it stands even when the picture fails to load;
// a failed load hides the picture box before the error is shown, as
// "ULANGI" does, so the default picture shows rather than another
// tutorial's picture beside the text.
void TTUNEUP::writeTutorial(const loco::TuneupTutorial& tutorial)
{
    RichTextBox* text = ui->RichEdit1;
    text->clearLines();
    text->setAppendFirstLineIndent(kTitleIndent);
    text->setAppendFontSize(kTutorialFontSize);
    text->appendLine(QString::fromStdString(tutorial.title));
    text->setAppendFirstLineIndent(kLineIndent);
    for (const std::string& line : tutorial.lines)
        text->appendLine(QString::fromStdString(line));
    if (tutorial.picture) {
        try {
            ui->Image3->loadFromFile(QString::fromStdString(*tutorial.picture));
        } catch (...) {
            ui->Image3->hide();
            throw;
        }
        ui->Image3->show();
    }
}

void TTUNEUP::SpeedButton1Click()
{
    for (RadioGroup* group : groups())
        group->setItemIndex(-1);
    if (ui->BitBtn1->isEnabled()) {
        ui->BitBtn2->setEnabled(true);
        ui->BitBtn3->setEnabled(true);
        ui->RadioGroup1->setEnabled(false);
    }
    if (ui->BitBtn2->isEnabled()) {
        ui->BitBtn1->setEnabled(true);
        ui->BitBtn3->setEnabled(true);
        for (RadioGroup* group : governorGroups())
            group->setEnabled(false);
    }
    if (ui->BitBtn3->isEnabled()) {
        ui->BitBtn1->setEnabled(true);
        ui->BitBtn2->setEnabled(true);
        ui->RadioGroup2->setEnabled(false);
    }
    showPrompt(QStringLiteral("Silahkan pilih jenis komponen mesin yang akan ditune-up"));
    ui->RichEdit1->clearLines();
    ui->Memo1->show();
    ui->Image3->hide();
}

void TTUNEUP::Button3Click()
{
    close();
}

void TTUNEUP::showTutorial(loco::RadioChoice choice)
{
    ui->SpeedButton1->click();
    QAbstractButton* component = choice.group == 1 ? ui->BitBtn1 : choice.group == 2 ? ui->BitBtn3 : ui->BitBtn2;
    component->click();
    groups().at(static_cast<std::size_t>(choice.group - 1))->button(choice.item)->click();
    ui->SpeedButton2->click();
    showModeless();
}

QString TTUNEUP::tutorialName(loco::RadioChoice choice) const
{
    const RadioGroup* group = groups().at(static_cast<std::size_t>(choice.group - 1));
    return QStringLiteral("%1 – %2").arg(group->title().trimmed(), group->items().value(choice.item).trimmed());
}
