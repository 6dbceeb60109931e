#pragma once

#include "records/store/records_config.h"
#include "records/store/sql.h"
#include "toolkit/core/error.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <cstring>
#include <string>

namespace loco::records {

// A plain counterpart's connection to the store's database, set up as the
// store sets up its own.
inline QSqlDatabase plainConnection(const RecordsConfig& config, const QString& name)
{
    const bool sqlite = config.driver == RecordsConfig::Driver::Sqlite;
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), name);
    db.setDatabaseName(QString::fromStdString(config.database));
    if (!sqlite) {
        db.setHostName(QString::fromStdString(config.host));
        db.setPort(config.port);
        db.setUserName(QString::fromStdString(config.user));
    }
    if (!db.open())
        throw loco::Error(db.lastError().text().toStdString());
    if (sqlite)
        for (const char* pragma :
            {"PRAGMA busy_timeout = 5000", "PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"})
            sql::run(db, QString::fromLatin1(pragma));
    return db;
}

// The configuration file given as --postgresql CONFIG (the bench's
// throwaway server); empty when the run measures SQLite alone.
inline std::string postgresqlConfigArgument(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--postgresql") == 0)
            return argv[i + 1];
    return {};
}

} // namespace loco::records
