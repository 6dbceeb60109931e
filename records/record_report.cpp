#include "records/record_report.h"

#include "records/report_json.h"
#include "records/store/record_list_model.h"
#include "toolkit/core/error.h"

namespace loco::records {
namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QDateTime filedAt(const Record& record)
{
    return QDateTime::fromMSecsSinceEpoch(record.filedAtMs, Qt::OffsetFromUTC, record.utcOffsetMinutes * 60);
}

// The report a record was filed from, its pictures read again.
Report contentOf(const Record& record)
{
    Report report = reportFromJson(record.content);
    for (ReportSection& section : report.sections)
        if (!section.pictureFile.isEmpty())
            addPictureFile(section, section.pictureFile);
    return report;
}

} // namespace

Report jobCardReport(const std::vector<Record>& records, Printing printing)
{
    std::vector<Report> contents;
    QStringList numbers;
    for (const Record& record : records) {
        contents.push_back(contentOf(record));
        numbers << QString::number(record.number);
    }
    const Record& first = records.front();
    const JobCard& card = first.card;
    const bool one = records.size() == 1;

    Report report;
    report.title = QStringLiteral("Kartu kerja – ")
        + (one ? contents.front().title : QStringLiteral("%1 pekerjaan").arg(records.size()));
    // The footer of every page repeats the title.
    if (printing == Printing::Again)
        report.title += QStringLiteral(" – Cetak ulang");
    report.subject = QStringLiteral("Lokomotif ") + qt(card.locomotive);
    if (one && !contents.front().subject.isEmpty())
        report.subject += QStringLiteral(" · ") + contents.front().subject;
    report.fileStem = QStringLiteral("kartu kerja ") + qt(card.locomotive);
    if (one)
        report.fileStem += QLatin1Char(' ') + contents.front().fileStem;
    report.madeAt = filedAt(first);
    report.tabStopPixels = contents.front().tabStopPixels;

    ReportSection header{QStringLiteral("Kartu kerja"),
        {{QStringLiteral("Nomor catatan"), numbers.join(QStringLiteral(", ")), {}},
            {QStringLiteral("Nomor lokomotif"), qt(card.locomotive), {}},
            {QStringLiteral("Dipo/balai yasa"), qt(card.depot), {}},
            {QStringLiteral("Teknisi"), qt(card.technician), {}}, {QStringLiteral("Pemeriksa"), qt(card.checker), {}},
            {QStringLiteral("Status"), qt(statusLabel(card.status)), {}},
            {QStringLiteral("Dicatat pada"), filedAtText(first), {}}},
        {}, {}};
    if (printing == Printing::Again)
        header.lines << QStringLiteral("Cetak ulang pada %1, dari isi catatan yang tersimpan.")
                            .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy HH.mm")));
    report.sections << header;
    if (!card.workDone.empty())
        report.sections << ReportSection{
            QStringLiteral("Tindakan yang dilakukan"), {}, qt(card.workDone).split(QLatin1Char('\n')), {}};
    if (!card.notes.empty())
        report.sections << ReportSection{QStringLiteral("Catatan"), {}, qt(card.notes).split(QLatin1Char('\n')), {}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!one)
            report.sections << ReportSection{QStringLiteral("Catatan no. %1 – %2: %3")
                                                 .arg(records[i].number)
                                                 .arg(qt(kindLabel(records[i].kind)), qt(records[i].subject)),
                {}, {}, {}};
        report.sections << contents[i].sections;
    }
    report.signatures
        = {{QStringLiteral("Teknisi"), qt(card.technician), {}}, {QStringLiteral("Pemeriksa"), qt(card.checker), {}}};
    return report;
}

QString recordText(const Record& record, const QString& repeatNote)
{
    const JobCard& card = record.card;
    QStringList lines{QStringLiteral("Catatan no. %1").arg(record.number),
        QStringLiteral("Dicatat: ") + filedAtText(record), QStringLiteral("Lokomotif: ") + qt(card.locomotive),
        QStringLiteral("Jenis: %1 (jendela %2)").arg(qt(kindLabel(record.kind)), qt(record.window)),
        QStringLiteral("Pokok: ") + qt(record.subject),
        QStringLiteral("Kesimpulan atau hasil: ") + qt(record.conclusion)};
    if (!repeatNote.isEmpty())
        lines << repeatNote;
    if (!record.source.empty())
        lines << QStringLiteral("Sumber: ") + qt(record.source);
    lines << QStringLiteral("Dipo/balai yasa: ") + qt(card.depot) << QStringLiteral("Teknisi: ") + qt(card.technician)
          << QStringLiteral("Pemeriksa: ") + qt(card.checker)
          << QStringLiteral("Status: ") + qt(statusLabel(card.status)) << QStringLiteral("UUID: ") + qt(record.uuid);
    if (!card.workDone.empty())
        lines << QString() << QStringLiteral("Tindakan yang dilakukan:") << qt(card.workDone);
    if (!card.notes.empty())
        lines << QString() << QStringLiteral("Catatan:") << qt(card.notes);
    lines << QString() << QStringLiteral("Laporan:");
    try {
        const Report report = reportFromJson(record.content);
        lines << report.title;
        if (!report.subject.isEmpty())
            lines << report.subject;
        for (const ReportSection& section : report.sections) {
            lines << QString();
            if (!section.heading.isEmpty())
                lines << section.heading;
            if (!section.pictureFile.isEmpty())
                lines << QStringLiteral("[gambar: %1]").arg(section.pictureFile);
            for (const ReportRow& row : section.rows)
                lines << QStringLiteral("%1: %2 %3").arg(row.label, row.value, row.unit).trimmed();
            lines << section.lines;
        }
    } catch (const Error& error) {
        lines << QString::fromUtf8(error.what());
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace loco::records
