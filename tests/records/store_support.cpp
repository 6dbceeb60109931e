#include "tests/records/store_support.h"

#include "records/store/sql.h"

#include <QProcess>
#include <QSettings>

#include <gtest/gtest.h>
#include <unistd.h>

namespace loco::records::test {
namespace {

Engine engine = Engine::Sqlite;

} // namespace

QSqlDatabase clusterAdmin()
{
    const QString name = QStringLiteral("records-test-admin");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    const RecordsConfig cluster = readRecordsConfigFile(LOKO_RECORDS_PG_CONF);
    if (!cluster.problem.empty())
        throw std::runtime_error("no PostgreSQL test cluster (ctest starts it as a fixture): " + cluster.problem);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(QString::fromStdString(cluster.host));
    db.setPort(cluster.port);
    db.setDatabaseName(QString::fromStdString(cluster.database));
    db.setUserName(QString::fromStdString(cluster.user));
    if (!db.open())
        throw std::runtime_error("cannot reach the test cluster: " + db.lastError().text().toStdString());
    return db;
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
    if (engine == Engine::Sqlite) {
        config_.database = dir_.filePath(QStringLiteral("records.sqlite")).toStdString();
        config_.defaultDatabase = false;
    } else {
        static int made = 0;
        role_ = "t" + std::to_string(::getpid()) + "_" + std::to_string(++made);
        const QString role = QString::fromStdString(role_);
        sql::run(clusterAdmin(), QStringLiteral("CREATE ROLE %1 LOGIN").arg(role));
        sql::run(clusterAdmin(), QStringLiteral("CREATE SCHEMA %1 AUTHORIZATION %1").arg(role));
        const RecordsConfig cluster = readRecordsConfigFile(LOKO_RECORDS_PG_CONF);
        config_.driver = RecordsConfig::Driver::Postgresql;
        config_.host = cluster.host;
        config_.port = cluster.port;
        config_.database = cluster.database;
        config_.user = role_;
    }
    QSettings file(configFile(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("records"));
    file.setValue(QStringLiteral("driver"), engine == Engine::Sqlite ? "sqlite" : "postgresql");
    file.setValue(QStringLiteral("database"), QString::fromStdString(config_.database));
    if (engine == Engine::Postgresql) {
        file.setValue(QStringLiteral("host"), QString::fromStdString(config_.host));
        file.setValue(QStringLiteral("port"), config_.port);
        file.setValue(QStringLiteral("user"), QString::fromStdString(config_.user));
    }
}

StorePlace::~StorePlace()
{
    if (role_.empty())
        return;
    const QString role = QString::fromStdString(role_);
    try {
        sql::run(clusterAdmin(), QStringLiteral("DROP SCHEMA %1 CASCADE").arg(role));
        sql::run(clusterAdmin(), QStringLiteral("DROP ROLE %1").arg(role));
    } catch (const sql::Failure& failure) {
        ADD_FAILURE() << "cannot remove the test schema: " << failure.error.text().toStdString();
    }
}

QSqlDatabase StorePlace::connect(const QString& name) const
{
    const bool sqlite = config_.driver == RecordsConfig::Driver::Sqlite;
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), name);
    db.setDatabaseName(QString::fromStdString(config_.database));
    if (!sqlite) {
        db.setHostName(QString::fromStdString(config_.host));
        db.setPort(config_.port);
        db.setUserName(QString::fromStdString(config_.user));
    }
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    return db;
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

Finished runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& added)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(added);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

} // namespace loco::records::test
