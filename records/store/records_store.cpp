#include "records/store/records_store.h"

#include "records/core/csv.h"
#include "records/core/locomotive_number.h"
#include "records/core/repeat_faults.h"
#include "records/store/sql.h"
#include "toolkit/core/error.h"
#include "toolkit/core/file_bytes.h"
#include "toolkit/core/safe_file.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <chrono>
#include <limits>

namespace loco::records {
namespace {

const std::string kCannotOpen = "Riwayat perbaikan tidak dapat dibuka: ";
const std::string kNotFiled = "Catatan tidak tersimpan: ";
const std::string kNotRead = "Riwayat tidak dapat dibaca: ";
const std::string kReadingsNotStored = "Pembacaan tidak tersimpan: ";
const std::string kSettingNotStored = "Pengaturan tugas tidak tersimpan: ";

// Serialises the checks of new readings against a unit's between PostgreSQL
// sessions (SQLite's BEGIN IMMEDIATE does so already).
constexpr qint64 kReadingsLock = 0x6c6f6b72; // "lokr"

// The columns of a record but its report, in the order recordAt() reads them.
const QString kColumns = QStringLiteral("r.id, r.uuid, r.filed_at, r.utc_offset, r.kind, r.window_name, r.locomotive,"
                                        " r.subject, r.conclusion, r.depot, r.technician, r.checker, r.status,"
                                        " r.source, r.work_done, r.notes");
constexpr int kContentColumn = 16;

QString connectionName()
{
    static int made = 0;
    return QStringLiteral("lokomotif-records-%1").arg(++made);
}

std::string textAt(const QSqlQuery& query, int column)
{
    return query.value(column).toString().toStdString();
}

Record recordAt(const QSqlQuery& query, bool withContent)
{
    Record r;
    r.number = query.value(0).toLongLong();
    r.uuid = textAt(query, 1);
    r.filedAtMs = query.value(2).toLongLong();
    r.utcOffsetMinutes = query.value(3).toInt();
    const std::string kind = textAt(query, 4);
    const std::string status = textAt(query, 12);
    const auto knownKind = kindFromKey(kind);
    const auto knownStatus = statusFromKey(status);
    // Only a newer program's schema can hold others; this one cannot show them truthfully.
    if (!knownKind || !knownStatus)
        throw Error("Catatan nomor " + std::to_string(r.number) + " berjenis \"" + kind + "\" dengan status \"" + status
            + "\" yang tidak dikenal program ini; perbarui program.");
    r.kind = *knownKind;
    r.card.status = *knownStatus;
    r.window = textAt(query, 5);
    r.card.locomotive = textAt(query, 6);
    r.subject = textAt(query, 7);
    r.conclusion = textAt(query, 8);
    r.card.depot = textAt(query, 9);
    r.card.technician = textAt(query, 10);
    r.card.checker = textAt(query, 11);
    r.source = textAt(query, 13);
    r.card.workDone = textAt(query, 14);
    r.card.notes = textAt(query, 15);
    if (withContent)
        r.content = textAt(query, kContentColumn);
    return r;
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What free-text search looks through, in lower case.
QString searchTextOf(const Record& r)
{
    return QStringList{qt(r.card.locomotive), qt(r.subject), qt(r.conclusion), qt(r.card.depot), qt(r.card.technician),
        qt(r.card.checker), qt(r.card.workDone), qt(r.card.notes)}
        .join(QLatin1Char('\n'))
        .toLower();
}

// A LIKE pattern that matches text literally (with ESCAPE '\').
QString likeLiteral(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return text;
}

struct Where {
    QStringList conditions;
    QVariantList values;
    bool matchesNothing = false;

    QString clause() const
    {
        return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    }
};

Where whereOf(const RecordFilter& filter)
{
    Where where;
    if (!filter.locomotive.empty()) {
        const LocomotiveNumber number = normaliseLocomotiveNumber(filter.locomotive);
        where.matchesNothing = !number.accepted();
        // The number itself, or the numbers that begin with it and a blank:
        // numbers hold letters, digits and single blanks only, and in byte
        // order (the column's collation) a blank sorts just below '!'. One
        // range, so that the index serves it.
        where.conditions << QStringLiteral("r.locomotive >= ? AND r.locomotive < ?");
        where.values << qt(number.number) << qt(number.number) + QLatin1Char('!');
    }
    if (filter.fromMs) {
        where.conditions << QStringLiteral("r.filed_at >= ?");
        where.values << qlonglong(*filter.fromMs);
    }
    if (filter.untilMs) {
        where.conditions << QStringLiteral("r.filed_at < ?");
        where.values << qlonglong(*filter.untilMs);
    }
    if (filter.kind) {
        where.conditions << QStringLiteral("r.kind = ?");
        where.values << qt(kindKey(*filter.kind));
    }
    if (filter.status) {
        where.conditions << QStringLiteral("r.status = ?");
        where.values << qt(statusKey(*filter.status));
    }
    const QString text = qt(filter.text).trimmed().toLower();
    if (!text.isEmpty()) {
        where.conditions << QStringLiteral("r.search_text LIKE ? ESCAPE '\\'");
        where.values << QLatin1Char('%') + likeLiteral(text) + QLatin1Char('%');
    }
    return where;
}

// SQLite's primary result code from Qt's native error code.
int sqliteCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xFF;
}

bool connectionLost(const QSqlError& error)
{
    const QString state = error.nativeErrorCode();
    return error.type() == QSqlError::ConnectionError || state.startsWith(QLatin1String("08"))
        || state.startsWith(QLatin1String("57P")) || error.databaseText().contains(QLatin1String("server closed"))
        || error.databaseText().contains(QLatin1String("no connection"));
}

QString driverText(const QSqlError& error)
{
    return (error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).trimmed();
}

// Dates are stored as days since 1970-01-01.
int dayNumber(const Date& date)
{
    return int(std::chrono::sys_days(date).time_since_epoch().count());
}

Date dateOfDay(int day)
{
    return Date(std::chrono::sys_days(std::chrono::days(day)));
}

// The date on the workstation's calendar when a record was filed.
Date localDateOf(const Record& record)
{
    using namespace std::chrono;
    return Date(floor<days>(sys_time<milliseconds>(milliseconds(record.filedAtMs) + minutes(record.utcOffsetMinutes))));
}

QVariant orNull(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

QVariant orNull(const std::optional<int>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int));
}

std::optional<double> optionalDouble(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}

std::optional<int> optionalInt(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
}

void requireNormalised(std::string_view locomotive, const std::string& what)
{
    const LocomotiveNumber number = normaliseLocomotiveNumber(locomotive);
    if (!number.accepted())
        throw Error(what + number.refusal);
    if (number.number != locomotive)
        throw Error(what + "nomor lokomotif \"" + std::string(locomotive) + "\" belum diseragamkan.");
}

std::vector<MeterReading> readingsOf(const QSqlDatabase& db, const QString& locomotive)
{
    std::vector<MeterReading> readings;
    QSqlQuery rows = sql::run(db,
        QStringLiteral("SELECT read_on, hours, km, hour_meter_replaced, odometer_replaced FROM unit_readings"
                       " WHERE locomotive = ? ORDER BY read_on, id"),
        {locomotive});
    while (rows.next())
        readings.push_back({{dateOfDay(rows.value(0).toInt()), rows.value(1).toDouble(), rows.value(2).toDouble()},
            rows.value(3).toInt() != 0, rows.value(4).toInt() != 0});
    return readings;
}

} // namespace

RecordsStore::RecordsStore(RecordsConfig config) : config_(std::move(config)), connectionName_(connectionName()) { }

RecordsStore::~RecordsStore()
{
    if (db_.isValid())
        db_.close();
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

Engine RecordsStore::engine() const
{
    return config_.driver == RecordsConfig::Driver::Postgresql ? Engine::Postgresql : Engine::Sqlite;
}

std::string RecordsStore::location() const
{
    if (engine() == Engine::Sqlite)
        return config_.database;
    const std::string database = config_.database.empty() ? "lokomotif" : config_.database;
    std::string server = config_.host.empty() ? "lokal" : config_.host;
    if (config_.port)
        server += ":" + std::to_string(config_.port);
    return "basis data " + database + " di server PostgreSQL " + server;
}

RecordsStore::State RecordsStore::state()
{
    if (state_ == State::NotOpened)
        open();
    return state_;
}

RecordsStore::State RecordsStore::retry()
{
    if (state_ == State::Unavailable)
        state_ = State::NotOpened;
    return state();
}

void RecordsStore::open()
{
    if (!config_.enabled) {
        state_ = State::Off;
        why_ = "Riwayat perbaikan dimatikan di berkas konfigurasi (enabled=false).";
        return;
    }
    if (!config_.problem.empty()) {
        state_ = State::Unavailable;
        why_ = config_.problem;
        return;
    }
    try {
        openConnection();
        if (engine() == Engine::Sqlite && records::schemaVersion(db_, engine()) == 0
            && sql::single(db_, QStringLiteral("SELECT count(*) FROM sqlite_master")).toInt() > 0)
            throw Error(kCannotOpen + ("berkas " + config_.database + " berisi basis data lain, bukan riwayat."));
        version_ = migrate(db_, engine(), recordsMigrations());
        const int known = recordsMigrations().back().version;
        if (version_ > known) {
            // Nothing this program writes could be trusted by the newer one.
            sql::run(db_,
                engine() == Engine::Sqlite ? QStringLiteral("PRAGMA query_only = ON")
                                           : QStringLiteral("SET default_transaction_read_only = on"));
            state_ = State::ReadOnly;
            why_ = "Riwayat di " + location() + " dibuat oleh versi program yang lebih baru (skema "
                + std::to_string(version_) + ", program ini sampai skema " + std::to_string(known)
                + "): catatan dapat dibaca, tetapi tidak dapat ditambah. Perbarui program ini.";
            return;
        }
        state_ = State::Writable;
        why_.clear();
    } catch (const sql::Failure& failure) {
        state_ = State::Unavailable;
        why_ = kCannotOpen + explain(failure.error);
    } catch (const Error& error) {
        state_ = State::Unavailable;
        why_ = error.what();
    }
    if (state_ == State::Unavailable && db_.isValid())
        db_.close();
}

void RecordsStore::openConnection()
{
    if (db_.isValid())
        db_.close();
    const bool sqlite = engine() == Engine::Sqlite;
    if (!db_.isValid())
        db_ = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), connectionName_);
    if (!db_.isValid())
        throw Error(kCannotOpen
            + std::string(sqlite ? "pengandar SQLite untuk Qt (paket libqt6sql6-sqlite) tidak terpasang."
                                 : "pengandar PostgreSQL untuk Qt (paket libqt6sql6-psql) tidak terpasang."));
    if (sqlite) {
        const QString folder = QFileInfo(qt(config_.database)).absolutePath();
        if (config_.defaultDatabase && !QDir().mkpath(folder))
            throw Error(kCannotOpen + ("folder " + folder.toStdString() + " tidak dapat dibuat."));
        db_.setDatabaseName(qt(config_.database));
        if (!db_.open())
            throw sql::Failure{db_.lastError()};
        // The wait first: switching to WAL may itself wait for a lock.
        sql::run(db_, QStringLiteral("PRAGMA busy_timeout = %1").arg(config_.timeoutSeconds * 1000));
        sql::run(db_, QStringLiteral("PRAGMA foreign_keys = ON"));
        sql::run(db_, QStringLiteral("PRAGMA journal_mode = WAL"));
        // A record the user saw filed survives a power cut.
        sql::run(db_, QStringLiteral("PRAGMA synchronous = FULL"));
        return;
    }
    db_.setDatabaseName(config_.database.empty() ? QStringLiteral("lokomotif") : qt(config_.database));
    if (!config_.host.empty())
        db_.setHostName(qt(config_.host));
    if (config_.port)
        db_.setPort(config_.port);
    if (!config_.user.empty())
        db_.setUserName(qt(config_.user));
    QString options = QStringLiteral("connect_timeout=%1;application_name=lokomotif").arg(config_.timeoutSeconds);
    if (!config_.sslMode.empty())
        options += QStringLiteral(";sslmode=") + qt(config_.sslMode);
    db_.setConnectOptions(options);
    if (!db_.open())
        throw sql::Failure{db_.lastError()};
    sql::run(db_, QStringLiteral("SET lock_timeout = %1").arg(config_.timeoutSeconds * 1000));
}

std::string RecordsStore::explain(const QSqlError& error) const
{
    const QString detail = driverText(error);
    std::string problem;
    if (engine() == Engine::Sqlite) {
        const QFileInfo file(qt(config_.database));
        const QFileInfo folder(file.absolutePath());
        const std::string where = "berkas " + config_.database;
        switch (sqliteCode(error)) {
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            problem = where + " dikunci program lain lebih dari " + std::to_string(config_.timeoutSeconds) + " detik";
            break;
        case 11: // SQLITE_CORRUPT
        case 26: // SQLITE_NOTADB
            problem = where + " rusak atau bukan basis data";
            break;
        case 13: // SQLITE_FULL
            problem = "disk tempat " + where + " penuh";
            break;
        default:
            if (!folder.isDir())
                problem = "folder " + folder.filePath().toStdString() + " tidak ada";
            else if (!folder.isWritable())
                problem = "folder " + folder.filePath().toStdString() + " tidak boleh ditulisi";
            else if (file.exists() && (!file.isReadable() || !file.isWritable()))
                problem = where + " tidak boleh dibaca atau ditulisi";
            else
                problem = where + " tidak dapat dipakai";
        }
    } else {
        const QString state = error.nativeErrorCode();
        const std::string user = config_.user.empty() ? "pengguna ini" : "peran " + config_.user;
        if (state == QLatin1String("42501"))
            problem = user + " tidak berhak atas tabel riwayat di " + location()
                + " (peran itu perlu skema miliknya sendiri)";
        else if (state == QLatin1String("55P03"))
            problem = location() + " dikunci lebih dari " + std::to_string(config_.timeoutSeconds) + " detik";
        else if (detail.contains(QLatin1String("authentication failed"))
            || detail.contains(QLatin1String("no password supplied")))
            problem = location() + " menolak " + user + " (periksa ~/.pgpass atau sertifikat)";
        else if (detail.contains(QLatin1String("does not exist")) && detail.contains(QLatin1String("role")))
            problem = user + " tidak dikenal oleh " + location();
        else if (detail.contains(QLatin1String("does not exist")) && detail.contains(QLatin1String("database")))
            problem = location() + " tidak ada";
        else if (connectionLost(error))
            problem = location() + " tidak menjawab";
        else
            problem = location() + " menolak perintah";
    }
    return problem + (detail.isEmpty() ? "." : " (" + detail.toStdString() + ").");
}

void RecordsStore::fail(const sql::Failure& failure, const std::string& what)
{
    const std::string reason = what + explain(failure.error);
    if (connectionLost(failure.error)) {
        // Open again on the next filing or retry().
        state_ = State::Unavailable;
        why_ = reason;
        db_.close();
    }
    throw Error(reason);
}

void RecordsStore::requireOpen(bool writing)
{
    const State now = state();
    if (now == State::Writable || (now == State::ReadOnly && !writing))
        return;
    throw Error(why_);
}

Record RecordsStore::file(Record draft)
{
    return file(std::vector<Record>{std::move(draft)}).front();
}

std::vector<Record> RecordsStore::file(std::vector<Record> drafts, const std::vector<MeterReading>& readings)
{
    if (state_ == State::Unavailable)
        retry();
    if (state() != State::Writable)
        throw Error(kNotFiled + why_);
    const QDateTime now = QDateTime::currentDateTime();
    for (Record& draft : drafts) {
        if (const auto problem = recordProblem(draft))
            throw Error(kNotFiled + *problem);
        if (draft.uuid.empty())
            draft.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
        if (draft.filedAtMs == 0) {
            draft.filedAtMs = now.toMSecsSinceEpoch();
            draft.utcOffsetMinutes = now.offsetFromUtc() / 60;
        }
    }
    if (!readings.empty() && std::any_of(drafts.begin(), drafts.end(), [&](const Record& r) {
            return r.card.locomotive != drafts.front().card.locomotive;
        }))
        throw Error(kNotFiled + "pembacaan meter hanya dapat disimpan bersama catatan satu lokomotif.");
    return insert(std::move(drafts), false, nullptr, readings);
}

int RecordsStore::fileCopies(const std::vector<Record>& records)
{
    if (state() != State::Writable)
        throw Error(kNotFiled + why_);
    for (const Record& record : records)
        if (const auto problem = recordProblem(record))
            throw Error(kNotFiled + "catatan " + record.uuid + ": " + *problem);
    int inserted = 0;
    insert(records, true, &inserted);
    return inserted;
}

std::vector<Record> RecordsStore::insert(
    std::vector<Record> records, bool copies, int* inserted, const std::vector<MeterReading>& readings)
{
    try {
        sql::Transaction transaction(db_, engine() == Engine::Sqlite);
        if (!readings.empty()) {
            try {
                appendReadings(records.front().card.locomotive, readings);
            } catch (const Error& refused) {
                throw Error(kNotFiled + refused.what());
            }
        }
        QSqlQuery addRecord = sql::prepare(db_,
            QStringLiteral("INSERT INTO records (uuid, filed_at, utc_offset, kind, window_name, locomotive, subject,"
                           " conclusion, depot, technician, checker, status, source, work_done, notes, search_text)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                           " ON CONFLICT (uuid) DO NOTHING RETURNING id"));
        QSqlQuery addReport
            = sql::prepare(db_, QStringLiteral("INSERT INTO record_reports (record_id, content) VALUES (?, ?)"));
        QSqlQuery addDone = sql::prepare(db_,
            QStringLiteral("INSERT INTO task_completions (record_id, locomotive, entry, line, line_text, done_on,"
                           " hours, km) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        int count = 0;
        for (Record& r : records) {
            sql::run(addRecord,
                {qt(r.uuid), qlonglong(r.filedAtMs), r.utcOffsetMinutes, qt(kindKey(r.kind)), qt(r.window),
                    qt(r.card.locomotive), qt(r.subject), qt(r.conclusion), qt(r.card.depot), qt(r.card.technician),
                    qt(r.card.checker), qt(statusKey(r.card.status)), qt(r.source), qt(r.card.workDone),
                    qt(r.card.notes), searchTextOf(r)});
            const bool added = addRecord.next();
            if (added)
                r.number = addRecord.value(0).toLongLong();
            // SQLite commits only once no statement is left running.
            addRecord.finish();
            if (!added) {
                if (copies)
                    continue;
                throw Error(kNotFiled + ("UUID " + r.uuid + " sudah ada di riwayat."));
            }
            sql::run(addReport, {qlonglong(r.number), qt(r.content)});
            for (DoneTask& done : r.tasksDone) {
                if (!readings.empty()) {
                    done.hours = done.hours.value_or(readings.back().reading.hours);
                    done.km = done.km.value_or(readings.back().reading.km);
                }
                sql::run(addDone,
                    {qlonglong(r.number), qt(r.card.locomotive), done.entry, qlonglong(done.line), qt(done.lineText),
                        dayNumber(localDateOf(r)), orNull(done.hours), orNull(done.km)});
            }
            ++count;
        }
        addReport.finish();
        addDone.finish();
        transaction.commit();
        if (inserted)
            *inserted = count;
        return records;
    } catch (const sql::Failure& failure) {
        fail(failure, kNotFiled);
    }
}

RecordPage RecordsStore::page(const RecordFilter& filter, std::optional<PageCursor> after, int limit)
{
    requireOpen(false);
    Where where = whereOf(filter);
    RecordPage page;
    if (where.matchesNothing)
        return page;
    if (after) {
        where.conditions << QStringLiteral("(r.filed_at, r.id) < (?, ?)");
        where.values << qlonglong(after->filedAtMs) << qlonglong(after->number);
    }
    where.values << limit + 1;
    try {
        QSqlQuery rows = sql::run(db_,
            QStringLiteral("SELECT %1 FROM records r%2 ORDER BY r.filed_at DESC, r.id DESC LIMIT ?")
                .arg(kColumns, where.clause()),
            where.values);
        while (rows.next()) {
            if (int(page.records.size()) == limit) {
                const Record& last = page.records.back();
                page.next = PageCursor{last.filedAtMs, last.number};
                break;
            }
            page.records.push_back(recordAt(rows, false));
        }
    } catch (const sql::Failure& failure) {
        fail(failure, kNotRead);
    }
    return page;
}

std::optional<Record> RecordsStore::record(std::int64_t number)
{
    requireOpen(false);
    try {
        QSqlQuery row = sql::run(db_,
            QStringLiteral("SELECT %1, COALESCE(p.content, '') FROM records r"
                           " LEFT JOIN record_reports p ON p.record_id = r.id WHERE r.id = ?")
                .arg(kColumns),
            {qlonglong(number)});
        if (!row.next())
            return std::nullopt;
        return recordAt(row, true);
    } catch (const sql::Failure& failure) {
        fail(failure, kNotRead);
    }
}

std::vector<UnitEntry> RecordsStore::unitHistory(std::string_view locomotive)
{
    requireOpen(false);
    std::vector<UnitEntry> entries;
    try {
        QSqlQuery rows = sql::run(db_,
            QStringLiteral("SELECT %1 FROM records r WHERE r.locomotive = ? ORDER BY r.filed_at, r.id").arg(kColumns),
            {qt(locomotive)});
        while (rows.next())
            entries.push_back({recordAt(rows, false), std::nullopt});
    } catch (const sql::Failure& failure) {
        fail(failure, kNotRead);
    }
    std::vector<Finding> findings;
    std::vector<std::size_t> entryOf;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].record.kind != RecordKind::Diagnosis)
            continue;
        findings.push_back({entries[i].record.filedAtMs, entries[i].record.conclusion});
        entryOf.push_back(i);
    }
    const auto repeats = findRepeats(findings);
    for (std::size_t k = 0; k < repeats.size(); ++k)
        if (repeats[k])
            entries[entryOf[k]].repeatOf = entries[entryOf[*repeats[k]]].record.number;
    return entries;
}

std::vector<std::string> RecordsStore::knownLocomotives()
{
    requireOpen(false);
    std::vector<std::string> numbers;
    try {
        QSqlQuery rows = sql::run(db_, QStringLiteral("SELECT DISTINCT locomotive FROM records ORDER BY locomotive"));
        while (rows.next())
            numbers.push_back(textAt(rows, 0));
    } catch (const sql::Failure& failure) {
        fail(failure, kNotRead);
    }
    return numbers;
}

void RecordsStore::appendReadings(const std::string& locomotive, const std::vector<MeterReading>& readings)
{
    requireNormalised(locomotive, "");
    if (engine() == Engine::Postgresql)
        sql::run(db_, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kReadingsLock));
    MeterHistory history(readingsOf(db_, qt(locomotive)));
    QSqlQuery add = sql::prepare(db_,
        QStringLiteral("INSERT INTO unit_readings (locomotive, read_on, hours, km, hour_meter_replaced,"
                       " odometer_replaced, entered_at) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    const qlonglong now = QDateTime::currentMSecsSinceEpoch();
    for (const MeterReading& next : readings) {
        history.add(next);
        sql::run(add,
            {qt(locomotive), dayNumber(next.reading.date), next.reading.hours, next.reading.km,
                int(next.hourMeterReplaced), int(next.odometerReplaced), now});
    }
}

void RecordsStore::addReadings(std::string_view locomotive, const std::vector<MeterReading>& readings)
{
    if (state_ == State::Unavailable)
        retry();
    if (state() != State::Writable)
        throw Error(kReadingsNotStored + why_);
    try {
        sql::Transaction transaction(db_, engine() == Engine::Sqlite);
        try {
            appendReadings(std::string(locomotive), readings);
        } catch (const Error& refused) {
            throw Error(kReadingsNotStored + refused.what());
        }
        transaction.commit();
    } catch (const sql::Failure& failure) {
        fail(failure, kReadingsNotStored);
    }
}

StoredSchedule RecordsStore::schedule(std::string_view locomotive)
{
    requireOpen(false);
    StoredSchedule unit;
    const QString number = qt(locomotive);
    try {
        unit.readings = readingsOf(db_, number);
        // The latest of each task as its line then read (an older text may
        // belong to another line now): the last day from the index alone,
        // then that day's rows, of which the last filed counts. A window
        // function over all the unit's rows took six times as long.
        QSqlQuery done = sql::run(db_,
            QStringLiteral("SELECT c.entry, c.line, c.line_text, c.done_on, c.hours, c.km FROM ("
                           "SELECT entry, line, line_text, MAX(done_on) AS last FROM task_completions"
                           " WHERE locomotive = ? GROUP BY entry, line, line_text) k"
                           " JOIN task_completions c ON c.locomotive = ? AND c.entry = k.entry AND c.line = k.line"
                           " AND c.line_text = k.line_text AND c.done_on = k.last"
                           " ORDER BY c.entry, c.line, c.line_text, c.record_id"),
            {number, number});
        while (done.next()) {
            StoredCompletion completion{{done.value(0).toInt(), std::size_t(done.value(1).toLongLong())},
                textAt(done, 2), dateOfDay(done.value(3).toInt()), optionalDouble(done.value(4)),
                optionalDouble(done.value(5))};
            if (!unit.completions.empty() && unit.completions.back().task == completion.task
                && unit.completions.back().lineText == completion.lineText)
                unit.completions.back() = std::move(completion);
            else
                unit.completions.push_back(std::move(completion));
        }
        QSqlQuery settings = sql::run(db_,
            QStringLiteral("SELECT entry, line, line_text, not_applicable, depot_hours, depot_km, depot_miles,"
                           " depot_calendar, depot_calendar_unit FROM task_settings WHERE locomotive = ?"
                           " ORDER BY entry, line"),
            {number});
        while (settings.next()) {
            StoredSetting setting{{{settings.value(0).toInt(), std::size_t(settings.value(1).toLongLong())},
                                      settings.value(3).toInt() != 0},
                textAt(settings, 2)};
            Interval depot{
                optionalInt(settings.value(4)), optionalInt(settings.value(5)), optionalInt(settings.value(6))};
            if (const auto count = optionalInt(settings.value(7)))
                depot.calendar = CalendarInterval{*count,
                    textAt(settings, 8) == "hari" ? CalendarInterval::Unit::Day : CalendarInterval::Unit::Month};
            if (depot != Interval{})
                setting.setting.depotInterval = depot;
            unit.settings.push_back(std::move(setting));
        }
    } catch (const sql::Failure& failure) {
        fail(failure, kNotRead);
    }
    return unit;
}

void RecordsStore::setTaskSetting(std::string_view locomotive, const StoredSetting& stored)
{
    requireNormalised(locomotive, kSettingNotStored);
    const TaskSetting& setting = stored.setting;
    if (setting.depotInterval)
        if (const auto problem = depotIntervalProblem(*setting.depotInterval))
            throw Error(kSettingNotStored + *problem);
    if (state_ == State::Unavailable)
        retry();
    if (state() != State::Writable)
        throw Error(kSettingNotStored + why_);
    const Interval depot = setting.depotInterval.value_or(Interval{});
    const std::optional<CalendarInterval> calendar = depot.calendar;
    QVariant calendarUnit(QMetaType(QMetaType::QString));
    if (calendar)
        calendarUnit = calendar->unit == CalendarInterval::Unit::Day ? QStringLiteral("hari") : QStringLiteral("bulan");
    try {
        sql::run(db_,
            QStringLiteral("INSERT INTO task_settings (locomotive, entry, line, line_text, not_applicable, depot_hours,"
                           " depot_km, depot_miles, depot_calendar, depot_calendar_unit, changed_at)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (locomotive, entry, line) DO UPDATE"
                           " SET line_text = excluded.line_text, not_applicable = excluded.not_applicable,"
                           " depot_hours = excluded.depot_hours, depot_km = excluded.depot_km,"
                           " depot_miles = excluded.depot_miles, depot_calendar = excluded.depot_calendar,"
                           " depot_calendar_unit = excluded.depot_calendar_unit, changed_at = excluded.changed_at"),
            {qt(locomotive), setting.task.entry, qlonglong(setting.task.line), qt(stored.lineText),
                int(setting.notApplicable), orNull(depot.hours), orNull(depot.km), orNull(depot.miles),
                orNull(calendar ? std::optional<int>(calendar->count) : std::nullopt), calendarUnit,
                qlonglong(QDateTime::currentMSecsSinceEpoch())});
    } catch (const sql::Failure& failure) {
        fail(failure, kSettingNotStored);
    }
}

std::string RecordsStore::exportCsv(const RecordFilter& filter)
{
    std::vector<Record> all;
    RecordPage next = page(filter);
    for (;;) {
        all.insert(
            all.end(), std::make_move_iterator(next.records.begin()), std::make_move_iterator(next.records.end()));
        if (!next.next)
            break;
        next = page(filter, next.next);
    }
    return recordsCsv(all);
}

void RecordsStore::forEachRecord(const std::function<void(const Record&)>& visit)
{
    requireOpen(false);
    PageCursor after{std::numeric_limits<std::int64_t>::min(), 0};
    for (;;) {
        std::vector<Record> batch;
        try {
            QSqlQuery rows = sql::run(db_,
                QStringLiteral("SELECT %1, COALESCE(p.content, '') FROM records r"
                               " LEFT JOIN record_reports p ON p.record_id = r.id"
                               " WHERE (r.filed_at, r.id) > (?, ?) ORDER BY r.filed_at, r.id LIMIT ?")
                    .arg(kColumns),
                {qlonglong(after.filedAtMs), qlonglong(after.number), kPageSize});
            while (rows.next())
                batch.push_back(recordAt(rows, true));
        } catch (const sql::Failure& failure) {
            fail(failure, kNotRead);
        }
        if (batch.empty())
            return;
        after = {batch.back().filedAtMs, batch.back().number};
        for (const Record& record : batch)
            visit(record);
    }
}

std::vector<std::string> RecordsStore::check()
{
    if (state() != State::Writable && state_ != State::ReadOnly)
        return {why_};
    std::vector<std::string> problems;
    try {
        if (engine() == Engine::Sqlite) {
            QSqlQuery integrity = sql::run(db_, QStringLiteral("PRAGMA integrity_check"));
            while (integrity.next())
                if (integrity.value(0).toString() != QLatin1String("ok"))
                    problems.push_back("integrity_check: " + textAt(integrity, 0));
            QSqlQuery keys = sql::run(db_, QStringLiteral("PRAGMA foreign_key_check"));
            while (keys.next())
                problems.push_back("foreign_key_check: " + textAt(keys, 0) + " baris " + textAt(keys, 1)
                    + " menunjuk ke " + textAt(keys, 2) + " yang tidak ada");
        }
        const int bare = sql::single(db_,
            QStringLiteral("SELECT count(*) FROM records r LEFT JOIN record_reports p ON p.record_id = r.id"
                           " WHERE p.record_id IS NULL"))
                             .toInt();
        if (bare > 0)
            problems.push_back(std::to_string(bare) + " catatan tanpa isi laporan");
    } catch (const sql::Failure& failure) {
        problems.push_back(explain(failure.error));
        return problems;
    }
    try {
        forEachRecord([&](const Record& record) {
            if (const auto problem = recordProblem(record))
                problems.push_back("catatan nomor " + std::to_string(record.number) + ": " + *problem);
        });
    } catch (const Error& error) {
        problems.push_back(error.what());
    }
    return problems;
}

void RecordsStore::backup(const std::string& path)
{
    requireOpen(false);
    if (engine() != Engine::Sqlite)
        throw Error("Cadangan hanya untuk riwayat SQLite; riwayat PostgreSQL dicadangkan dengan pg_dump.");
    // SQLite writes a consistent copy beside the target; it then reaches the
    // target through the one safe path, replacing it only when complete.
    QTemporaryDir scratch(QFileInfo(qt(path)).absolutePath() + QStringLiteral("/.lokomotif-records-XXXXXX"));
    if (!scratch.isValid())
        throw Error("Cannot create file \"" + path + "\". " + scratch.errorString().toStdString());
    const QString copy = scratch.filePath(QStringLiteral("records.sqlite"));
    try {
        sql::run(db_, QStringLiteral("VACUUM INTO ?"), {copy});
    } catch (const sql::Failure& failure) {
        throw Error("Cadangan tidak dapat dibuat: " + explain(failure.error));
    }
    const std::vector<std::uint8_t> bytes
        = readFileBytes(copy.toStdString(), std::numeric_limits<std::uint64_t>::max() - 1);
    writeFileSafely(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace loco::records
