// lokomotif-kb: checks, lists, draws and prints the diagnosis knowledge bases
// for the people who maintain them. Exit codes: 0 done (warnings allowed),
// 1 a knowledge file has errors, 2 the command line or a file is unusable.

#include "toolkit/core/error.h"
#include "tools/kb/graph.h"
#include "tools/kb/handbook.h"
#include "tools/kb/knowledge_files.h"
#include "tools/kb/paths.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace loco {
namespace {

using loco::kb::KnowledgeFile;

constexpr int kExitErrors = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kOverview = R"(usage: lokomotif-kb COMMAND [ARGUMENTS]

Checks, lists, draws and prints the diagnosis knowledge bases. Without FILE
arguments the commands read the shipped files, diagnosis/data/*.txt below the
current folder (the source folder). The file format is described in
diagnosis/data/README.md.

commands:
  check [FILE...]              report errors and warnings as file:line: ...
  paths FILE                   every answer sequence from the first question to its ending
  graph FILE -o OUT            the decision tree as a diagram (.svg, .pdf or .png)
  handbook [FILE...] -o OUT    the printable troubleshooting handbook (PDF)

'lokomotif-kb COMMAND --help' says more about one command.
)";

struct Command {
    std::string_view name;
    std::string_view help;
    // Runs on files that passed the checks without errors.
    int (*run)(const std::vector<KnowledgeFile>& files, const std::string& output, int argc, char** argv);
    bool takesFiles; // several files, the shipped ones by default
    bool needsOutput;
    bool showsWarnings;
};

int check(const std::vector<KnowledgeFile>&, const std::string&, int, char**)
{
    return EXIT_SUCCESS;
}

int paths(const std::vector<KnowledgeFile>& files, const std::string&, int, char**)
{
    loco::kb::writePaths(*files.front().checked.base, std::cout);
    return std::cout.flush() ? EXIT_SUCCESS : kExitUsage;
}

int graph(const std::vector<KnowledgeFile>& files, const std::string& output, int, char**)
{
    loco::kb::drawGraph(*files.front().checked.base, output);
    return EXIT_SUCCESS;
}

int handbook(const std::vector<KnowledgeFile>& files, const std::string& output, int argc, char** argv)
{
    // Qt's fonts need an application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<loco::kb::HandbookSystem> systems;
    for (const KnowledgeFile& file : files)
        systems.push_back({loco::kb::systemTitle(file.path), &*file.checked.base});
    loco::kb::writeHandbook(systems, output);
    return EXIT_SUCCESS;
}

const Command kCommands[] = {
    {"check", R"(usage: lokomotif-kb check [FILE...]

Reads each knowledge file and runs every check on it, printing what it finds
as compilers do, one line each:
  FILE:LINE: error: ...     the file cannot be used as it is
  FILE:LINE: warning: ...   allowed, but worth a look (an answer that leads
                            nowhere, a heading or closing text never used)
Exit code 0 when no file has an error, 1 otherwise.
)",
        check, true, false, true},
    {"paths", R"(usage: lokomotif-kb paths FILE

Lists every answer sequence from the first question to its ending, one a line:
the answers as Y (YA) and T (TIDAK), a TAB, the label of the ending and its
texts; then the number of endings. A file with errors is reported instead.
)",
        paths, false, false, false},
    {"graph", R"(usage: lokomotif-kb graph FILE -o OUT.svg|OUT.pdf|OUT.png

Draws the decision tree of one knowledge file, laid out by Graphviz: a box per
question, a note per distinct conclusion (heading and cause), an octagon per
closing text, arrows labelled YA and TIDAK. Text is drawn at 10 pt or more and
never scaled down, so large systems make large pictures.
)",
        graph, false, true, false},
    {"handbook", R"(usage: lokomotif-kb handbook [FILE...] -o OUT.pdf

Writes the troubleshooting handbook for the workshop, in Indonesian, on A4:
per system a numbered checklist in which each question says where YA and
TIDAK lead, the conclusions and the closing texts; a table of contents and
page numbers. Uses Qt's fonts, on the offscreen platform unless
QT_QPA_PLATFORM is set.
)",
        handbook, true, true, false},
};

// Prints the findings of the files, warnings only for check; true when none
// is an error.
bool report(const std::vector<KnowledgeFile>& files, bool warnings)
{
    bool clean = true;
    for (const KnowledgeFile& file : files) {
        for (const loco::Diagnostic& diagnostic : file.checked.diagnostics) {
            const bool error = diagnostic.severity == loco::Diagnostic::Severity::Error;
            if (error || warnings)
                std::cerr << loco::describe(diagnostic) << '\n';
            clean = clean && !error;
        }
    }
    return clean;
}

int usageError(const std::string& message)
{
    std::cerr << "lokomotif-kb: " << message << '\n';
    return kExitUsage;
}

int run(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usageError("no command given; 'lokomotif-kb --help' lists them");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kOverview;
        return EXIT_SUCCESS;
    }
    const Command* command = nullptr;
    for (const Command& c : kCommands) {
        if (args[0] == c.name)
            command = &c;
    }
    if (!command)
        return usageError("unknown command \"" + args[0] + "\"; 'lokomotif-kb --help' lists the commands");

    std::vector<std::string> files;
    std::string output;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout << command->help;
            return EXIT_SUCCESS;
        }
        if (args[i] == "-o") {
            if (i + 1 == args.size())
                return usageError("-o needs a file name");
            output = args[++i];
        } else if (args[i].starts_with('-')) {
            return usageError("unknown option \"" + args[i] + "\" for " + std::string(command->name));
        } else {
            files.push_back(args[i]);
        }
    }
    if (command->needsOutput && output.empty())
        return usageError(std::string(command->name) + " needs -o OUT");
    if (!command->needsOutput && !output.empty())
        return usageError(std::string(command->name) + " writes no file; -o is not for it");
    if (!command->takesFiles && files.size() != 1)
        return usageError(std::string(command->name) + " takes exactly one knowledge file");
    const bool shipped = files.empty();
    if (shipped)
        files = loco::kb::shippedFiles();
    std::vector<KnowledgeFile> knowledge;
    try {
        knowledge = loco::kb::readKnowledgeFiles(files);
    } catch (const loco::Error& error) {
        return usageError(std::string(error.what())
            + (shipped ? " (without FILE arguments the shipped files are read below the current folder)" : ""));
    }
    if (!report(knowledge, command->showsWarnings))
        return kExitErrors;
    try {
        return command->run(knowledge, output, argc, argv);
    } catch (const loco::Error& error) {
        return usageError(error.what());
    }
}

} // namespace
} // namespace loco

int main(int argc, char* argv[])
{
    try {
        return loco::run(argc, argv);
    } catch (const std::exception& error) {
        return loco::usageError(error.what());
    }
}
