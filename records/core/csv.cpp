#include "records/core/csv.h"

#include <cmath>
#include <cstdio>

namespace loco::records {

std::string csvText(std::string_view text)
{
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    const bool quoted = formula || text.find_first_of(";\"\r\n") != std::string_view::npos
        || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted)
        return std::string(text);
    std::string field = formula ? "\"'" : "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

std::string csvDecimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string field(text);
    if (const auto point = field.find('.'); point != std::string::npos)
        field[point] = ',';
    return field;
}

void appendCsvLine(std::string& document, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            document += ';';
        document += fields[i];
    }
    document += "\r\n";
}

std::string recordsCsv(const std::vector<Record>& records)
{
    std::string document(kCsvByteOrderMark);
    appendCsvLine(document,
        {"Nomor", "Tanggal", "Nomor lokomotif", "Jenis", "Jendela", "Pokok", "Kesimpulan atau hasil", "Dipo/balai yasa",
            "Teknisi", "Pemeriksa", "Tindakan yang dilakukan", "Catatan", "Status", "Sumber", "UUID"});
    for (const Record& r : records)
        appendCsvLine(document,
            {std::to_string(r.number), isoLocalTime(r.filedAtMs, r.utcOffsetMinutes), csvText(r.card.locomotive),
                csvText(kindLabel(r.kind)), csvText(r.window), csvText(r.subject), csvText(r.conclusion),
                csvText(r.card.depot), csvText(r.card.technician), csvText(r.card.checker), csvText(r.card.workDone),
                csvText(r.card.notes), csvText(statusLabel(r.card.status)), csvText(r.source), r.uuid});
    return document;
}

} // namespace loco::records
