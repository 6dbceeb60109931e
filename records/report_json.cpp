#include "records/report_json.h"

#include "toolkit/core/error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace loco::records {
namespace {

constexpr int kFormat = 1;

void putText(QJsonObject& object, const char* key, const QString& text)
{
    if (!text.isEmpty())
        object.insert(QLatin1String(key), text);
}

[[noreturn]] void malformed(const std::string& what)
{
    throw Error("Isi laporan dalam catatan rusak: " + what + ".");
}

QString textOf(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isUndefined() && !value.isString())
        malformed(std::string("\"") + key + "\" bukan teks");
    return value.toString();
}

QJsonArray arrayOf(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isUndefined() && !value.isArray())
        malformed(std::string("\"") + key + "\" bukan daftar");
    return value.toArray();
}

QJsonObject objectIn(const QJsonValue& value, const char* what)
{
    if (!value.isObject())
        malformed(std::string(what) + " bukan objek");
    return value.toObject();
}

} // namespace

std::string reportToJson(const Report& report)
{
    QJsonArray sections;
    for (const ReportSection& section : report.sections) {
        QJsonObject s;
        putText(s, "heading", section.heading);
        putText(s, "picture", section.pictureFile);
        QJsonArray rows;
        for (const ReportRow& row : section.rows) {
            QJsonObject r;
            putText(r, "label", row.label);
            putText(r, "value", row.value);
            putText(r, "unit", row.unit);
            rows.append(r);
        }
        if (!rows.isEmpty())
            s.insert(QLatin1String("rows"), rows);
        if (!section.lines.isEmpty())
            s.insert(QLatin1String("lines"), QJsonArray::fromStringList(section.lines));
        sections.append(s);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), kFormat);
    putText(root, "title", report.title);
    putText(root, "subject", report.subject);
    putText(root, "fileStem", report.fileStem);
    putText(root, "madeAt", report.madeAt.toOffsetFromUtc(report.madeAt.offsetFromUtc()).toString(Qt::ISODate));
    root.insert(QLatin1String("sections"), sections);
    return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString();
}

Report reportFromJson(std::string_view json)
{
    QJsonParseError error;
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromRawData(json.data(), qsizetype(json.size())), &error);
    if (error.error != QJsonParseError::NoError)
        malformed(error.errorString().toStdString() + " pada posisi " + std::to_string(error.offset));
    if (!document.isObject())
        malformed("dokumen bukan objek");
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toInt() != kFormat)
        malformed("format " + std::to_string(root.value(QLatin1String("format")).toInt()) + " tidak dikenal");
    Report report;
    report.title = textOf(root, "title");
    report.subject = textOf(root, "subject");
    report.fileStem = textOf(root, "fileStem");
    report.madeAt = QDateTime::fromString(textOf(root, "madeAt"), Qt::ISODate);
    for (const QJsonValue& sectionValue : arrayOf(root, "sections")) {
        const QJsonObject s = objectIn(sectionValue, "bagian");
        ReportSection section;
        section.heading = textOf(s, "heading");
        section.pictureFile = textOf(s, "picture");
        for (const QJsonValue& rowValue : arrayOf(s, "rows")) {
            const QJsonObject r = objectIn(rowValue, "baris tabel");
            section.rows.append({textOf(r, "label"), textOf(r, "value"), textOf(r, "unit")});
        }
        for (const QJsonValue& line : arrayOf(s, "lines")) {
            if (!line.isString())
                malformed("baris teks bukan teks");
            section.lines.append(line.toString());
        }
        report.sections.append(section);
    }
    return report;
}

} // namespace loco::records
