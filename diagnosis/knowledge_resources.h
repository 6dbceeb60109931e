#pragma once

#include "diagnosis/core/knowledge_set.h"

#include <QString>

#include <string>
#include <vector>

namespace loco {

struct EmbeddedKnowledge {
    KnowledgeSet systems;
    // One message per data file that failed to load; that system stays empty,
    // so its dialogue has no questions instead of the program failing to start.
    std::vector<std::string> failures;
};

// The knowledge bases built into the program, read on first use and kept.
const EmbeddedKnowledge& embeddedKnowledge();

// Resource path of a system's data file.
QString knowledgeResourcePath(System system);

// Reads and parses one data file (resource or plain path); throws loco::Error.
KnowledgeBase loadKnowledgeBase(const QString& path);

} // namespace loco
