#include "toolkit/radio_group.h"
#include "toolkit/report.h"
#include "tutorials/UMENU_TUNEUP.h"
#include "tutorials/core/tuneup_table.h"
#include "ui_UMENU_TUNEUP.h"

#include <algorithm>

namespace {

// The tutorial whose title and lines the text box holds. The selection may
// have moved on since "PROSES", so the text itself says which one it is.
const loco::TuneupTutorial* tutorialShown(const loco::TuneupTable& table, const QStringList& lines)
{
    for (const loco::TuneupTutorial& tutorial : table.tutorials()) {
        QStringList written{QString::fromStdString(tutorial.title)};
        for (const std::string& line : tutorial.lines)
            written << QString::fromStdString(line);
        if (written == lines)
            return &tutorial;
    }
    return nullptr;
}

} // namespace

loco::Report TTUNEUP::report() const
{
    loco::Report report;
    report.title = QStringLiteral("Sistem Tune-up Komponen");
    report.fileStem = QStringLiteral("tune-up");
    report.tabStopPixels = ui->RichEdit1->tabStopDistance();
    if (!ui->Memo1->isHidden()) {
        report.sections << loco::ReportSection{{}, {}, ui->Memo1->lines(), {}};
        return report;
    }
    QStringList lines = ui->RichEdit1->lines();
    loco::ReportSection text;
    if (const loco::TuneupTutorial* tutorial = tutorialShown(table_, lines)) {
        RadioGroup* group = groups().at(tutorial->choice.group - 1);
        const std::array<RadioGroup*, 5> governors = governorGroups();
        if (std::find(governors.begin(), governors.end(), group) != governors.end()) {
            // Every governor procedure has the same title: the group and the
            // item chosen there say which one it is, the title stays in the text.
            report.subject = tutorialName(tutorial->choice);
        } else {
            report.subject = lines.takeFirst().trimmed();
        }
        report.fileStem += QLatin1Char(' ') + report.subject;
        report.source = QStringLiteral("prosedur tune-up %1").arg(tutorial - table_.tutorials().data() + 1);
        if (tutorial->picture)
            loco::addPictureFile(text, QString::fromStdString(*tutorial->picture));
    }
    text.lines = lines;
    report.sections << text;
    return report;
}
