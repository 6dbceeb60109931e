#include "tools/kb/knowledge_files.h"

#include "diagnosis/core/knowledge_set.h"
#include "toolkit/core/file_bytes.h"

#include <cstdint>
#include <filesystem>

namespace loco::kb {
namespace {

// Far beyond any knowledge base; keeps a wrong argument from filling memory.
constexpr std::uint64_t kMaxFileBytes = 16 * 1024 * 1024;

} // namespace

std::vector<std::string> shippedFiles()
{
    std::vector<std::string> paths;
    for (const std::string_view name : kSystemFileNames)
        paths.push_back("diagnosis/data/" + std::string(name));
    return paths;
}

std::vector<KnowledgeFile> readKnowledgeFiles(const std::vector<std::string>& paths)
{
    std::vector<KnowledgeFile> files;
    for (const std::string& path : paths) {
        const std::vector<std::uint8_t> bytes = readFileBytes(path, kMaxFileBytes);
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        files.push_back({path, checkKnowledgeFile(text, path)});
    }
    return files;
}

std::string systemTitle(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    for (std::size_t i = 0; i < kSystemCount; ++i) {
        if (name == kSystemFileNames[i]) {
            std::string caption(kSystemCaptions[i]);
            caption[0] = 'S'; // "sistem ..." starts a title
            return caption;
        }
    }
    return name;
}

} // namespace loco::kb
