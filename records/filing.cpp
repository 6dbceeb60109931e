#include "records/filing.h"

#include "records/job_card.h"
#include "records/record_report.h"
#include "records/report_json.h"
#include "records/store/records_store.h"
#include "toolkit/core/error.h"
#include "toolkit/core/safe_file.h"
#include "toolkit/error_box.h"
#include "toolkit/report_commands.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace loco::records {
namespace {

constexpr int kRememberedNumbers = 10;
const QString kGroup = QStringLiteral("kartu-kerja");

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

// What the user's last job cards held, kept in the user's configuration.
struct RememberedCard {
    QString depot;
    QString technician;
    QStringList numbers; // the latest first
};

QString rememberedCardPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/kartu-kerja.conf");
}

RememberedCard readRememberedCard()
{
    QSettings settings(rememberedCardPath(), QSettings::IniFormat);
    settings.beginGroup(kGroup);
    RememberedCard card{settings.value(QStringLiteral("depot")).toString(),
        settings.value(QStringLiteral("technician")).toString(), {}};
    for (int i = 1; i <= kRememberedNumbers; ++i) {
        const QString number = settings.value(QStringLiteral("number%1").arg(i)).toString();
        if (!number.isEmpty())
            card.numbers << number;
    }
    return card;
}

// A value as QSettings reads it back from an INI file: quoted, so that
// commas stay in it, with its quotes, backslashes and a leading '@' escaped.
QString iniValue(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Written as every file of the program is (writeFileSafely), not by QSettings.
// Remembering is a convenience: a folder that cannot be written costs the
// next card its suggestions, never the record that was filed.
void remember(const JobCard& card)
{
    RememberedCard remembered = readRememberedCard();
    remembered.depot = qt(card.depot);
    remembered.technician = qt(card.technician);
    remembered.numbers.removeAll(qt(card.locomotive));
    remembered.numbers.prepend(qt(card.locomotive));
    QStringList lines{QLatin1Char('[') + kGroup + QLatin1Char(']'),
        QStringLiteral("depot=") + iniValue(remembered.depot),
        QStringLiteral("technician=") + iniValue(remembered.technician)};
    for (int i = 0; i < remembered.numbers.size() && i < kRememberedNumbers; ++i)
        lines << QStringLiteral("number%1=").arg(i + 1) + iniValue(remembered.numbers[i]);
    const QString path = rememberedCardPath();
    try {
        if (QDir().mkpath(QFileInfo(path).absolutePath()))
            writeFileSafely(path.toStdString(), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString());
    } catch (const Error&) {
    }
}

// What the card says it files: "Diagnosa – Sistem bahan bakar", or the
// number of pieces of work and their subjects.
QString whatIsFiled(const std::vector<Record>& drafts)
{
    const auto one = [](const Record& r) {
        QString text = qt(std::string(kindLabel(r.kind)));
        if (!r.subject.empty())
            text += QStringLiteral(" – ") + qt(r.subject);
        return text;
    };
    if (drafts.size() == 1)
        return one(drafts.front());
    QStringList each;
    for (const Record& draft : drafts)
        each << one(draft);
    return QStringLiteral("%1 pekerjaan: %2").arg(drafts.size()).arg(each.join(QStringLiteral("; ")));
}

} // namespace

Record recordOf(const Report& report, RecordKind kind, const QString& window)
{
    Record record;
    record.kind = kind;
    record.window = window.toStdString();
    record.subject = (report.subject.isEmpty() ? report.title : report.subject).toStdString();
    record.conclusion = report.conclusion.toStdString();
    record.source = report.source.toStdString();
    record.content = reportToJson(report);
    return record;
}

std::vector<Record> fileWithJobCard(QWidget* parent, RecordsStore& store, const std::vector<Record>& drafts,
    const JobCard& prefill, const std::vector<MeterReading>& readings)
{
    if (store.state() == RecordsStore::State::Unavailable)
        store.retry();
    if (store.state() != RecordsStore::State::Writable)
        throw Error("Catatan tidak tersimpan: " + store.why());

    const RememberedCard remembered = readRememberedCard();
    JobCardRequest request{whatIsFiled(drafts), prefill, remembered.numbers};
    if (request.card.depot.empty())
        request.card.depot = remembered.depot.toStdString();
    if (request.card.technician.empty())
        request.card.technician = remembered.technician.toStdString();
    for (const std::string& number : store.knownLocomotives())
        if (!request.knownNumbers.contains(qt(number)))
            request.knownNumbers << qt(number);

    for (;;) {
        const std::optional<JobCardAnswer> answer = askJobCard(parent, request);
        if (!answer)
            return {};
        std::vector<Record> records = drafts;
        for (Record& record : records)
            record.card = answer->card;
        std::vector<Record> filed;
        try {
            const bool sameUnit = answer->card.locomotive == prefill.locomotive;
            filed = store.file(std::move(records), sameUnit ? readings : std::vector<MeterReading>{});
        } catch (const Error& error) {
            reportError(QString::fromUtf8(error.what()));
            request.card = answer->card;
            continue;
        }
        remember(answer->card);
        try {
            if (answer->after == AfterFiling::Print)
                printReport(parent, jobCardReport(filed));
            else if (answer->after == AfterFiling::SavePdf)
                saveReportAsPdf(parent, jobCardReport(filed));
        } catch (const Error& error) {
            reportError(QString::fromUtf8(error.what()));
        }
        return filed;
    }
}

} // namespace loco::records
