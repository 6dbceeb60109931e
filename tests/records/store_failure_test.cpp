#include "records/store/sql.h"
#include "tests/records/store_support.h"
#include "toolkit/core/error.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace loco::records::test {
namespace {

// A store that cannot be opened says why, and so does every use of it.
void expectUnavailable(const RecordsConfig& config, const std::string& why)
{
    RecordsStore store(config);
    EXPECT_EQ(store.state(), RecordsStore::State::Unavailable);
    EXPECT_EQ(store.why().substr(0, why.size()), why) << store.why();
    try {
        store.file(draft(1));
        ADD_FAILURE() << "filed into " << why;
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Catatan tidak tersimpan: " + store.why());
    }
    EXPECT_THROW(store.page({}), Error);
}

TEST(SqliteStore, CannotOpenSaysWhatAndWhere)
{
    const StorePlace place(Engine::Sqlite);
    RecordsConfig config = place.config();
    const std::string prefix = "Riwayat perbaikan tidak dapat dibuka: ";

    config.database = place.path(QStringLiteral("missing/records.sqlite")).toStdString();
    expectUnavailable(
        config, prefix + "folder " + place.path(QStringLiteral("missing")).toStdString() + " tidak ada (");

    config.database = place.path(QStringLiteral("corrupt.sqlite")).toStdString();
    QFile corrupt(place.path(QStringLiteral("corrupt.sqlite")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(8192, '\x5a'));
    corrupt.close();
    expectUnavailable(config, prefix + "berkas " + config.database + " rusak atau bukan basis data (");

    config.database = place.path(QStringLiteral("other.sqlite")).toStdString();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(QString::fromStdString(config.database));
        ASSERT_TRUE(other.open());
        sql::run(other, QStringLiteral("CREATE TABLE invoices (id INTEGER)"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    expectUnavailable(config, prefix + "berkas " + config.database + " berisi basis data lain, bukan riwayat.");

    // Root writes anywhere a mode allows; a read-only mount stops it too.
    const QString readOnly = place.path(QStringLiteral("read-only"));
    QDir().mkpath(readOnly);
    const bool root = ::geteuid() == 0;
    if (root ? ::mount("tmpfs", readOnly.toUtf8().constData(), "tmpfs", MS_RDONLY, "size=64k") != 0
             : !QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner))
        GTEST_SKIP() << "cannot make a read-only folder: " << std::strerror(errno);
    config.database = (readOnly + QStringLiteral("/records.sqlite")).toStdString();
    expectUnavailable(config, prefix + "folder " + readOnly.toStdString() + " tidak boleh ditulisi (");
    if (root)
        ::umount(readOnly.toUtf8().constData());
}

// Another program holding the write lock: opening waits, then gives up; a
// filing waits, gives up with a message, and the next one succeeds.
TEST(SqliteStore, LockedBeyondTheTimeout)
{
    const StorePlace place(Engine::Sqlite);
    RecordsConfig config = place.config();
    config.timeoutSeconds = 1;
    const std::string locked = "berkas " + config.database + " dikunci program lain lebih dari 1 detik (";
    QSqlDatabase other = place.connect(QStringLiteral("other"));
    sql::run(other, QStringLiteral("PRAGMA journal_mode = WAL"));
    sql::run(other, QStringLiteral("BEGIN IMMEDIATE"));
    expectUnavailable(config, "Riwayat perbaikan tidak dapat dibuka: " + locked);
    sql::run(other, QStringLiteral("ROLLBACK"));

    RecordsStore store(config);
    ASSERT_EQ(store.state(), RecordsStore::State::Writable);
    sql::run(other, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        store.file(draft(1));
        ADD_FAILURE() << "filed into a locked store";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()).substr(0, 25 + locked.size()), "Catatan tidak tersimpan: " + locked);
    }
    sql::run(other, QStringLiteral("ROLLBACK"));
    EXPECT_EQ(store.file(draft(2)).subject, draft(2).subject);
    EXPECT_EQ(store.page({}).records.size(), 1u);
}

TEST(SqliteStore, DefaultFileIsMadeInTheDataFolderOnFirstUse)
{
    const StorePlace place(Engine::Sqlite);
    qputenv("XDG_CONFIG_HOME", place.path(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", place.path(QStringLiteral("system")).toUtf8());
    qputenv("XDG_DATA_HOME", place.path(QStringLiteral("data")).toUtf8());
    const RecordsConfig config = readRecordsConfig();
    const QString file = place.path(QStringLiteral("data/lokomotif/records.sqlite"));
    EXPECT_EQ(config.database, file.toStdString());
    RecordsStore store(config);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(store.state(), RecordsStore::State::Writable);
    EXPECT_TRUE(QFile::exists(file));
}

TEST(PostgresStore, ServerDownSaysWhichServer)
{
    const StorePlace place(Engine::Postgresql);
    RecordsConfig config = place.config();
    config.host = place.path(QStringLiteral("no-server")).toStdString();
    expectUnavailable(config,
        "Riwayat perbaikan tidak dapat dibuka: basis data " + config.database + " di server PostgreSQL " + config.host
            + ":" + std::to_string(config.port) + " tidak menjawab (");
}

// A role without a schema of its own may not create tables (PostgreSQL 15
// keeps "public" to its owner): the message points to what it lacks.
TEST(PostgresStore, RoleWithoutItsOwnSchemaIsTold)
{
    const StorePlace place(Engine::Postgresql);
    RecordsConfig config = place.config();
    config.user += "_bare";
    const QString role = QString::fromStdString(config.user);
    sql::run(clusterAdmin(), QStringLiteral("CREATE ROLE %1 LOGIN").arg(role));
    {
        RecordsStore store(config);
        expectUnavailable(config,
            "Riwayat perbaikan tidak dapat dibuka: peran " + config.user + " tidak berhak atas tabel riwayat di "
                + store.location() + " (peran itu perlu skema miliknya sendiri) (");
    }
    sql::run(clusterAdmin(), QStringLiteral("DROP ROLE %1").arg(role));
}

} // namespace
} // namespace loco::records::test
