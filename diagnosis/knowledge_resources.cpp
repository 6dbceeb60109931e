#include "diagnosis/knowledge_resources.h"

#include "diagnosis/core/knowledge_parser.h"
#include "toolkit/core/error.h"

#include <QByteArray>
#include <QFile>

#include <array>
#include <string_view>

// Resources of a static library are only linked in when something refers to them.
static void initKnowledgeResources()
{
    Q_INIT_RESOURCE(knowledge);
}

namespace loco {
namespace {

constexpr std::array<const char*, systemCount> fileNames{
    "pengerak_mesin.txt", "pendingin.txt", "pelumasan.txt", "bahan_bakar.txt", "gas_buang.txt", "rem.txt",
};

EmbeddedKnowledge loadAll()
{
    initKnowledgeResources();
    EmbeddedKnowledge knowledge;
    for (const System system : allSystems) {
        try {
            knowledge.systems[system] = loadKnowledgeBase(knowledgeResourcePath(system));
        } catch (const Error& error) {
            knowledge.failures.emplace_back(error.what());
        }
    }
    return knowledge;
}

} // namespace

const EmbeddedKnowledge& embeddedKnowledge()
{
    static const EmbeddedKnowledge knowledge = loadAll();
    return knowledge;
}

QString knowledgeResourcePath(System system)
{
    return QStringLiteral(":/diagnosis/") + QLatin1String(fileNames[static_cast<std::size_t>(system)]);
}

KnowledgeBase loadKnowledgeBase(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error("Cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    return parseKnowledgeBase(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                              path.toStdString());
}

} // namespace loco
