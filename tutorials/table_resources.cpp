#include "tutorials/table_resources.h"

#include "toolkit/core/error.h"

#include <QFile>
#include <QString>

// Q_INIT_RESOURCE declares the registration function in the enclosing
// namespace, so it has to be called from the global one. Calling it also makes
// the linker keep the resource object of this static library.
static void registerTables()
{
    Q_INIT_RESOURCE(tables);
}

namespace loco {
namespace {

// Reads files folder/01.txt .. folder/<count>.txt exactly as embedded.
std::vector<SourceText> readEmbedded(const QString& folder, int count)
{
    static const bool registered = (registerTables(), true);
    (void)registered;

    std::vector<SourceText> files;
    files.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        const QString name = QStringLiteral("%1/%2.txt").arg(folder).arg(n, 2, 10, QLatin1Char('0'));
        QFile file(QStringLiteral(":/tutorials/data/") + name);
        if (!file.open(QIODevice::ReadOnly))
            throw Error("cannot read the embedded file " + name.toStdString());
        files.push_back({name.toStdString(), file.readAll().toStdString()});
    }
    return files;
}

} // namespace

const MaintenanceTable& maintenanceTable()
{
    static const MaintenanceTable table(readEmbedded(QStringLiteral("maintenance"), MaintenanceTable::size));
    return table;
}

const TuneupTable& tuneupTable()
{
    static const TuneupTable table(readEmbedded(QStringLiteral("tuneup"), TuneupTable::size));
    return table;
}

} // namespace loco
