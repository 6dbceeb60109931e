#include "records/store/records_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace loco::records {
namespace {

// The system's file, then the user's over it, in folders the test names.
class ConfigFiles : public testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_DIRS", dir_.filePath(QStringLiteral("system")).toUtf8());
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("user")).toUtf8());
    }
    void write(const char* folder, const QByteArray& text)
    {
        const QString path = dir_.filePath(QLatin1String(folder) + QStringLiteral("/lokomotif"));
        QDir().mkpath(path);
        QFile file(path + QStringLiteral("/lokomotif.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text), text.size());
        // QSettings keeps what it read while a file's size and time stay
        // the same: two texts of one length written within a millisecond
        // would read as the first. The time is set once the text is out,
        // since writing it out would set the time again.
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(++writes_), QFileDevice::FileModificationTime));
    }
    std::string path(const char* folder) const
    {
        return dir_.filePath(QLatin1String(folder) + QStringLiteral("/lokomotif/lokomotif.conf")).toStdString();
    }

private:
    QTemporaryDir dir_;
    int writes_ = 0;
};

TEST_F(ConfigFiles, UserKeysOverrideTheSystems)
{
    write("system", "[records]\ndriver=postgresql\nhost=depot.example\nport=5433\nuser=loko\n");
    write("user", "[records]\nhost=/run/postgresql\ntimeout=9\n[other]\ndriver=sqlite\n");
    const RecordsConfig config = readRecordsConfig();
    EXPECT_EQ(config.problem, "");
    EXPECT_TRUE(config.enabled);
    EXPECT_EQ(config.driver, RecordsConfig::Driver::Postgresql);
    EXPECT_EQ(config.host, "/run/postgresql");
    EXPECT_EQ(config.port, 5433);
    EXPECT_EQ(config.user, "loko");
    EXPECT_EQ(config.timeoutSeconds, 9);
    EXPECT_EQ(RecordsStore(config).location(), "basis data lokomotif di server PostgreSQL /run/postgresql:5433");
}

TEST_F(ConfigFiles, FaultsNameTheFileAndOpenNoStore)
{
    const std::pair<QByteArray, std::string> cases[] = {
        {"driver=mysql", "\"driver=mysql\": driver bernilai sqlite atau postgresql."},
        {"password=rahasia", "kata sandi tidak boleh disimpan di sini; gunakan ~/.pgpass atau sertifikat."},
        {"port=99999", "\"port=99999\": port adalah bilangan 1 sampai 65535."},
        {"enabled=no", "\"enabled=no\": enabled bernilai true atau false."},
        {"drvier=postgresql", "kunci \"drvier\" tidak dikenal."},
    };
    for (const auto& [line, problem] : cases) {
        write("user", "[records]\n" + line + "\n");
        RecordsStore store(readRecordsConfig());
        EXPECT_EQ(store.state(), RecordsStore::State::Unavailable) << line.constData();
        EXPECT_EQ(store.why(), "Berkas konfigurasi " + path("user") + ": " + problem);
    }
    write("user", "[records]\ndatabase=records.sqlite\n");
    EXPECT_EQ(readRecordsConfig().problem,
        "Berkas riwayat \"records.sqlite\" harus ditulis dengan jalur lengkap (mulai dengan /).");
    write("user", "[records]\nenabled=false\n");
    RecordsStore off(readRecordsConfig());
    EXPECT_EQ(off.state(), RecordsStore::State::Off);
    EXPECT_EQ(off.why(), "Riwayat perbaikan dimatikan di berkas konfigurasi (enabled=false).");
}

} // namespace
} // namespace loco::records
