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

QString taskTitle(TaskId task, const MaintenanceTable& table)
{
    return QStringLiteral("%1. %2, baris %3").arg(task.entry).arg(qt(table.at(task.entry).title)).arg(task.line);
}

ReportSection readingsSection(const Reading& now)
{
    return sectionOf(QStringLiteral("Pembacaan meter"),
        {{QStringLiteral("Tanggal"), qt(dateText(now.date)), {}},
            {QStringLiteral("Jam mesin (HM)"), qt(figureText(now.hours)), QStringLiteral("jam")},
            {QStringLiteral("Kilometer"), qt(figureText(now.km)), QStringLiteral("km")}},
        {QStringLiteral("Interval menurut teks tutorial; ikuti jadwal resmi dipo.")});
}

// Lines rather than a table: they keep together on a page and take the
// page's width.
ReportSection taskSection(const QString& heading, const DueTask& row, const Reading& now, const MaintenanceTable& table)
{
    QStringList lines{QStringLiteral("Interval: ") + qt(intervalText(row.interval))
            + (row.depotInterval ? QStringLiteral(" (interval dipo)") : QString()),
        QStringLiteral("Status: ") + qt(std::string(statusText(row.status)))
            + (row.lastDone ? QStringLiteral(". Terakhir dikerjakan: ") + qt(lastDoneText(row)) : QString())
            + QLatin1Char('.')};
    if (const std::string due = dueText(row, now); !due.empty())
        lines.append(QStringLiteral("Jatuh tempo: ") + qt(due) + QLatin1Char('.'));
    lines.append(QStringLiteral("Baris prosedur: ") + qt(table.at(row.task.entry).lines[row.task.line - 1]).trimmed());
    return sectionOf(heading, {}, lines);
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
    report.sections.append(readingsSection(now));
    for (const DueTask& row : tasks)
        report.sections.append(taskSection(QStringLiteral("\u2610  ") + taskTitle(row.task, table), row, now, table));
    report.sections.append(sectionOf(QStringLiteral("Catatan"), {}, {kRuled, kRuled, kRuled, kRuled}));
    report.sections.append(sectionOf(QStringLiteral("Tanda tangan"), {},
        {QStringLiteral("Teknisi: ") + kSignature + QStringLiteral("   Tanggal: ____________"), QString(),
            QStringLiteral("Pemeriksa: ") + kSignature + QStringLiteral("   Tanggal: ____________")}));
    return report;
}

Report doneTaskReport(
    const std::string& locomotive, const Reading& now, const DueTask& task, const MaintenanceTable& table)
{
    Report report;
    report.title = QStringLiteral("Perawatan menurut jadwal");
    report.subject = taskTitle(task.task, table);
    report.fileStem = QStringLiteral("perawatan jadwal ") + qt(locomotive);
    report.source = QStringLiteral("prosedur perawatan %1").arg(task.task.entry);
    report.conclusion
        = QStringLiteral("Dikerjakan pada %1 jam, %2 km").arg(qt(figureText(now.hours)), qt(figureText(now.km)));
    report.sections.append(readingsSection(now));
    report.sections.append(taskSection(QStringLiteral("Tugas"), task, now, table));
    return report;
}

} // namespace loco
