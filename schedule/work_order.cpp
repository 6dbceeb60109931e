#include "schedule/work_order.h"

#include "schedule/core/due_text.h"
#include "tutorials/core/maintenance_table.h"

namespace loco {
namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

ReportSection sectionOf(const QString& heading, const QList<ReportRow>& rows, const QStringList& lines)
{
    ReportSection section;
    section.heading = heading;
    section.rows = rows;
    section.lines = lines;
    return section;
}

const QString kRuled = QString(150, QLatin1Char('.'));
const QString kSignature = QStringLiteral("____________________________");

} // namespace

Report workOrderReport(
    const std::string& locomotive, const Reading& now, const std::vector<DueTask>& tasks, const MaintenanceTable& table)
{
    Report report;
    report.title = QStringLiteral("Perintah kerja perawatan");
    report.subject = QStringLiteral("Lokomotif ") + qt(locomotive);
    report.fileStem = QStringLiteral("perintah kerja perawatan ") + qt(locomotive);
    report.sections.append(sectionOf(QStringLiteral("Pembacaan meter"),
        {{QStringLiteral("Tanggal"), qt(dateText(now.date)), {}},
            {QStringLiteral("Jam mesin (HM)"), qt(figureText(now.hours)), QStringLiteral("jam")},
            {QStringLiteral("Kilometer"), qt(figureText(now.km)), QStringLiteral("km")}},
        {QStringLiteral("Interval menurut teks tutorial; ikuti jadwal resmi dipo.")}));
    for (const DueTask& row : tasks) {
        const MaintenanceEntry& entry = table.at(row.task.entry);
        // Lines rather than a table: they keep together on a page and take
        // the page's width.
        QStringList lines{QStringLiteral("Interval: ") + qt(intervalText(row.interval))
                + (row.depotInterval ? QStringLiteral(" (interval dipo)") : QString()),
            QStringLiteral("Status: ") + qt(std::string(statusText(row.status)))
                + (row.lastDone ? QStringLiteral(". Terakhir dikerjakan: ") + qt(lastDoneText(row)) : QString())
                + QLatin1Char('.')};
        if (const std::string due = dueText(row, now); !due.empty())
            lines.append(QStringLiteral("Jatuh tempo: ") + qt(due) + QLatin1Char('.'));
        lines.append(QStringLiteral("Baris prosedur: ") + qt(entry.lines[row.task.line - 1]).trimmed());
        const ReportSection section = sectionOf(
            QStringLiteral("\u2610  %1. %2, baris %3").arg(row.task.entry).arg(qt(entry.title)).arg(row.task.line), {},
            lines);
        report.sections.append(section);
    }
    report.sections.append(sectionOf(QStringLiteral("Catatan"), {}, {kRuled, kRuled, kRuled, kRuled}));
    report.sections.append(sectionOf(QStringLiteral("Tanda tangan"), {},
        {QStringLiteral("Teknisi: ") + kSignature + QStringLiteral("   Tanggal: ____________"), QString(),
            QStringLiteral("Pemeriksa: ") + kSignature + QStringLiteral("   Tanggal: ____________")}));
    return report;
}

} // namespace loco
