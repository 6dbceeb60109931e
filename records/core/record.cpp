#include "records/core/record.h"

#include "records/core/locomotive_number.h"
#include "toolkit/core/utf8.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace loco::records {
namespace {

// A value's key in the store and its label on screen.
template <typename Value> struct Named {
    Value value;
    std::string_view key;
    std::string_view label;
};
// In the order of the enumeration, which indexes them.
constexpr std::array<Named<RecordKind>, 4> kKinds{{
    {RecordKind::Diagnosis, "diagnosis", "Diagnosa"},
    {RecordKind::Maintenance, "maintenance", "Perawatan"},
    {RecordKind::TuneUp, "tuneup", "Tune-up"},
    {RecordKind::Calculation, "calculation", "Perhitungan"},
}};
constexpr std::array<Named<WorkStatus>, 2> kStatuses{{
    {WorkStatus::Done, "selesai", "selesai"},
    {WorkStatus::FollowUp, "tindak_lanjut", "perlu tindak lanjut"},
}};

template <typename Table> constexpr bool indexedByValue(const Table& table)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (std::size_t(table[i].value) != i)
            return false;
    return true;
}
static_assert(indexedByValue(kKinds) && indexedByValue(kStatuses));

template <typename Value, std::size_t N>
std::optional<Value> fromKey(const std::array<Named<Value>, N>& table, std::string_view key)
{
    for (const Named<Value>& name : table)
        if (name.key == key)
            return name.value;
    return std::nullopt;
}

} // namespace

std::string_view kindKey(RecordKind kind)
{
    return kKinds[std::size_t(kind)].key;
}

std::string_view kindLabel(RecordKind kind)
{
    return kKinds[std::size_t(kind)].label;
}

std::optional<RecordKind> kindFromKey(std::string_view key)
{
    return fromKey(kKinds, key);
}

std::string_view statusKey(WorkStatus status)
{
    return kStatuses[std::size_t(status)].key;
}

std::string_view statusLabel(WorkStatus status)
{
    return kStatuses[std::size_t(status)].label;
}

std::optional<WorkStatus> statusFromKey(std::string_view key)
{
    return fromKey(kStatuses, key);
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::optional<std::string> recordProblem(const Record& record)
{
    const LocomotiveNumber number = normaliseLocomotiveNumber(record.card.locomotive);
    if (!number.accepted())
        return number.refusal;
    if (number.number != record.card.locomotive)
        return "Nomor lokomotif \"" + record.card.locomotive + "\" belum diseragamkan (\"" + number.number + "\").";
    struct Field {
        const char* name;
        const std::string& text;
        std::size_t limit;
    };
    const Field fields[] = {
        {"Dipo/balai yasa", record.card.depot, kMaxNameLength},
        {"Teknisi", record.card.technician, kMaxNameLength},
        {"Pemeriksa", record.card.checker, kMaxNameLength},
        {"Tindakan yang dilakukan", record.card.workDone, kMaxNotesLength},
        {"Catatan", record.card.notes, kMaxNotesLength},
        {"Pokok", record.subject, std::string::npos},
        {"Kesimpulan", record.conclusion, std::string::npos},
        {"Sumber", record.source, std::string::npos},
        {"Isi laporan", record.content, std::string::npos},
    };
    for (const Field& field : fields) {
        if (findInvalidUtf8(field.text) || field.text.find('\0') != std::string::npos)
            return std::string(field.name) + " berisi karakter yang tidak sah.";
        const std::size_t count = characterCount(field.text);
        if (count > field.limit)
            return std::string(field.name) + " paling panjang " + std::to_string(field.limit) + " karakter; isinya "
                + std::to_string(count) + ".";
    }
    return std::nullopt;
}

std::string isoLocalTime(std::int64_t utcMs, int utcOffsetMinutes)
{
    using namespace std::chrono;
    const sys_time<milliseconds> local{milliseconds(utcMs) + minutes(utcOffsetMinutes)};
    const sys_days day = floor<days>(local);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(local - day)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(date.year()), unsigned(date.month()),
        unsigned(date.day()), int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count()));
    return text;
}

} // namespace loco::records
