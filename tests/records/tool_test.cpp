#include "records/store/sql.h"
#include "tests/records/store_support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace loco::records::test {
namespace {

// lokomotif-records run as an administrator does, on the store that the
// configuration in XDG_CONFIG_HOME names.
Finished tool(const StorePlace& place, const QStringList& arguments)
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), place.configHome());
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), place.path(QStringLiteral("no-system-config")));
    return runProgram(QStringLiteral(LOKO_RECORDS_TOOL), arguments, environment);
}

class Tool : public testing::Test {
protected:
    StorePlace place_;
};

TEST_F(Tool, ListsExportsBacksUpAndChecks)
{
    std::vector<Record> filed;
    {
        RecordsStore store(place_.config());
        Record quoted = draft(1);
        quoted.subject = "Pompa; \"air\"\nbaru";
        filed = {store.file(quoted), store.file(draft(2))};
    }
    const Finished list = tool(place_, {QStringLiteral("list")});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 2) << list.out;
    EXPECT_EQ(list.out.substr(0, list.out.find('\t')), std::to_string(filed[1].number));
    EXPECT_NE(list.out.find("\tPompa; \"air\" baru\n"), std::string::npos) << list.out;

    const Finished csv = tool(place_, {QStringLiteral("export")});
    EXPECT_EQ(csv.out.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.out.find(";\"Pompa; \"\"air\"\"\nbaru\";"), std::string::npos) << csv.out;

    const QString jsonFile = place_.path(QStringLiteral("records.json"));
    EXPECT_EQ(
        tool(place_, {QStringLiteral("export"), QStringLiteral("--json"), QStringLiteral("-o"), jsonFile}).exitCode, 0);
    QFile json(jsonFile);
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonArray records = QJsonDocument::fromJson(json.readAll()).array();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0][QLatin1String("uuid")].toString().toStdString(), filed[0].uuid);
    EXPECT_EQ(records[0][QLatin1String("report")][QLatin1String("format")].toInt(), 1);

    const QString backupFile = place_.path(QStringLiteral("backup.sqlite"));
    const Finished backup = tool(place_, {QStringLiteral("backup"), backupFile});
    if (engineUnderTest() == Engine::Sqlite) {
        EXPECT_EQ(backup.exitCode, 0) << backup.err;
        RecordsConfig copy = place_.config();
        copy.database = backupFile.toStdString();
        EXPECT_EQ(RecordsStore(copy).record(filed[0].number)->subject, filed[0].subject);
    } else {
        EXPECT_EQ(backup.exitCode, 1);
        EXPECT_NE(backup.err.find("use pg_dump"), std::string::npos) << backup.err;
    }

    const Finished sound = tool(place_, {QStringLiteral("check")});
    EXPECT_EQ(sound.exitCode, 0) << sound.out << sound.err;
    EXPECT_EQ(sound.out,
        "ok: 2 records, schema version " + std::to_string(recordsMigrations().back().version) + ", "
            + RecordsStore(place_.config()).location() + "\n");
    {
        QSqlDatabase db = place_.connect(QStringLiteral("damage"));
        sql::run(db, QStringLiteral("UPDATE record_reports SET content = ? WHERE record_id = ?"),
            {QStringLiteral("{\"format\":1,"), qlonglong(filed[0].number)});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
    const Finished damaged = tool(place_, {QStringLiteral("check")});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.out.rfind(
                  "catatan nomor " + std::to_string(filed[0].number) + ": Isi laporan dalam catatan rusak: ", 0),
        0u)
        << damaged.out;
}

// A workstation joins a depot: its records go over once, with their UUIDs
// and times, however often the copy is run.
TEST_F(Tool, CopiesAWorkstationOnceIntoTheStore)
{
    const StorePlace workstation(Engine::Sqlite);
    std::vector<std::string> uuids;
    {
        RecordsStore store(workstation.config());
        for (int i = 1; i <= 3; ++i)
            uuids.push_back(store.file(draft(i)).uuid);
    }
    const QStringList copy{QStringLiteral("copy"), QStringLiteral("--to"), place_.configFile()};
    const std::string target = RecordsStore(place_.config()).location();
    const Finished first = tool(workstation, copy);
    EXPECT_EQ(first.out, "copied 3 records to " + target + "; 0 were there already\n") << first.err;
    const Finished again = tool(workstation, copy);
    EXPECT_EQ(again.out, "copied 0 records to " + target + "; 3 were there already\n") << again.err;
    std::vector<std::string> copied;
    RecordsStore(place_.config()).forEachRecord([&](const Record& r) { copied.push_back(r.uuid); });
    EXPECT_EQ(copied, uuids);
}

} // namespace
} // namespace loco::records::test
