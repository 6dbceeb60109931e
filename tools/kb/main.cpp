// lokomotif-kb: checks, lists, tests, compares, draws and prints the
// diagnosis knowledge bases for the people who maintain them. Exit codes:
// 0 done (warnings allowed), 1 a knowledge file has errors or differs from
// what it is compared with, 2 the command line, a file or an output is unusable.

#include "diagnosis/core/consistency.h"
#include "diagnosis/core/knowledge_cases.h"
#include "diagnosis/core/knowledge_walk.h"
#include "diagnosis/core/procedure_links.h"
#include "shell/builtin_data.h"
#include "toolkit/core/error.h"
#include "toolkit/core/safe_file.h"
#include "tools/kb/diff.h"
#include "tools/kb/graph.h"
#include "tools/kb/handbook.h"
#include "tools/kb/knowledge_files.h"
#include "tools/kb/paths.h"
#include "tutorials/core/maintenance_table.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loco {
namespace {

using loco::kb::KnowledgeFile;

constexpr int kExitErrors = 1;
constexpr int kExitUsage = 2;

// Beyond this a handbook or a diagram serves nobody, and Graphviz runs out
// of memory long before; the shipped six hold 254 questions.
constexpr std::size_t kMostQuestionsToPrint = 5000;
// Graphviz took 9 s for 2,000 questions and two and a half minutes for 5,000.
constexpr std::size_t kQuestionsToWarnOfWaiting = 2000;

constexpr std::string_view kOverview = R"(usage: lokomotif-kb COMMAND [ARGUMENTS]

Checks, lists, tests, compares, draws and prints the diagnosis knowledge
bases of lokomotif. Without FILE arguments a command reads the knowledge
built into the program (the same files, as built); to work on edited files,
name them. The program itself reads only its built-in knowledge: an edited
file reaches it by a rebuild. The file format is described in
diagnosis/data/README.md (installed as
/usr/share/doc/lokomotif-tools/knowledge-format.md).

commands:
  check [FILE...]                 report errors and warnings as file:line: ...,
                                  of knowledge files and .links files
  paths FILE                      every answer path from the first question to its ending
  paths --cases [FILE...] -o OUT.cases
                                  write the regression cases of the files
  test CASES [FILE...]            compare the files with regression cases
  diff OLD NEW                    the endings added, removed and changed from OLD to NEW
  graph FILE [--chain LABEL] [--pages a4|a3] -o OUT
                                  the decision tree as a diagram (.svg, .pdf or .png)
  handbook [FILE...] -o OUT.pdf   the printable troubleshooting handbook
  export DIR                      write the built-in knowledge and cases into DIR, for editing

'lokomotif-kb COMMAND --help' says more about one command;
'lokomotif-kb --version' prints the version.
)";

// What a command was given on the command line.
struct Invocation {
    std::vector<std::string> arguments;
    std::string output;
    bool cases = false;
    std::string chain;
    std::string pages;
    int argc;
    char** argv;
};

int usageError(const std::string& message)
{
    std::cerr << "lokomotif-kb: " << message << '\n';
    return kExitUsage;
}

// Prints the findings of the files (warnings too when asked); true when
// none is an error.
bool report(const std::vector<KnowledgeFile>& files, bool warnings)
{
    bool clean = true;
    for (const KnowledgeFile& file : files) {
        for (const Diagnostic& diagnostic : file.checked.diagnostics) {
            const bool error = diagnostic.severity == Diagnostic::Severity::Error;
            if (error || warnings)
                std::cerr << describe(diagnostic) << '\n';
            clean = clean && !error;
        }
    }
    return clean;
}

// The named files, or the built-in ones when none is named.
std::vector<KnowledgeFile> knowledge(const std::vector<std::string>& paths)
{
    return paths.empty() ? kb::builtinKnowledge() : kb::readKnowledgeFiles(paths);
}

std::string lowerCase(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

// An output that would replace one of the inputs, or that is named as
// another kind of file than the one written, is refused before anything is
// done: "-o diagnosis/data/bahan_bakar.txt" is one typo away from "-o buku.pdf".
void requireOutput(const Invocation& call, const std::vector<std::string>& inputs,
    const std::vector<std::string_view>& endings, const std::string& kind)
{
    const std::string name = lowerCase(call.output);
    if (std::none_of(endings.begin(), endings.end(),
            [&](std::string_view ending) { return name.size() > ending.size() && name.ends_with(ending); })) {
        std::string names;
        for (const std::string_view ending : endings)
            names += (names.empty() ? "" : " or ") + std::string("OUT") + std::string(ending);
        throw Error(std::string(call.argv[1]) + " writes " + kind + ": name the output " + names + ", not \""
            + call.output + "\"");
    }
    for (const std::string& input : inputs) {
        std::error_code error;
        if (std::filesystem::equivalent(call.output, input, error))
            throw Error("the output \"" + call.output + "\" is one of the input files");
    }
}

void refuseLargeFiles(const std::vector<KnowledgeFile>& files, const char* what)
{
    for (const KnowledgeFile& file : files) {
        const std::size_t questions = file.checked.base->questions().size();
        if (questions > kMostQuestionsToPrint)
            throw Error(file.path + " has " + std::to_string(questions) + " questions; " + what + " serves at most "
                + std::to_string(kMostQuestionsToPrint));
    }
}

// Qt's fonts and PDF writer need an application; no display is needed.
std::unique_ptr<QGuiApplication> guiApplication(const Invocation& call)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    return std::make_unique<QGuiApplication>(argc, call.argv);
}

// Checks links files against the knowledge files (those with errors are
// left out: their own errors stand) and the built-in procedures.
bool checkLinks(
    const std::vector<std::pair<std::string, std::string>>& linksFiles, const std::vector<KnowledgeFile>& files)
{
    if (linksFiles.empty())
        return true;
    std::vector<LinkedKnowledge> linked;
    for (const KnowledgeFile& file : files)
        linked.push_back({kb::fileName(file.path), file.checked.hasErrors() ? nullptr : &*file.checked.base});
    const std::vector<ProcedureText> procedures = loadBuiltinProcedures();
    bool clean = true;
    for (const auto& [path, text] : linksFiles) {
        const CheckedLinks checked = checkProcedureLinks(text, path, linked, procedures);
        for (const Diagnostic& diagnostic : checked.diagnostics)
            std::cerr << describe(diagnostic) << '\n';
        clean = clean && !checked.hasErrors();
    }
    return clean;
}

// Reads each maintenance procedure as the program does, intervals checked
// against their lines, and prints its first fault as the knowledge files'
// are printed; true when none has one.
bool checkMaintenance(const std::vector<std::pair<int, SourceText>>& procedures)
{
    bool clean = true;
    for (const auto& [entry, source] : procedures) {
        try {
            readMaintenanceEntry(source, entry);
        } catch (const Error& fault) {
            // "FILE:LINE: problem" becomes "FILE:LINE: error: problem".
            std::string line = fault.what();
            const std::string file = source.name + ":";
            const std::size_t end = line.starts_with(file) ? line.find(": ", file.size()) : std::string::npos;
            if (end == std::string::npos)
                line = source.name + ": error: " + line;
            else
                line.insert(end + 2, "error: ");
            std::cerr << line << '\n';
            clean = false;
        }
    }
    return clean;
}

// Knowledge files, links files and maintenance procedures (told apart by
// their ending and place, as in the source tree); without FILE, all that is
// built in. Links are checked against the knowledge files named, or the
// built-in ones.
int check(const Invocation& call)
{
    std::vector<std::string> knowledgePaths;
    std::vector<std::pair<std::string, std::string>> linksFiles;
    std::vector<std::pair<int, SourceText>> procedures;
    for (const std::string& path : call.arguments) {
        if (lowerCase(path).ends_with(kb::kLinksEnding))
            linksFiles.emplace_back(path, kb::readText(path));
        else if (const auto entry = kb::maintenanceEntryOf(path))
            procedures.emplace_back(*entry, SourceText{path, kb::readText(path)});
        else
            knowledgePaths.push_back(path);
    }
    if (call.arguments.empty()) {
        linksFiles.emplace_back(kb::kLinksPath, kb::builtinLinks());
        int entry = 0;
        for (SourceText& source : kb::builtinMaintenance())
            procedures.emplace_back(++entry, std::move(source));
    }
    // The built-in knowledge, when no knowledge file is named, is reported
    // only when nothing is named; links are checked against it all the same.
    const std::vector<KnowledgeFile> files = knowledge(knowledgePaths);
    const bool knowledgeClean = (knowledgePaths.empty() && !call.arguments.empty()) || report(files, true);
    const bool linksClean = checkLinks(linksFiles, files);
    const bool maintenanceClean = checkMaintenance(procedures);
    return knowledgeClean && linksClean && maintenanceClean ? EXIT_SUCCESS : kExitErrors;
}

// The cases of each file, in the order of the file names, so that a cases
// file made from a folder's files in any order is the same.
std::vector<SystemCases> casesOfFiles(const std::vector<KnowledgeFile>& files)
{
    std::vector<SystemCases> systems;
    for (const KnowledgeFile& file : files) {
        if (countAnswerPaths(*file.checked.base, kManyAnswerPaths + 1) > kManyAnswerPaths)
            throw Error(file.path + " has more than " + std::to_string(kManyAnswerPaths)
                + " answer paths: too many to list as cases");
        systems.push_back(casesOf(*file.checked.base, kb::fileName(file.path)));
    }
    std::sort(
        systems.begin(), systems.end(), [](const SystemCases& a, const SystemCases& b) { return a.file < b.file; });
    return systems;
}

int paths(const Invocation& call)
{
    if (call.cases) {
        if (call.output.empty())
            return usageError("paths --cases needs -o OUT.cases");
        requireOutput(call, call.arguments, {".cases"}, "regression cases");
        const std::vector<KnowledgeFile> files = knowledge(call.arguments);
        if (!report(files, false))
            return kExitErrors;
        writeFileSafely(call.output, writeCases(casesOfFiles(files)));
        return EXIT_SUCCESS;
    }
    if (!call.output.empty())
        return usageError("paths writes to standard output; -o is for paths --cases");
    if (call.arguments.size() != 1)
        return usageError("paths takes exactly one knowledge file");
    const std::vector<KnowledgeFile> files = kb::readKnowledgeFiles(call.arguments);
    if (!report(files, true))
        return kExitErrors;
    kb::writePaths(*files.front().checked.base, std::cout);
    return std::cout.flush() ? EXIT_SUCCESS : kExitUsage;
}

int test(const Invocation& call)
{
    if (call.arguments.empty())
        return usageError("test needs the cases file: lokomotif-kb test CASES [FILE...]");
    const std::string& casesPath = call.arguments.front();
    const std::vector<std::string> named(call.arguments.begin() + 1, call.arguments.end());
    const std::vector<SystemCases> expected = readCases(kb::readText(casesPath), casesPath);
    const std::vector<KnowledgeFile> files = knowledge(named);
    if (!report(files, false))
        return kExitErrors;

    std::vector<Diagnostic> differences;
    std::size_t compared = 0;
    for (const SystemCases& actual : casesOfFiles(files)) {
        const auto it = std::find_if(
            expected.begin(), expected.end(), [&](const SystemCases& system) { return system.file == actual.file; });
        if (it == expected.end()) {
            differences.push_back({Diagnostic::Severity::Error, casesPath, 1, "there are no cases for " + actual.file});
            continue;
        }
        const std::vector<Diagnostic> found = compareCases(*it, actual, casesPath);
        differences.insert(differences.end(), found.begin(), found.end());
        compared += actual.paths.size();
    }
    // The built-in files are the whole knowledge: cases of another file are stale.
    if (named.empty()) {
        for (const SystemCases& system : expected) {
            if (std::none_of(files.begin(), files.end(),
                    [&](const KnowledgeFile& file) { return kb::fileName(file.path) == system.file; }))
                differences.push_back({Diagnostic::Severity::Error, casesPath, system.line,
                    system.file + " is not a knowledge file of the program"});
        }
    }
    for (const Diagnostic& difference : differences)
        std::cerr << describe(difference) << '\n';
    if (!differences.empty())
        return kExitErrors;
    std::cout << casesPath << ": " << compared << " paths of " << files.size() << " files as expected\n";
    return EXIT_SUCCESS;
}

int diff(const Invocation& call)
{
    if (call.arguments.size() != 2)
        return usageError("diff takes two knowledge files: lokomotif-kb diff OLD NEW");
    const std::vector<KnowledgeFile> files = kb::readKnowledgeFiles(call.arguments);
    if (!report(files, false))
        return kExitErrors;
    const std::vector<std::string> lines = kb::diffEndings(*files[0].checked.base, *files[1].checked.base);
    for (const std::string& line : lines)
        std::cout << line << '\n';
    std::cout.flush();
    return lines.empty() ? EXIT_SUCCESS : kExitErrors;
}

int graph(const Invocation& call)
{
    if (call.arguments.size() != 1)
        return usageError("graph takes exactly one knowledge file");
    if (call.output.empty())
        return usageError("graph needs -o OUT");
    if (!call.pages.empty() && call.pages != "a4" && call.pages != "a3")
        return usageError("--pages takes a4 or a3, not \"" + call.pages + "\"");
    if (call.pages.empty())
        requireOutput(call, call.arguments, {".svg", ".pdf", ".png"}, "a diagram");
    else
        requireOutput(call, call.arguments, {".pdf"}, "the pages of a diagram as PDF");
    const std::vector<KnowledgeFile> files = kb::readKnowledgeFiles(call.arguments);
    if (!report(files, false))
        return kExitErrors;
    refuseLargeFiles(files, "a diagram");
    const std::size_t questions = files.front().checked.base->questions().size();
    if (questions > kQuestionsToWarnOfWaiting)
        std::cerr << "lokomotif-kb: Graphviz lays out " << questions << " questions; that can take minutes\n";
    kb::GraphRequest request;
    request.format = lowerCase(std::filesystem::path(call.output).extension().string().substr(1));
    request.chain = call.chain;
    request.pages = call.pages;
    request.title = kb::systemTitle(files.front().path);
    request.edition = kb::editionOf(files);
    // Pages are drawn with Qt's fonts; one drawing is Graphviz's alone.
    const std::unique_ptr<QGuiApplication> app = request.pages.empty() ? nullptr : guiApplication(call);
    writeFileSafely(call.output, kb::drawGraph(*files.front().checked.base, request));
    return EXIT_SUCCESS;
}

int handbook(const Invocation& call)
{
    if (call.output.empty())
        return usageError("handbook needs -o OUT.pdf");
    requireOutput(call, call.arguments, {".pdf"}, "a PDF handbook");
    const std::vector<KnowledgeFile> files = knowledge(call.arguments);
    if (!report(files, false))
        return kExitErrors;
    refuseLargeFiles(files, "a handbook");
    const std::unique_ptr<QGuiApplication> app = guiApplication(call);
    std::vector<kb::HandbookSystem> systems;
    for (const KnowledgeFile& file : files)
        systems.push_back({kb::systemTitle(file.path), &*file.checked.base});
    writeFileSafely(call.output, kb::writeHandbook(systems, kb::editionOf(files)));
    return EXIT_SUCCESS;
}

int exportKnowledge(const Invocation& call)
{
    if (call.arguments.size() != 1)
        return usageError("export takes one folder: lokomotif-kb export DIR");
    for (const std::string& path : kb::exportBuiltin(call.arguments.front()))
        std::cout << path << '\n';
    return EXIT_SUCCESS;
}

// Which options a command takes.
enum Option { kOutput = 1, kCases = 2, kChain = 4, kPages = 8 };

struct Command {
    std::string_view name;
    std::string_view help;
    int (*run)(const Invocation& call);
    int options;
};

const Command kCommands[] = {
    {"check", R"(usage: lokomotif-kb check [FILE...]

Reads each knowledge file (without FILE, the built-in ones, the built-in
links and the thirty maintenance procedures) and runs every check on it,
printing what it finds as compilers do, one line each:
  FILE:LINE: error: ...     the file cannot be used as it is
  FILE:LINE: warning: ...   allowed, but worth a look (a heading or closing
                            text never used, more than 100000 answer paths)
Every malformed line of a file is reported in one run, and one fault once:
a mistyped label gives one error, with the label it likely means.

A FILE ending in .links is a file of links from conclusions to procedures
(diagnosis/data/procedure.links), checked against the knowledge files named
(or the built-in ones when none is) and the built-in procedures: every
knowledge file, conclusion label and procedure it names must exist, and
each link's term must stand in the conclusion's cause and in the procedure.

A file NN.txt in a folder named "maintenance" (as
tutorials/data/maintenance/02.txt) is read as maintenance procedure NN: its
first fault is reported, above all an interval figure that its procedure
line does not state (tutorials/data/README.md).
Exit code 0 when no file has an error, 1 otherwise.
)",
        check, 0},
    {"paths", R"(usage: lokomotif-kb paths FILE
       lokomotif-kb paths --cases [FILE...] -o OUT.cases

Lists every answer path from the first question to its ending, one a line
and as it goes: the answers with the labels of their questions
("F1 TIDAK, F2 YA"), a TAB, the label of the ending, and for a conclusion
its type size and cause line in brackets; then the number of paths.

With --cases, writes the regression cases of the files (without FILE, the
built-in ones) to OUT.cases: per file its start, every question, heading and
closing text and every path with its ending, texts in brackets so that every
blank shows. After a valid edit, this one command renews the shipped cases:
  lokomotif-kb paths --cases diagnosis/data/*.txt -o diagnosis/data/knowledge.cases
A file with more than 100000 answer paths is refused.
)",
        paths, kOutput | kCases},
    {"test", R"(usage: lokomotif-kb test CASES [FILE...]

Compares knowledge files (without FILE, the built-in ones) with regression
cases written by 'paths --cases', and names every difference at its line of
CASES: a question, heading or closing text, or a path whose ending is not as
expected, and what is new. Exit code 0 when all is as expected, 1 otherwise.
)",
        test, 0},
    {"diff", R"(usage: lokomotif-kb diff OLD NEW

Lists how the endings of knowledge file NEW differ from those of OLD, one
line each in a fixed form. An ending is known by the question and answer
that give it, so inserting a question adds one ending:
  added F14 YA → FH1
  removed F3 YA → FH1
  changed F3 YA: FH1 → FN1              the ending, its cause or type size
  path F6 YA: F1 TIDAK, … → F1 TIDAK, … only the shortest way there changed
  changed FH1: [old text] → [new text]  the text of a heading or closing
Exit code 0 when there is no difference, 1 otherwise.
)",
        diff, 0},
    {"graph", R"(usage: lokomotif-kb graph FILE [--chain LABEL] [--pages a4|a3] -o OUT

Draws the decision tree of one knowledge file, laid out by Graphviz: a box
per question, a note per distinct conclusion (its label and cause), an
octagon per closing text, arrows labelled YA and TIDAK; the conclusion
headings stand once each in a legend. The ending of OUT chooses the format:
.svg, .pdf or .png. Text is drawn at 10 pt or more and never scaled down.

  --chain LABEL   only the chain of question LABEL: what it leads to, up to
                  the other symptoms, which are named where the chain leaves
  --pages a4|a3   a PDF of tiled pages to print and join: the drawing at a
                  size that keeps its text at 8 pt or more, each page
                  overlapping its neighbours and labelled with its row and
                  column

A file of more than 5000 questions is refused.
)",
        graph, kOutput | kChain | kPages},
    {"handbook", R"(usage: lokomotif-kb handbook [FILE...] -o OUT.pdf

Writes the troubleshooting handbook for the workshop, in Indonesian, on A4,
of the files given (without FILE, the built-in knowledge). The first page
lists the systems and the symptoms ("Daftar gejala") with their pages; per
system a numbered checklist with a tick box per question, each saying where
YA and TIDAK lead ("lanjut ke 12", "Kesimpulan EH5/3, hal. 8"), then the
conclusions under their headings and the closing texts, the data's labels
printed small beside the numbers. Conclusions that differ only in blanks
or case are printed once. Every page carries the edition:
"Edisi <version> · <8 hex digits of the SHA-256 of the files>". A file of
more than 5000 questions is refused. Uses Qt's fonts, on the offscreen
platform unless QT_QPA_PLATFORM is set.
)",
        handbook, kOutput},
    {"export", R"(usage: lokomotif-kb export DIR

Writes the knowledge built into the program, the six files, its
regression cases (knowledge.cases) and its links to the procedures
(procedure.links) into DIR, made when missing, to edit
them; a file that exists already is never replaced. Then, for example:
  lokomotif-kb check DIR/*.txt DIR/procedure.links
  lokomotif-kb test DIR/knowledge.cases DIR/*.txt
)",
        exportKnowledge, 0},
};

int run(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usageError("no command given; 'lokomotif-kb --help' lists them");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kOverview;
        return EXIT_SUCCESS;
    }
    if (args[0] == "--version") {
        std::cout << "lokomotif-kb " LOKO_VERSION "\n";
        return EXIT_SUCCESS;
    }
    const Command* command = nullptr;
    for (const Command& c : kCommands) {
        if (args[0] == c.name)
            command = &c;
    }
    if (!command)
        return usageError("unknown command \"" + args[0] + "\"; 'lokomotif-kb --help' lists the commands");

    Invocation call{{}, {}, false, {}, {}, argc, argv};
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << command->help;
            return EXIT_SUCCESS;
        }
        const auto value = [&](int option, std::string& into) {
            if (!(command->options & option))
                return false;
            if (i + 1 == args.size())
                throw Error(arg + " needs a value");
            into = args[++i];
            return true;
        };
        if (arg == "-o"                                           ? value(kOutput, call.output)
                : arg == "--chain"                                ? value(kChain, call.chain)
                : arg == "--pages"                                ? value(kPages, call.pages)
                : arg == "--cases" && (command->options & kCases) ? (call.cases = true)
                                                                  : false)
            continue;
        if (arg.starts_with('-') && arg != "-")
            return usageError("unknown option \"" + arg + "\" for " + std::string(command->name));
        call.arguments.push_back(arg);
    }
    return command->run(call);
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
