#pragma once

#include <QSqlDatabase>

#include <vector>

// The tables of the workshop records, one schema for SQLite and PostgreSQL,
// and how a store is brought from an older version to the current one.
namespace loco::records {

enum class Engine { Sqlite, Postgresql };

// One SQL statement; where the engines differ (only in how a key counts),
// the PostgreSQL form is given too.
struct SchemaStatement {
    const char* sqlite;
    const char* postgresql = nullptr;
};

// What turns version - 1 into version. Steps only add (tables, columns,
// indexes, rows): a step never drops or rewrites what users filed.
struct Migration {
    int version;
    std::vector<SchemaStatement> statements;
};

// The program's migrations, oldest first; the last one's version is the
// schema this program writes.
const std::vector<Migration>& recordsMigrations();

// The version the database holds: 0 when it holds none of our tables.
// Throws QSqlError when the database cannot be read.
int schemaVersion(QSqlDatabase& db, Engine engine);

// Brings the database to the last version of migrations in one transaction,
// which only one process at a time can hold (SQLite BEGIN IMMEDIATE, a
// PostgreSQL advisory lock), re-reading the version inside it, so that two
// programs starting at once on an empty database do the work once. On any
// failure nothing is changed. Returns the version the database now holds,
// which is newer than the migrations' when a newer program made it (then
// nothing was changed). Throws QSqlError.
int migrate(QSqlDatabase& db, Engine engine, const std::vector<Migration>& migrations);

} // namespace loco::records
