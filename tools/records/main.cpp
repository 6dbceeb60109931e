// lokomotif-records: the administrator's tool for the workshop records, on
// the store the configuration names. Exit codes: 0 done, 1 the store cannot
// be used or has problems, 2 the command line is wrong.

#include "records/report_json.h"
#include "records/store/records_store.h"
#include "toolkit/core/error.h"
#include "toolkit/core/safe_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace loco::records {
namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kHelp = R"(usage: lokomotif-records COMMAND [OPTIONS]

Works on the workshop records of lokomotif, in the store that the
configuration names: the [records] keys of /etc/xdg/lokomotif/lokomotif.conf,
then of ~/.config/lokomotif/lokomotif.conf (SQLite in
~/.local/share/lokomotif/records.sqlite unless they say otherwise).

commands:
  list                    one line per record, newest first: number, filing
                          time, locomotive, kind, status, subject (TAB-separated)
  export [--json] [-o FILE]
                          every record for a spreadsheet: CSV with semicolons,
                          UTF-8 with a byte-order mark, ISO dates, decimal
                          comma, newest first; --json: every field and the
                          whole report, oldest first. To standard output
                          unless -o FILE.
  backup FILE             a consistent copy of an SQLite store (VACUUM INTO),
                          written completely before it replaces FILE
  check                   the store's integrity, every record and its report
  copy --to CONFIG        files this store's records into the store that the
                          configuration file CONFIG names (a depot's
                          PostgreSQL), skipping records already there
  --help, --version

Exit code 0 when done, 1 when the store cannot be used or check finds a
problem, 2 when the command line is wrong.
)";

int usageError(const std::string& message)
{
    std::cerr << "lokomotif-records: " << message << "\n";
    return kExitUsage;
}

int failed(const std::string& message)
{
    std::cerr << "lokomotif-records: " << message << "\n";
    return kExitFailed;
}

// One line per record: no TAB or line break inside a field.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// The output: standard output, or the file written whole through the safe path.
int deliver(const std::string& text, const std::string& file)
{
    if (file.empty()) {
        std::cout << text;
        std::cout.flush();
        return std::cout ? EXIT_SUCCESS : failed("cannot write to standard output");
    }
    writeFileSafely(file, text);
    return EXIT_SUCCESS;
}

int list(RecordsStore& store)
{
    std::string lines;
    RecordPage page = store.page({});
    for (;;) {
        for (const Record& r : page.records)
            lines += std::to_string(r.number) + '\t' + isoLocalTime(r.filedAtMs, r.utcOffsetMinutes) + '\t'
                + r.card.locomotive + '\t' + std::string(kindLabel(r.kind)) + '\t'
                + std::string(statusLabel(r.card.status)) + '\t' + oneLine(r.subject) + '\n';
        if (!page.next)
            break;
        page = store.page({}, page.next);
    }
    return deliver(lines, {});
}

QJsonObject jsonOf(const Record& r)
{
    auto text = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
    QJsonObject object{
        {"number", qint64(r.number)},
        {"uuid", text(r.uuid)},
        {"filedAt",
            QDateTime::fromMSecsSinceEpoch(r.filedAtMs, Qt::OffsetFromUTC, r.utcOffsetMinutes * 60)
                .toString(Qt::ISODateWithMs)},
        {"kind", text(kindKey(r.kind))},
        {"window", text(r.window)},
        {"locomotive", text(r.card.locomotive)},
        {"subject", text(r.subject)},
        {"conclusion", text(r.conclusion)},
        {"depot", text(r.card.depot)},
        {"technician", text(r.card.technician)},
        {"checker", text(r.card.checker)},
        {"workDone", text(r.card.workDone)},
        {"notes", text(r.card.notes)},
        {"status", text(statusKey(r.card.status))},
        {"source", text(r.source)},
    };
    // The report as the structure it is; a report that no longer reads as
    // one is kept as its text, so nothing is lost.
    const QJsonDocument report = QJsonDocument::fromJson(QByteArray::fromStdString(r.content));
    object.insert(
        QLatin1String("report"), report.isObject() ? QJsonValue(report.object()) : QJsonValue(text(r.content)));
    return object;
}

int exportRecords(RecordsStore& store, bool json, const std::string& file)
{
    if (!json)
        return deliver(store.exportCsv({}), file);
    QJsonArray all;
    store.forEachRecord([&](const Record& r) { all.append(jsonOf(r)); });
    return deliver(QJsonDocument(all).toJson(QJsonDocument::Indented).toStdString(), file);
}

int check(RecordsStore& store)
{
    std::vector<std::string> problems = store.check();
    if (store.state() != RecordsStore::State::Writable && store.state() != RecordsStore::State::ReadOnly)
        return failed(store.why());
    long long count = 0;
    store.forEachRecord([&](const Record& r) {
        ++count;
        try {
            reportFromJson(r.content);
        } catch (const Error& error) {
            problems.push_back("catatan nomor " + std::to_string(r.number) + ": " + error.what());
        }
    });
    for (const std::string& problem : problems)
        std::cout << problem << "\n";
    if (!problems.empty())
        return kExitFailed;
    std::cout << "ok: " << count << " records, schema version " << store.schemaVersion() << ", " << store.location()
              << "\n";
    return EXIT_SUCCESS;
}

int copy(RecordsStore& source, const std::string& targetConfig)
{
    RecordsStore target(readRecordsConfigFile(targetConfig));
    if (target.state() != RecordsStore::State::Writable)
        return failed(target.why());
    if (target.engine() == source.engine() && target.location() == source.location())
        return failed("the source and the target are the same store: " + source.location());
    int copied = 0;
    int seen = 0;
    std::vector<Record> batch;
    auto flush = [&] {
        copied += target.fileCopies(batch);
        batch.clear();
    };
    source.forEachRecord([&](const Record& r) {
        ++seen;
        batch.push_back(r);
        if (batch.size() == std::size_t(kPageSize))
            flush();
    });
    flush();
    std::cout << "copied " << copied << " records to " << target.location() << "; " << seen - copied
              << " were there already\n";
    return EXIT_SUCCESS;
}

int run(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usageError("no command given; 'lokomotif-records --help' lists them");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kHelp;
        return EXIT_SUCCESS;
    }
    if (args[0] == "--version") {
        std::cout << "lokomotif-records " LOKO_VERSION "\n";
        return EXIT_SUCCESS;
    }
    const std::string& command = args[0];
    bool json = false;
    std::string output;
    std::string to;
    std::vector<std::string> operands;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--json" && command == "export") {
            json = true;
        } else if ((args[i] == "-o" && command == "export") || (args[i] == "--to" && command == "copy")) {
            if (i + 1 == args.size())
                return usageError(args[i] + " needs a file name");
            std::string& file = args[i] == "-o" ? output : to;
            file = args[++i];
        } else if (args[i].starts_with('-')) {
            return usageError("unknown option \"" + args[i] + "\" for " + command);
        } else {
            operands.push_back(args[i]);
        }
    }
    const bool backup = command == "backup";
    if (command != "list" && command != "export" && command != "check" && command != "copy" && !backup)
        return usageError("unknown command \"" + command + "\"; 'lokomotif-records --help' lists the commands");
    if (operands.size() != (backup ? 1u : 0u))
        return usageError(backup ? "backup needs one FILE" : command + " takes no file names");
    if (command == "copy" && to.empty())
        return usageError("copy needs --to CONFIG");

    RecordsStore store(readRecordsConfig());
    if (command == "check")
        return check(store);
    if (store.state() != RecordsStore::State::Writable && store.state() != RecordsStore::State::ReadOnly)
        return failed(store.why());
    if (backup && store.engine() == Engine::Postgresql)
        return failed("backup copies an SQLite store; this one is PostgreSQL (" + store.location()
            + "): use pg_dump, e.g. pg_dump -d DATABASE -n SCHEMA -f records.sql");
    if (command == "list")
        return list(store);
    if (command == "export")
        return exportRecords(store, json, output);
    if (backup) {
        store.backup(operands[0]);
        return EXIT_SUCCESS;
    }
    return copy(store, to);
}

} // namespace
} // namespace loco::records

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The store lies in the program's data folder, named after it.
    QCoreApplication::setApplicationName(QStringLiteral("lokomotif"));
    try {
        return loco::records::run(argc, argv);
    } catch (const loco::Error& error) {
        return loco::records::failed(error.what());
    }
}
