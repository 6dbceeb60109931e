#include "tools/kb/knowledge_files.h"

#include "diagnosis/core/knowledge_edition.h"
#include "diagnosis/core/knowledge_set.h"
#include "toolkit/core/error.h"
#include "toolkit/core/file_bytes.h"
#include "toolkit/core/safe_file.h"
#include "tutorials/core/maintenance_table.h"

#include <QFile>

#include <cctype>
#include <cstdint>
#include <filesystem>

namespace loco::kb {
namespace {

// Far beyond any knowledge base; keeps a wrong argument from filling memory.
constexpr std::uint64_t kMaxFileBytes = 16 * 1024 * 1024;

std::string resource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error("the built-in file " + path.toStdString() + " is missing from this build");
    return file.readAll().toStdString();
}

} // namespace

std::vector<KnowledgeFile> builtinKnowledge()
{
    std::vector<KnowledgeFile> files;
    for (const std::string_view name : kSystemFileNames) {
        const std::string path = "diagnosis/data/" + std::string(name);
        std::string text = resource(QStringLiteral(":/") + QString::fromStdString(path));
        CheckedKnowledge checked = checkKnowledgeFile(text, path);
        files.push_back({path, std::move(text), std::move(checked)});
    }
    return files;
}

std::vector<SourceText> builtinMaintenance()
{
    std::vector<SourceText> files;
    for (int entry = 1; entry <= MaintenanceTable::kSize; ++entry) {
        const std::string path
            = "tutorials/data/maintenance/" + std::string(entry < 10 ? "0" : "") + std::to_string(entry) + ".txt";
        files.push_back({path, resource(QStringLiteral(":/") + QString::fromStdString(path))});
    }
    return files;
}

std::optional<int> maintenanceEntryOf(const std::string& path)
{
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    if (file.parent_path().filename() != "maintenance" || name.size() != 6 || !name.ends_with(".txt")
        || !std::isdigit(static_cast<unsigned char>(name[0])) || !std::isdigit(static_cast<unsigned char>(name[1])))
        return std::nullopt;
    const int entry = (name[0] - '0') * 10 + (name[1] - '0');
    if (entry < 1 || entry > MaintenanceTable::kSize)
        return std::nullopt;
    return entry;
}

std::string builtinCases()
{
    return resource(QStringLiteral(":/kb/") + QString::fromLatin1(kCasesFileName));
}

std::string builtinLinks()
{
    return resource(QStringLiteral(":/") + QString::fromLatin1(kLinksPath));
}

std::string readText(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = readFileBytes(path, kMaxFileBytes);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<KnowledgeFile> readKnowledgeFiles(const std::vector<std::string>& paths)
{
    std::vector<KnowledgeFile> files;
    for (const std::string& path : paths) {
        std::string text = readText(path);
        CheckedKnowledge checked = checkKnowledgeFile(text, path);
        files.push_back({path, std::move(text), std::move(checked)});
    }
    return files;
}

std::string fileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::string systemTitle(const std::string& path)
{
    const std::string name = fileName(path);
    for (std::size_t i = 0; i < kSystemCount; ++i) {
        if (name == kSystemFileNames[i]) {
            std::string caption(kSystemCaptions[i]);
            caption[0] = 'S'; // "sistem ..." starts a title
            return caption;
        }
    }
    return name;
}

std::string editionOf(const std::vector<KnowledgeFile>& files)
{
    std::vector<std::string_view> texts;
    for (const KnowledgeFile& file : files)
        texts.push_back(file.text);
    return knowledgeEdition(texts);
}

std::vector<std::string> exportBuiltin(const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> contents;
    for (const KnowledgeFile& file : builtinKnowledge())
        contents.emplace_back(fileName(file.path), file.text);
    contents.emplace_back(kCasesFileName, builtinCases());
    contents.emplace_back(fileName(kLinksPath), builtinLinks());

    // An edited copy is never overwritten: a maintainer's work may be in it.
    std::vector<std::string> paths;
    for (const auto& [name, text] : contents) {
        paths.push_back((std::filesystem::path(folder) / name).string());
        std::error_code error;
        if (std::filesystem::symlink_status(paths.back(), error).type() != std::filesystem::file_type::not_found)
            throw Error("\"" + paths.back() + "\" exists already; export writes only into files that do not exist");
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw Error("Cannot create folder \"" + folder + "\". " + error.message());
    for (std::size_t i = 0; i < contents.size(); ++i)
        writeFileSafely(paths[i], contents[i].second);
    return paths;
}

} // namespace loco::kb
