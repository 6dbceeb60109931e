#include "tests/records/store_support.h"

#include "records/store/sql.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

namespace loco::records::test {
namespace {

Engine engine = Engine::Sqlite;

QSqlDatabase connectTo(const RecordsConfig& config, const QString& name)
{
    const bool sqlite = config.driver == RecordsConfig::Driver::Sqlite;
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), name);
    db.setDatabaseName(QString::fromStdString(config.database));
    db.setHostName(QString::fromStdString(config.host));
    db.setPort(sqlite ? -1 : config.port);
    db.setUserName(QString::fromStdString(config.user));
    if (!db.open())
        throw std::runtime_error("cannot open the test database: " + db.lastError().text().toStdString());
    return db;
}

} // namespace

QSqlDatabase clusterAdmin()
{
    const QString name = QStringLiteral("records-test-admin");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    const RecordsConfig cluster = readRecordsConfigFile(LOKO_RECORDS_PG_CONF);
    if (!cluster.problem.empty())
        throw std::runtime_error("no PostgreSQL test cluster (ctest starts it as a fixture): " + cluster.problem);
    return connectTo(cluster, name);
}

Engine engineUnderTest()
{
    return engine;
}

void setEngineUnderTest(Engine chosen)
{
    engine = chosen;
}

StorePlace::StorePlace(Engine engine)
{
    QByteArray ini = "[records]\n";
    if (engine == Engine::Sqlite) {
        ini += "database=" + dir_.filePath(QStringLiteral("records.sqlite")).toUtf8() + "\n";
    } else {
        static int made = 0;
        role_ = "t" + std::to_string(::getpid()) + "_" + std::to_string(++made);
        sql::run(clusterAdmin(), QStringLiteral("CREATE ROLE %1 LOGIN").arg(role_.c_str()));
        sql::run(clusterAdmin(), QStringLiteral("CREATE SCHEMA %1 AUTHORIZATION %1").arg(role_.c_str()));
        const RecordsConfig cluster = readRecordsConfigFile(LOKO_RECORDS_PG_CONF);
        ini += QStringLiteral("driver=postgresql\nhost=%1\nport=%2\ndatabase=%3\nuser=%4\n")
                   .arg(cluster.host.c_str(), QString::number(cluster.port), cluster.database.c_str(), role_.c_str())
                   .toUtf8();
    }
    QDir().mkpath(dir_.filePath(QStringLiteral("lokomotif")));
    QFile file(configFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size())
        throw std::runtime_error("cannot write " + configFile().toStdString());
    file.close();
    config_ = readRecordsConfigFile(configFile().toStdString());
}

StorePlace::~StorePlace()
{
    if (role_.empty())
        return;
    try {
        sql::run(clusterAdmin(), QStringLiteral("DROP SCHEMA %1 CASCADE").arg(role_.c_str()));
        sql::run(clusterAdmin(), QStringLiteral("DROP ROLE %1").arg(role_.c_str()));
    } catch (const sql::Failure& failure) {
        ADD_FAILURE() << "cannot remove the test schema: " << failure.error.text().toStdString();
    }
}

QSqlDatabase StorePlace::connect(const QString& name) const
{
    return connectTo(config_, name);
}

Record draft(int count, std::string locomotive)
{
    Record r;
    r.kind = RecordKind::Diagnosis;
    r.window = "diagno";
    r.subject = "Sistem pendingin #" + std::to_string(count);
    r.conclusion = "Pompa air rusak";
    r.source = "Edisi 1.0";
    r.content = R"({"format":1,"title":"Diagnosa"})";
    r.card = {std::move(locomotive), "Dipo Sidotopo", "Budi", "Sari", "Pompa diganti", "", WorkStatus::Done};
    return r;
}

} // namespace loco::records::test
