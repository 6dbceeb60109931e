#pragma once

#include "diagnosis/core/knowledge_check.h"

#include <string>
#include <vector>

namespace loco::kb {

// A knowledge file named on the command line, read and checked.
struct KnowledgeFile {
    std::string path;
    CheckedKnowledge checked;
};

// The shipped knowledge files, in the order of the systems, as paths below
// the source folder: what the commands read when given no file.
std::vector<std::string> shippedFiles();

// Reads and checks each file. Throws loco::Error with one line of text when
// a file cannot be read.
std::vector<KnowledgeFile> readKnowledgeFiles(const std::vector<std::string>& paths);

// The title of a file's system in the handbook: the system's caption for a
// shipped file name ("Sistem bahan bakar"), the file's own name otherwise.
std::string systemTitle(const std::string& path);

} // namespace loco::kb
