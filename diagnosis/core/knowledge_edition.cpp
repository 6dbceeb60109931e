#include "diagnosis/core/knowledge_edition.h"

#include "toolkit/core/sha256.h"

namespace loco {

std::string knowledgeEdition(const std::vector<std::string_view>& texts)
{
    Sha256 hash;
    for (const std::string_view text : texts)
        hash.add(text);
    return "Edisi " LOKO_VERSION " \u00B7 " + hash.hexDigest().substr(0, 8);
}

} // namespace loco
