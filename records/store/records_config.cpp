#include "records/store/records_config.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace loco::records {
namespace {

const QString kConfigFile = QStringLiteral("lokomotif/lokomotif.conf");
const QStringList kSslModes{QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
    QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

// The value as written: INI values with commas come back as lists.
QString textOf(const QVariant& value)
{
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString();
}

std::optional<int> numberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= low && number <= high ? std::optional(number) : std::nullopt;
}

// Reads the [records] keys of one file over what config holds; the first
// fault found becomes config.problem.
void readFile(const QString& path, RecordsConfig& config)
{
    QSettings settings(path, QSettings::IniFormat);
    auto fault = [&](const QString& what) {
        if (config.problem.empty())
            config.problem = QStringLiteral("Berkas konfigurasi %1: %2.").arg(path, what).toStdString();
    };
    if (settings.status() != QSettings::NoError)
        return fault(QStringLiteral("tidak dapat dibaca sebagai berkas INI"));
    settings.beginGroup(QStringLiteral("records"));
    const QStringList keys = settings.childKeys();
    for (const QString& key : keys) {
        const QString value = textOf(settings.value(key)).trimmed();
        const QString quoted = QStringLiteral("%1=%2").arg(key, value);
        if (key == QLatin1String("enabled")) {
            if (value == QLatin1String("true") || value == QLatin1String("false"))
                config.enabled = value == QLatin1String("true");
            else
                fault(QStringLiteral("\"%1\": enabled bernilai true atau false").arg(quoted));
        } else if (key == QLatin1String("driver")) {
            if (value == QLatin1String("sqlite"))
                config.driver = RecordsConfig::Driver::Sqlite;
            else if (value == QLatin1String("postgresql"))
                config.driver = RecordsConfig::Driver::Postgresql;
            else
                fault(QStringLiteral("\"%1\": driver bernilai sqlite atau postgresql").arg(quoted));
        } else if (key == QLatin1String("database")) {
            config.database = value.toStdString();
        } else if (key == QLatin1String("host")) {
            config.host = value.toStdString();
        } else if (key == QLatin1String("user")) {
            config.user = value.toStdString();
        } else if (key == QLatin1String("port")) {
            if (const auto port = numberIn(value, 1, 65535))
                config.port = *port;
            else
                fault(QStringLiteral("\"%1\": port adalah bilangan 1 sampai 65535").arg(quoted));
        } else if (key == QLatin1String("timeout")) {
            if (const auto seconds = numberIn(value, 1, 600))
                config.timeoutSeconds = *seconds;
            else
                fault(QStringLiteral("\"%1\": timeout adalah detik, 1 sampai 600").arg(quoted));
        } else if (key == QLatin1String("sslmode")) {
            if (kSslModes.contains(value))
                config.sslMode = value.toStdString();
            else
                fault(QStringLiteral("\"%1\": sslmode bernilai %2").arg(quoted, kSslModes.join(QStringLiteral(", "))));
        } else if (key == QLatin1String("password")) {
            fault(QStringLiteral("kata sandi tidak boleh disimpan di sini; gunakan ~/.pgpass atau sertifikat"));
        } else {
            fault(QStringLiteral("kunci \"%1\" tidak dikenal").arg(key));
        }
    }
}

// SQLite's file: the data folder's by default; "~/" is the home folder.
void settleSqliteFile(RecordsConfig& config)
{
    if (config.driver != RecordsConfig::Driver::Sqlite)
        return;
    config.defaultDatabase = config.database.empty();
    QString file = QString::fromStdString(config.database);
    if (config.defaultDatabase) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (folder.isEmpty() && config.problem.empty())
            config.problem = "Folder data pengguna tidak diketahui (HOME tidak ditetapkan).";
        file = folder + QStringLiteral("/records.sqlite");
    } else if (file.startsWith(QLatin1String("~/"))) {
        file = QDir::homePath() + file.mid(1);
    } else if (QDir::isRelativePath(file) && config.problem.empty()) {
        config.problem = QStringLiteral("Berkas riwayat \"%1\" harus ditulis dengan jalur lengkap (mulai dengan /).")
                             .arg(file)
                             .toStdString();
    }
    config.database = file.toStdString();
}

} // namespace

RecordsConfig readRecordsConfig()
{
    RecordsConfig config;
    // Most important first: the user's folder, then the system's.
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder) {
        const QString path = *folder + QLatin1Char('/') + kConfigFile;
        if (QFileInfo::exists(path))
            readFile(path, config);
    }
    settleSqliteFile(config);
    return config;
}

RecordsConfig readRecordsConfigFile(const std::string& path)
{
    RecordsConfig config;
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        config.problem
            = QStringLiteral("Berkas konfigurasi %1 tidak ada atau tidak dapat dibaca.").arg(file).toStdString();
    else
        readFile(file, config);
    settleSqliteFile(config);
    return config;
}

} // namespace loco::records
