#pragma once

#include "diagnosis/core/knowledge_check.h"
#include "tutorials/core/tutorial_file.h"

#include <optional>
#include <string>
#include <vector>

namespace loco::kb {

// A knowledge file read and checked, with its text (for the edition).
struct KnowledgeFile {
    std::string path; // as named on the command line, or as built in
    std::string text;
    CheckedKnowledge checked;
};

// The knowledge built into the program, the same resources it reads, in the
// order of the systems and named as in the source tree
// ("diagnosis/data/pengerak_mesin.txt"): what the commands read without FILE.
std::vector<KnowledgeFile> builtinKnowledge();

// The regression cases built in beside it, and their name.
std::string builtinCases();
inline constexpr const char* kCasesFileName = "knowledge.cases";

// The links from conclusions to procedures built in beside the knowledge,
// their name in the source tree, and the ending that marks a links file.
std::string builtinLinks();
inline constexpr const char* kLinksPath = "diagnosis/data/procedure.links";
inline constexpr const char* kLinksEnding = ".links";

// The maintenance procedures built into the program, entry 1 to 30, named as
// in the source tree ("tutorials/data/maintenance/01.txt").
std::vector<SourceText> builtinMaintenance();

// The entry a named file is when it is a maintenance procedure: NN.txt
// (01 to 30) in a folder named "maintenance", as in the source tree.
std::optional<int> maintenanceEntryOf(const std::string& path);

// Reads and checks each file. Throws loco::Error with one line of text when
// a file cannot be read.
std::vector<KnowledgeFile> readKnowledgeFiles(const std::vector<std::string>& paths);

// Reads a whole file, at most 16 MiB; throws loco::Error as readKnowledgeFiles.
std::string readText(const std::string& path);

// The file name without its folder.
std::string fileName(const std::string& path);

// The title of a file's system in the handbook: the system's caption for a
// shipped file name ("Sistem bahan bakar"), the file's own name otherwise.
std::string systemTitle(const std::string& path);

// The edition of the files, in the given order (knowledgeEdition()).
std::string editionOf(const std::vector<KnowledgeFile>& files);

// Writes the built-in knowledge files, cases and links into folder (made if
// missing), each through the safe-save path; refuses, before writing
// anything, a file that exists already. Returns the paths written.
std::vector<std::string> exportBuiltin(const std::string& folder);

} // namespace loco::kb
