#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/answer_recorder.h"
#include "toolkit/report.h"
#include "ui_UMENU_DIAGNO.h"

loco::Report Tdiagno::report() const
{
    loco::Report report;
    report.title = QStringLiteral("Diagnosa Kerusakan Komponen");
    report.fileStem = QStringLiteral("diagnosa");
    const int system = ui->RadioGroup1->itemIndex();
    if (system >= 0) {
        const QString name = ui->RadioGroup1->items().at(system);
        report.subject = name.left(1).toUpper() + name.mid(1);
        // Every item starts with "sistem": the file is named after the rest.
        report.fileStem += QLatin1Char(' ') + name.section(QLatin1Char(' '), 1);
    }

    loco::ReportSection dialogue{QStringLiteral("Tanya jawab"), {}, {}, {}};
    int number = 0;
    bool replayed = false;
    for (const loco::AnswerRecorder::Path::Step& step : answers_->path().steps()) {
        // Answers given for the user on the way to a search result say so.
        const QString answer = step.answer == loco::Answer::Ya ? QStringLiteral("YA") : QStringLiteral("TIDAK");
        dialogue.rows.append({QStringLiteral("%1. %2").arg(++number).arg(QString::fromStdString(step.question)),
            step.replayed ? answer + QStringLiteral(", lewat pencarian") : answer, {}});
        replayed = replayed || step.replayed;
    }
    if (dialogue.rows.isEmpty())
        dialogue.lines << QStringLiteral("Belum ada pertanyaan yang dijawab.");
    if (replayed)
        dialogue.lines << QStringLiteral("Jawaban \"lewat pencarian\" diberikan oleh pencarian gejala di jendela "
                                         "Jejak diagnosa, bukan satu per satu oleh pengguna.");
    report.sections << dialogue;

    if (!ui->RichEdit1->isHidden()) {
        const QStringList lines = ui->RichEdit1->lines();
        report.sections << loco::ReportSection{QStringLiteral("Kesimpulan"), {}, lines, {}};
        // Below "HASIL DIAGNOSA: " and its empty line: the heading and the cause, or the closing text.
        report.conclusion = lines.mid(2).join(QLatin1Char(' ')).simplified();
    } else {
        report.sections << loco::ReportSection{QStringLiteral("Pertanyaan"), {}, {ui->RichEdit2->line(0)}, {}};
    }
    // As the handbook prints it: a report can be matched with the knowledge it came from.
    report.source = QString::fromStdString(knowledge_.edition());
    report.sections << loco::ReportSection{QStringLiteral("Data pengetahuan"), {}, {report.source}, {}};
    return report;
}
