#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A workshop record: what a tool window showed (its report), filed against a
// numbered locomotive with the job card's fields. Plain data, UTF-8 text.
namespace loco::records {

// What kind of work a record comes from. The keys are stored; the labels shown.
enum class RecordKind { Diagnosis, Maintenance, TuneUp, Calculation };

// "diagnosis", "maintenance", "tuneup", "calculation"
std::string_view kindKey(RecordKind kind);
// "Diagnosa", "Perawatan", "Tune-up", "Perhitungan"
std::string_view kindLabel(RecordKind kind);
std::optional<RecordKind> kindFromKey(std::string_view key);

enum class WorkStatus { Done, FollowUp };

// "selesai", "tindak_lanjut"
std::string_view statusKey(WorkStatus status);
// "selesai", "perlu tindak lanjut"
std::string_view statusLabel(WorkStatus status);
std::optional<WorkStatus> statusFromKey(std::string_view key);

// Limits of what a job card holds, in characters (Unicode code points).
inline constexpr std::size_t kMaxNameLength = 100; // depot, technician, checker
inline constexpr std::size_t kMaxNotesLength = 2000; // work done, notes

// The fields of the "Kartu kerja" dialog.
// Every member has an initializer, so that a card can name only what it
// sets: JobCard{.locomotive = "CC 201 89 08"}.
struct JobCard {
    std::string locomotive = {}; // normalised, see locomotive_number.h
    std::string depot = {}; // dipo / balai yasa
    std::string technician = {};
    std::string checker = {}; // pemeriksa, optional
    std::string workDone = {}; // tindakan yang dilakukan
    std::string notes = {}; // catatan
    WorkStatus status = WorkStatus::Done;
};

// A maintenance task that the filed work did: procedure entry and line, the
// line's text then (so that a later edit of the procedure is noticed), and the
// unit's meters then where they were read. The maintenance schedule counts it.
struct DoneTask {
    int entry = 0;
    std::size_t line = 0;
    std::string lineText;
    std::optional<double> hours = {};
    std::optional<double> km = {};
};

struct Record {
    std::int64_t number = 0; // the database's key; 0 until filed
    std::string uuid; // made when filed unless given (a copied record keeps its own)
    std::int64_t filedAtMs = 0; // UTC, milliseconds since 1970; 0: the time of filing
    int utcOffsetMinutes = 0; // of the workstation at filing, so the time reads as written
    RecordKind kind = RecordKind::Diagnosis;
    std::string window; // the window's name: "diagno", "PM", "TUNEUP", "DM", "gayrem", "umurrem"
    std::string subject; // the report's subject: the system, the procedure, the calculator
    std::string conclusion; // the diagnosis conclusion, or the result in a line
    std::string source; // the knowledge edition or the procedure the content came from
    std::string content; // the whole report as JSON (see records/report_json.h)
    JobCard card;
    std::vector<DoneTask> tasksDone; // maintenance work only
};

// Characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view text);

// Why a record cannot be filed as it is (Indonesian, for the user), or
// nothing: a valid locomotive number, no field beyond its limit, text that is
// valid UTF-8 without NUL characters.
std::optional<std::string> recordProblem(const Record& record);

// "2026-12-07 14:30:05": the filing time as the workstation's clock read it.
std::string isoLocalTime(std::int64_t utcMs, int utcOffsetMinutes);

} // namespace loco::records
