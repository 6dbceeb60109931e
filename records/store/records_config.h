#pragma once

#include <string>

namespace loco::records {

// Where the workshop records are kept. Read from the [records] group of
// /etc/xdg/lokomotif/lokomotif.conf, then of ~/.config/lokomotif/lokomotif.conf,
// whose keys override (the XDG configuration folders, INI format):
//
//   enabled=true|false      false: no records at all (default true)
//   driver=sqlite|postgresql   (default sqlite)
//   database=…   SQLite: the file (default records.sqlite in the user's data
//                folder, ~/.local/share/lokomotif); PostgreSQL: the database
//                name (default lokomotif)
//   host=…  port=…  user=…  sslmode=…   PostgreSQL only; libpq's defaults when
//                left out (the local socket, 5432, the login name)
//   timeout=5    seconds to wait for a locked store or an answering server
//
// A password never belongs there: libpq reads ~/.pgpass, client certificates
// (~/.postgresql/) or uses peer authentication on a local socket.
// Every member has an initializer, so that a configuration can name only
// what it sets: RecordsConfig{.enabled = false}.
struct RecordsConfig {
    enum class Driver { Sqlite, Postgresql };

    bool enabled = true;
    Driver driver = Driver::Sqlite;
    std::string database = {};
    bool defaultDatabase = true; // SQLite in the data folder, which is made when missing
    std::string host = {};
    int port = 0; // 0: libpq's default
    std::string user = {};
    std::string sslMode = {};
    int timeoutSeconds = 5;
    // A fault found in the files (Indonesian, naming the file): such a
    // configuration opens no store, and the store's why() says this.
    std::string problem = {};
};

// The configuration from the two standard places. Needs the application's
// name ("lokomotif") set, as the data folder is named after it.
RecordsConfig readRecordsConfig();

// The configuration of one file alone (lokomotif-records copy --to FILE); a
// missing or unreadable file is a problem.
RecordsConfig readRecordsConfigFile(const std::string& path);

} // namespace loco::records
