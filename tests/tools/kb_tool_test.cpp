#include "diagnosis/core/knowledge_set.h"
#include "tests/support/finished_program.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace loco {
namespace {

Finished kb(const QStringList& arguments, const QString& folder = QString())
{
    // Graphviz and fontconfig keep memory until the tool ends. ctest hands a
    // discovered test only the first entry of its ENVIRONMENT (CMake 3.25),
    // so the leak suppressions are given to the tool here.
    QProcessEnvironment suppressions;
    suppressions.insert(
        QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" LOKO_LSAN_SUPPRESSIONS ":print_suppressions=0"));
    return runProgram(QStringLiteral(LOKO_KB), arguments, suppressions, folder);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class KnowledgeFiles : public testing::Test {
protected:
    QString write(const QString& name, const std::string& text)
    {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        return path;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Q1 -> Q2 -> Q3; H1 with two causes; H2 unused.
const std::string kSmall = "start\tQ1\n"
                           "heading\tH1\th\n"
                           "heading\tH2\tx\n"
                           "closing\tN1\tn\tm\n"
                           "question\tQ1\tA\nya\tH1\tc\ntidak\tQ2\n"
                           "question\tQ2\tB\nya\tH1\td\ntidak\tQ3\n"
                           "question\tQ3\tC\nya\tH1\td\t10\ntidak\tN1\n";

// A file of n questions, for the limits.
std::string chainOf(int n)
{
    std::string text = "start\tQ0\nheading\tH\th\nclosing\tN\tn\n";
    for (int i = 0; i < n; ++i)
        text += "question\tQ" + std::to_string(i) + "\tT" + std::to_string(i) + "\nya\tH\tc\ntidak\t"
            + (i + 1 < n ? "Q" + std::to_string(i + 1) : std::string("N")) + "\n";
    return text;
}

// Questions whose YA and TIDAK both lead to the next: 2^n answer paths.
std::string manyPaths(int n)
{
    std::string text = "start\tQ0\nclosing\tN\tn\n";
    for (int i = 0; i < n; ++i) {
        const std::string next = i + 1 < n ? "Q" + std::to_string(i + 1) : "N";
        text += "question\tQ" + std::to_string(i) + "\tT" + std::to_string(i) + "\nya\t" + next + "\ntidak\t" + next
            + "\n";
    }
    return text;
}

struct CommandCase {
    const char* name;
    QStringList arguments; // FILE stands for the file written from text, DIR for its folder
    std::string text;
    int exitCode;
    std::string err; // exactly, with FILE and DIR replaced
    const char* fileName = "k.txt";
};

void PrintTo(const CommandCase& row, std::ostream* out)
{
    *out << row.name;
}

class Command : public KnowledgeFiles, public testing::WithParamInterface<CommandCase> { };

// An output that would replace an input, or is named as another kind of
// file, is refused before anything is written: the input stays as it was.
TEST_P(Command, ExitsAndReportsInOneLineEach)
{
    const QString file = write(QString::fromLatin1(GetParam().fileName), GetParam().text);
    const QString folder = QFileInfo(file).path();
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("FILE"), file).replaceInStrings(QStringLiteral("DIR"), folder);
    const Finished result = kb(arguments);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_EQ(result.err,
        QString::fromStdString(GetParam().err)
            .replace(QStringLiteral("FILE"), file)
            .replace(QStringLiteral("DIR"), folder)
            .toStdString());
    EXPECT_EQ(contents(file).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, Command,
    testing::Values(CommandCase{"Clean", {"check", "FILE"},
                        "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\ntidak\tN1\n", 0, ""},
        CommandCase{
            "WarningsOnly", {"check", "FILE"}, kSmall, 0, "FILE:3: warning: heading H2 is not used by any answer\n"},
        CommandCase{"EveryErrorOfAFile", {"check", "FILE"}, "start\tQ1\nquestion Q1\tA\nYA\tQ1\n", 1,
            "FILE:2: error: fields must be separated by a TAB, found blanks after \"question\"\n"
            "FILE:3: error: unknown record \"YA\": record names are lower case: start, heading, closing, question, ya, "
            "tidak\n"},
        CommandCase{"BuiltInKnowledgeAndProcedures", {"check"}, "", 0, ""},
        CommandCase{"MaintenanceFigureNotInItsLine", {"check", "FILE"},
            "caption: C\ntitle: T\ninterval: 1: 400 jam\n---\nganti setiap 500 jam\n", 1,
            "FILE:3: error: \"400 jam\" is not in the procedure line (procedure line 1)\n", "maintenance/07.txt"},
        CommandCase{"ErrorsStopPaths", {"paths", "FILE"},
            "start\tQ2\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\ntidak\tN1\n", 1,
            "FILE:1: error: start: Q2 names nothing; did you mean Q1?\n"},
        CommandCase{"UnknownCommand", {"chek"}, "", 2,
            "lokomotif-kb: unknown command \"chek\"; 'lokomotif-kb --help' lists the commands\n"},
        CommandCase{"UnreadableFile", {"check", "FILE", "FILE.missing"}, kSmall, 2,
            "lokomotif-kb: Cannot open file \"FILE.missing\". No such file or directory\n"},
        CommandCase{"GraphWithoutOutput", {"graph", "FILE"}, kSmall, 2, "lokomotif-kb: graph needs -o OUT\n"},
        CommandCase{"HandbookAsText", {"handbook", "FILE", "-o", "DIR/buku.txt"}, kSmall, 2,
            "lokomotif-kb: handbook writes a PDF handbook: name the output OUT.pdf, not \"DIR/buku.txt\"\n"},
        CommandCase{"HandbookOverItsInput", {"handbook", "FILE", "-o", "FILE"}, kSmall, 2,
            "lokomotif-kb: the output \"FILE\" is one of the input files\n", "k.pdf"},
        CommandCase{"GraphOverItsInputNamedOtherwise", {"graph", "FILE", "-o", "DIR/./k.svg"}, kSmall, 2,
            "lokomotif-kb: the output \"DIR/./k.svg\" is one of the input files\n", "k.svg"},
        CommandCase{"CasesAsText", {"paths", "--cases", "FILE", "-o", "DIR/k2.txt"}, kSmall, 2,
            "lokomotif-kb: paths writes regression cases: name the output OUT.cases, not \"DIR/k2.txt\"\n"},
        CommandCase{"PagesAsSvg", {"graph", "FILE", "--pages", "a4", "-o", "DIR/k.svg"}, kSmall, 2,
            "lokomotif-kb: graph writes the pages of a diagram as PDF: name the output OUT.pdf, not \"DIR/k.svg\"\n"},
        CommandCase{"ChainOfNoQuestion", {"graph", "FILE", "--chain", "Q4", "-o", "DIR/k.svg"}, kSmall, 2,
            "lokomotif-kb: there is no question Q4; did you mean Q1?\n"},
        CommandCase{"TooManyPathsForCases", {"paths", "--cases", "FILE", "-o", "DIR/k.cases"}, manyPaths(17), 2,
            "lokomotif-kb: FILE has more than 100000 answer paths: too many to list as cases\n"},
        CommandCase{"TooLargeForAHandbook", {"handbook", "FILE", "-o", "DIR/k.pdf"}, chainOf(5001), 2,
            "lokomotif-kb: FILE has 5001 questions; a handbook serves at most 5000\n"},
        CommandCase{"Version", {"--version"}, "", 0, ""},
        CommandCase{"HelpOfACommand", {"paths", "--help"}, "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KnowledgeFiles, PathsListTheLabelsAlongTheWay)
{
    const Finished result = kb({QStringLiteral("paths"), write(QStringLiteral("k.txt"), kSmall)});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
        "Q1 YA\tH1\t12pt\t[c]\n"
        "Q1 TIDAK, Q2 YA\tH1\t12pt\t[d]\n"
        "Q1 TIDAK, Q2 TIDAK, Q3 YA\tH1\t10pt\t[d]\n"
        "Q1 TIDAK, Q2 TIDAK, Q3 TIDAK\tN1\n"
        "4 paths\n");
}

// A valid edit as the README shows it: a question inserted into the chain.
// The cases made before name the paths that changed; the diff shows one
// added ending; the cases made again pass.
TEST_F(KnowledgeFiles, TestAndDiffFollowAnEdit)
{
    const QString before = write(QStringLiteral("old.txt"), kSmall);
    const QString cases = path(QStringLiteral("k.cases"));
    ASSERT_EQ(
        kb({QStringLiteral("paths"), QStringLiteral("--cases"), before, QStringLiteral("-o"), cases}).exitCode, 0);
    std::string edited = kSmall;
    edited.replace(edited.find("tidak\tQ3\n"), 9, "tidak\tQ4\nquestion\tQ4\tD\nya\tH1\te\ntidak\tQ3\n");
    const QString after = write(QStringLiteral("old.txt"), edited);

    const Finished tested = kb({QStringLiteral("test"), cases, after});
    EXPECT_EQ(tested.exitCode, 1);
    EXPECT_NE(tested.err.find(":18: error: old.txt: path Q1 TIDAK, Q2 TIDAK, Q3 YA is gone; expected H1 10pt [d]\n"),
        std::string::npos)
        << tested.err;

    const QString oldCopy = write(QStringLiteral("before.txt"), kSmall);
    const Finished diff = kb({QStringLiteral("diff"), oldCopy, after});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(diff.out, "added Q4 YA \u2192 H1\n");

    ASSERT_EQ(kb({QStringLiteral("paths"), QStringLiteral("--cases"), after, QStringLiteral("-o"), cases}).exitCode, 0);
    EXPECT_EQ(kb({QStringLiteral("test"), cases, after}).exitCode, 0);
}

// Without files the tool works on the knowledge built into the program,
// from any folder; export hands it out for editing and never overwrites.
TEST_F(KnowledgeFiles, ExportsTheBuiltInKnowledgeWithItsCases)
{
    const QString folder = path(QStringLiteral("export"));
    ASSERT_EQ(kb({QStringLiteral("export"), folder}, path(QString())).exitCode, 0);
    QStringList arguments{QStringLiteral("test"), QDir(folder).filePath(QStringLiteral("knowledge.cases"))};
    for (const std::string_view name : kSystemFileNames) {
        const QString file = QString::fromLatin1(name.data(), qsizetype(name.size()));
        EXPECT_EQ(
            contents(QDir(folder).filePath(file)), contents(QStringLiteral(LOKO_SOURCE_DIR "/diagnosis/data/") + file));
        arguments << QDir(folder).filePath(file);
    }
    EXPECT_EQ(kb(arguments).exitCode, 0);
    const Finished again = kb({QStringLiteral("export"), folder});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_NE(again.err.find("exists already"), std::string::npos);
}

TEST_F(KnowledgeFiles, GraphHasANodePerQuestionConclusionAndClosingAndALegend)
{
    const QString svg = path(QStringLiteral("k.svg"));
    const Finished drawn
        = kb({QStringLiteral("graph"), write(QStringLiteral("k.txt"), kSmall), QStringLiteral("-o"), svg});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    const QString text = QString::fromUtf8(contents(svg));
    // Three questions, H1 with two causes, one closing text, the legend.
    EXPECT_EQ(text.count(QStringLiteral("class=\"node\"")), 3 + 2 + 1 + 1);
    EXPECT_EQ(text.count(QStringLiteral("class=\"edge\"")), 6);
}

// The largest system on A3: tiled pages that overlap, each labelled, every
// word at 8 pt or more (pdftotext's word boxes are taller than the type).
TEST_F(KnowledgeFiles, EngineDriveOnA3KeepsItsTextLegible)
{
    const QString pdf = path(QStringLiteral("e.pdf"));
    const Finished drawn
        = kb({QStringLiteral("graph"), QStringLiteral(LOKO_SOURCE_DIR "/diagnosis/data/pengerak_mesin.txt"),
            QStringLiteral("--pages"), QStringLiteral("a3"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    const Finished boxes
        = runProgram(QStringLiteral(LOKO_PDFTOTEXT), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_EQ(boxes.exitCode, 0);
    const QString html = QString::fromStdString(boxes.out);
    EXPECT_GT(html.count(QStringLiteral("<page ")), 1);
    EXPECT_EQ(html.count(QStringLiteral(">baris<")), html.count(QStringLiteral("<page ")));
    const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\""));
    double smallest = 1000;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        smallest = std::min(smallest, match.captured(2).toDouble() - match.captured(1).toDouble());
    }
    EXPECT_GE(smallest, 8.0);
}

// The handbook of the built-in knowledge, read back as a mechanic uses it:
// every reference lands where it says, on every page the edition of the
// six files, every question in the order of the checklist.
TEST_F(KnowledgeFiles, HandbookReferencesLandWhereTheySay)
{
    const QString pdf = path(QStringLiteral("buku.pdf"));
    const Finished printed = kb({QStringLiteral("handbook"), QStringLiteral("-o"), pdf}, path(QString()));
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    const Finished text
        = runProgram(QStringLiteral(LOKO_PDFTOTEXT), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_EQ(text.exitCode, 0);
    QStringList pages = QString::fromStdString(text.out).split(QLatin1Char('\f'));
    pages.removeLast(); // after the last page break

    QByteArray files;
    for (const std::string_view name : kSystemFileNames)
        files += contents(
            QStringLiteral(LOKO_SOURCE_DIR "/diagnosis/data/") + QLatin1String(name.data(), qsizetype(name.size())));
    const QString edition = QStringLiteral("Edisi " LOKO_VERSION " \u00b7 ")
        + QString::fromLatin1(QCryptographicHash::hash(files, QCryptographicHash::Sha256).toHex().left(8));

    // Where everything stands, by system: numbered questions, their labels,
    // and the labelled conclusions and closing texts.
    const QRegularExpression systemHeading(QStringLiteral("^(\\d+)\\. Sistem \\S.*$"));
    const QRegularExpression numbered(QStringLiteral("^\\s+(\\d+)\\.\\s{2,}\\S"));
    const QRegularExpression labelled(QStringLiteral("^([A-Z]+[0-9]+(?:/[0-9]+)?)\\s+\\S"));
    QHash<QString, int> placed; // "system/12.", "system/E12", "system/EH5/3" -> page
    int system = 0;
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(edition)) << "page " << p + 1;
        const QStringList lines = pages[p].split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (const auto m = systemHeading.match(lines[i]);
                m.hasMatch() && !lines[i].contains(QStringLiteral("hal."))) {
                system = m.captured(1).toInt();
                placed.insert(QStringLiteral("%1/system").arg(system), p + 1);
            } else if (const auto n = numbered.match(lines[i]); n.hasMatch() && system > 0) {
                placed.insert(QStringLiteral("%1/%2.").arg(system).arg(n.captured(1)), p + 1);
                placed.insert(
                    QStringLiteral("%1/").arg(system) + lines.value(i + 1).trimmed().section(QLatin1Char(' '), 0, 0),
                    p + 1);
            } else if (const auto l = labelled.match(lines[i]); l.hasMatch() && system > 0) {
                placed.insert(QStringLiteral("%1/").arg(system) + l.captured(1), p + 1);
            }
        }
    }
    ASSERT_EQ(system, 6);

    const QRegularExpression next(QStringLiteral("lanjut ke (\\d+)(, hal\\. (\\d+))?"));
    const QRegularExpression ending(QStringLiteral("(Kesimpulan|Penutup) (\\S+), hal\\. (\\d+)"));
    const QRegularExpression indexed(QStringLiteral("^\\s*(?:(\\d+)\\. Sistem .*|.* (\\S+))\\s{2,}hal\\. (\\d+)$"));
    int references = 0;
    system = 0;
    for (int p = 0; p < pages.size(); ++p) {
        int indexSystem = 0;
        for (const QString& line : pages[p].split(QLatin1Char('\n'))) {
            if (const auto m = systemHeading.match(line); m.hasMatch() && !line.contains(QStringLiteral("hal.")))
                system = m.captured(1).toInt();
            // The first page explains the references with examples; the checklists hold them.
            for (auto it = next.globalMatch(line); system > 0 && it.hasNext(); ++references) {
                const auto m = it.next();
                const int page = m.captured(3).isEmpty() ? p + 1 : m.captured(3).toInt();
                EXPECT_EQ(placed.value(QStringLiteral("%1/%2.").arg(system).arg(m.captured(1))), page)
                    << line.toStdString();
            }
            for (auto it = ending.globalMatch(line); system > 0 && it.hasNext(); ++references) {
                const auto m = it.next();
                EXPECT_EQ(placed.value(QStringLiteral("%1/").arg(system) + m.captured(2)), m.captured(3).toInt())
                    << line.toStdString();
            }
            // The first page: the systems and their symptoms, by label.
            if (const auto m = indexed.match(line); m.hasMatch() && p == 0) {
                ++references;
                if (!m.captured(1).isEmpty())
                    indexSystem = m.captured(1).toInt();
                const QString key = m.captured(1).isEmpty() ? QStringLiteral("%1/").arg(indexSystem) + m.captured(2)
                                                            : QStringLiteral("%1/system").arg(indexSystem);
                EXPECT_EQ(placed.value(key), m.captured(3).toInt()) << line.toStdString();
            }
        }
    }
    EXPECT_GT(references, 2 * 254);
}

} // namespace
} // namespace loco
