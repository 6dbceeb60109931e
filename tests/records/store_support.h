#pragma once

#include "records/store/records_store.h"
#include "tests/support/finished_program.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

#include <string>

// What the store tests share: the engine they run on (the same tests run on
// SQLite and on a throwaway PostgreSQL cluster), an empty store for each
// test, and records to file.
namespace loco::records::test {

// From the command line: --engine=sqlite (the default) or --engine=postgresql.
Engine engineUnderTest();
void setEngineUnderTest(Engine engine);

// An empty store of the engine under test: an SQLite file in a new folder,
// or in PostgreSQL a role of its own owning a schema of its own (as the
// README tells administrators to set it up). Its configuration is also
// written as a file, for other processes. Everything goes with it.
class StorePlace {
public:
    explicit StorePlace(Engine engine = engineUnderTest());
    ~StorePlace();

    RecordsConfig config() const { return config_; }
    // The folder to name in XDG_CONFIG_HOME, and the file in it.
    QString configHome() const { return dir_.path(); }
    QString configFile() const { return dir_.filePath(QStringLiteral("lokomotif/lokomotif.conf")); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // A connection of its own to the same database, as the store's user.
    QSqlDatabase connect(const QString& name) const;

private:
    QTemporaryDir dir_;
    RecordsConfig config_;
    std::string role_;
};

// The test cluster's superuser, on the test database.
QSqlDatabase clusterAdmin();

// A record that passes the checks; its subject names the count.
Record draft(int count, std::string locomotive = "CC 201 89 08");

} // namespace loco::records::test
