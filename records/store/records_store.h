#pragma once

#include "records/core/record.h"
#include "records/store/records_config.h"
#include "records/store/schema.h"
#include "schedule/core/unit_schedule.h"

#include <QSqlDatabase>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The workshop records: where the job cards are filed and the history is
// read. One RecordsStore serves the whole program; main makes it from the
// configuration and hands it to the windows by reference, which call it from
// the user-interface thread only.
//
//   RecordsStore store(readRecordsConfig());   // opens nothing yet
//   ...
//   Record draft;  draft.kind = …; draft.card.locomotive = number.number; …
//   const Record filed = store.file(draft);    // throws loco::Error, worded for the user
//   RecordPage page = store.page(filter);      // newest first, at most kPageSize
//   if (page.next) page = store.page(filter, page.next);
//
// The store opens on first use (state() or any query or filing), never
// before. Opening can fail (a missing or read-only folder, a file locked
// beyond the timeout or corrupt, a server that does not answer, a bad
// configuration): the store is then Unavailable and why() says what and where,
// in Indonesian; a query throws loco::Error with that text, and file() tries
// once more before it does. A store made by a newer program is ReadOnly.
namespace loco::records {

namespace sql {
struct Failure;
}

inline constexpr int kPageSize = 500;

// Which records a list shows; every part left empty matches all. Every member has an initializer, so that a filter can
// name only what it sets: page({.locomotive = "CC 201", .status = WorkStatus::FollowUp}).
struct RecordFilter {
    std::string locomotive = {}; // a number or its first groups ("CC 201"), normalised here
    std::optional<std::int64_t> fromMs = {}; // filed at or after (UTC milliseconds)
    std::optional<std::int64_t> untilMs = {}; // filed before
    std::optional<RecordKind> kind = {};
    std::optional<WorkStatus> status = {};
    std::string text = {}; // anywhere in number, subject, conclusion, names, work done or notes; any case
};

// Where a page ended: the next page starts after this record.
struct PageCursor {
    std::int64_t filedAtMs;
    std::int64_t number;
};

struct RecordPage {
    // Newest first (by filing time, then number). The report content is left
    // out of pages: record(number) gives a record in full.
    std::vector<Record> records;
    std::optional<PageCursor> next; // set when more records match
};

// A record in a unit's history, with the earlier one it repeats: the same
// diagnosis conclusion on the same unit within 90 days.
struct UnitEntry {
    Record record; // without the report content
    std::optional<std::int64_t> repeatOf; // the earlier record's number
};

// What the records hold for one unit's maintenance schedule.
struct StoredSchedule {
    std::vector<MeterReading> readings; // oldest first
    // Per task and line text the latest completion, by the date it was done.
    std::vector<StoredCompletion> completions;
    std::vector<StoredSetting> settings;
};

class RecordsStore {
public:
    enum class State {
        NotOpened, // nothing tried yet
        Writable,
        ReadOnly, // made by a newer program: read, never written
        Off, // enabled=false in the configuration
        Unavailable, // could not be opened
    };

    explicit RecordsStore(RecordsConfig config);
    ~RecordsStore();
    RecordsStore(const RecordsStore&) = delete;
    RecordsStore& operator=(const RecordsStore&) = delete;

    // Opens the store when not tried yet, and says how it stands.
    State state();
    // For ReadOnly, Off and Unavailable: why, what and where (Indonesian).
    const std::string& why() const { return why_; }
    // Where the records are: the SQLite file, or "basis data D di server H:P".
    std::string location() const;
    // Tries to open again after Unavailable (a "Coba lagi" button).
    State retry();

    // Files the drafts in one transaction, all or none, each with a new
    // number, a new UUID unless it has one, and the time of filing unless it
    // has one. Returns them as stored. A draft must pass recordProblem()
    // (core/record.h). Throws loco::Error ("Catatan tidak tersimpan: …").
    // The tasks a draft did are stored as the schedule's completions on the
    // local date of filing. Readings, when given, are the unit's meters at
    // the work (the drafts then name one unit): stored as addReadings()
    // does, in the same transaction, and they give the completions' meters.
    std::vector<Record> file(std::vector<Record> drafts, const std::vector<MeterReading>& readings = {});
    Record file(Record draft);
    // Files records made elsewhere as they are (UUID, time), skipping those
    // whose UUID is already here; returns how many were new.
    int fileCopies(const std::vector<Record>& records);

    // The page of matching records after `after` (from the newest when not
    // given). Rows come from the database page by page, never all at once.
    RecordPage page(const RecordFilter& filter, std::optional<PageCursor> after = std::nullopt, int limit = kPageSize);
    // One record in full, or nothing when there is no such number.
    std::optional<Record> record(std::int64_t number);
    // Every record of one unit (a normalised number), oldest first, repeats marked.
    std::vector<UnitEntry> unitHistory(std::string_view locomotive);
    // The locomotive numbers in the records, sorted: completions for the job card.
    std::vector<std::string> knownLocomotives();
    // The maintenance schedule of one unit (a normalised number).
    StoredSchedule schedule(std::string_view locomotive);
    // Stores the unit's readings after those it has. Throws loco::Error
    // ("Pembacaan tidak tersimpan: …") when one goes back in date, or a meter
    // shows less than before without being marked replaced.
    void addReadings(std::string_view locomotive, const std::vector<MeterReading>& readings);
    // Stores a depot's setting for a task of a unit in place of the one before.
    void setTaskSetting(std::string_view locomotive, const StoredSetting& setting);
    // The matching records as a spreadsheet document (core/csv.h), newest first.
    std::string exportCsv(const RecordFilter& filter);
    // Every record in full, oldest first, handed over in batches of a page.
    void forEachRecord(const std::function<void(const Record&)>& visit);

    // For lokomotif-records. Problems of the store's data and structure, as
    // lines; none when sound (SQLite's integrity and foreign-key checks, the
    // schema version, every record with its report).
    std::vector<std::string> check();
    // SQLite only: a consistent copy of the file, written through
    // loco::writeFileSafely. Throws loco::Error.
    void backup(const std::string& path);
    Engine engine() const;
    int schemaVersion() const { return version_; }

private:
    void open();
    void openConnection();
    // Throws loco::Error(why) unless open (for reading: ReadOnly will do).
    void requireOpen(bool writing);
    // Turns a driver error into the user's words (Indonesian) with the place.
    std::string explain(const QSqlError& error) const;
    // Throws loco::Error(what + the reason); a lost server connection makes
    // the store Unavailable until it is opened again.
    [[noreturn]] void fail(const sql::Failure& failure, const std::string& what);
    std::vector<Record> insert(
        std::vector<Record> records, bool copies, int* inserted, const std::vector<MeterReading>& readings = {});
    // Inside a transaction: checks the readings against the unit's and adds them.
    void appendReadings(const std::string& locomotive, const std::vector<MeterReading>& readings);

    RecordsConfig config_;
    QString connectionName_;
    QSqlDatabase db_;
    State state_ = State::NotOpened;
    std::string why_;
    int version_ = 0;
};

} // namespace loco::records
