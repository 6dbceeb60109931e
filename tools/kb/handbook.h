#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>
#include <vector>

namespace loco::kb {

struct HandbookSystem {
    std::string title;
    const KnowledgeBase* base; // checked, without errors
};

// Writes the printable troubleshooting handbook (A4, Indonesian): a title
// page with the table of contents, then per system a numbered checklist in
// which every question says where YA and TIDAK lead, its conclusions and its
// closing texts; page numbers in the footer. Needs a QGuiApplication for the
// fonts. Throws loco::Error with one line of text when it cannot write.
void writeHandbook(const std::vector<HandbookSystem>& systems, const std::string& outputPath);

} // namespace loco::kb
