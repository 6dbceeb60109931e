#include "diagnosis/core/knowledge_parser.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace loco {
namespace {

struct Finished {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Finished run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    // Graphviz and fontconfig keep memory until the tool ends. ctest hands a
    // discovered test only the first entry of its ENVIRONMENT (CMake 3.25),
    // so the leak suppressions are given to the tool here.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" LOKO_LSAN_SUPPRESSIONS));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

Finished kb(const QStringList& arguments)
{
    return run(QStringLiteral(LOKO_KB), arguments);
}

class KnowledgeFiles : public testing::Test {
protected:
    QString write(const QString& name, const std::string& text)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        return path;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Q1 -> Q2 -> Q3; H1 with two causes; YA of Q3 leads nowhere.
const std::string kSmall = "start\tQ1\n"
                           "heading\tH1\th\n"
                           "closing\tN1\tn\tm\n"
                           "question\tQ1\tA\nya\tH1\tc\ntidak\tQ2\n"
                           "question\tQ2\tB\nya\tH1\td\ntidak\tQ3\n"
                           "question\tQ3\tC\ntidak\tN1\n";

struct CheckCase {
    const char* name;
    QStringList arguments; // "FILE" stands for the file written from text
    std::string text;
    int exitCode;
    std::string err; // exactly, with FILE for the file's path
};

void PrintTo(const CheckCase& row, std::ostream* out)
{
    *out << row.name;
}

class Check : public KnowledgeFiles, public testing::WithParamInterface<CheckCase> { };

TEST_P(Check, ExitsAndReportsAsCompilersDo)
{
    const QString file = write(QStringLiteral("k.txt"), GetParam().text);
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("FILE"), file);
    const Finished result = kb(arguments);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_EQ(result.err, QString::fromStdString(GetParam().err).replace(QStringLiteral("FILE"), file).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Rows, Check,
    testing::Values(
        CheckCase{"Clean", {"check", "FILE"}, "start\tQ1\nclosing\tN1\tn\nquestion\tQ1\tA\nya\tN1\ntidak\tN1\n", 0, ""},
        CheckCase{"WarningsOnly", {"check", "FILE"}, kSmall, 0,
            "FILE:10: warning: Q3 YA leads nowhere: the question has no \"ya\" line\n"},
        CheckCase{"Errors", {"check", "FILE"}, "start\tQ1\nquestion Q1\tA\n", 1,
            "FILE:2: error: fields must be separated by a TAB, found blanks after \"question\"\n"},
        CheckCase{"ErrorsStopPaths", {"paths", "FILE"}, "start\tQ2\nquestion\tQ1\tA\n", 1,
            "FILE:1: error: start: there is no question Q2\n"},
        CheckCase{"UnknownCommand", {"chek"}, "", 2,
            "lokomotif-kb: unknown command \"chek\"; 'lokomotif-kb --help' lists the commands\n"},
        CheckCase{"UnreadableFile", {"check", "FILE", "FILE.missing"}, kSmall, 2,
            "lokomotif-kb: Cannot open file \"FILE.missing\". No such file or directory\n"},
        CheckCase{"GraphWithoutOutput", {"graph", "FILE"}, kSmall, 2, "lokomotif-kb: graph needs -o OUT\n"},
        CheckCase{"HelpOfACommand", {"paths", "--help"}, "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KnowledgeFiles, PathsListsEveryEnding)
{
    const Finished result = kb({QStringLiteral("paths"), write(QStringLiteral("k.txt"), kSmall)});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
        "Y\tH1\th\tc\n"
        "TY\tH1\th\td\n"
        "TTY\t-\t(no outcome: the answer changes nothing)\n"
        "TTT\tN1\tn\tm\n"
        "4 endings\n");
}

TEST_F(KnowledgeFiles, GraphHasANodePerQuestionConclusionAndClosing)
{
    const QString svg = path(QStringLiteral("k.svg"));
    const Finished drawn
        = kb({QStringLiteral("graph"), write(QStringLiteral("k.txt"), kSmall), QStringLiteral("-o"), svg});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    // Three questions, H1 with two causes, one closing text.
    EXPECT_EQ(text.count(QStringLiteral("class=\"node\"")), 3 + 2 + 1);
    EXPECT_EQ(text.count(QStringLiteral("class=\"edge\"")), 5);
}

// Letters only: pdftotext breaks lines where the page does.
std::string letters(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\t' && c != '\f')
            kept += c;
    }
    return kept;
}

// A mechanic reads the questions in the order of the checklist, then the
// conclusions: every text of the file, in the order the handbook promises.
TEST_F(KnowledgeFiles, HandbookHoldsEveryQuestionAndConclusionInOrder)
{
    const QString source = QStringLiteral(LOKO_SOURCE_DIR "/diagnosis/data/bahan_bakar.txt");
    const QString pdf = path(QStringLiteral("handbook.pdf"));
    const Finished printed = kb({QStringLiteral("handbook"), source, QStringLiteral("-o"), pdf});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    const Finished text = run(QStringLiteral(LOKO_PDFTOTEXT), {pdf, QStringLiteral("-")});
    ASSERT_EQ(text.exitCode, 0);
    const std::string book = letters(text.out);

    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const loco::KnowledgeBase base = loco::parseKnowledgeBase(file.readAll().toStdString());
    // The checklist: the start question first, then the others in the file's order.
    std::vector<std::size_t> order{base.startIndex()};
    for (std::size_t i = 0; i < base.questions().size(); ++i) {
        if (i != base.startIndex())
            order.push_back(i);
    }
    std::vector<std::string> expected;
    for (const std::size_t i : order)
        expected.push_back(base.questions()[i].text);
    // The distinct conclusions, as the checklist first names them.
    std::set<std::pair<std::size_t, std::string>> seen;
    for (const std::size_t i : order) {
        for (const loco::Outcome* outcome : {&base.questions()[i].ya, &base.questions()[i].tidak}) {
            if (outcome->kind == loco::Outcome::Kind::Conclusion
                && seen.insert({outcome->target, outcome->cause}).second) {
                expected.push_back(base.headings()[outcome->target].text);
                expected.push_back(outcome->cause);
            }
        }
    }
    std::size_t at = 0;
    for (const std::string& wanted : expected) {
        const std::size_t found = book.find(letters(wanted), at);
        ASSERT_NE(found, std::string::npos) << "missing after offset " << at << ": " << wanted;
        at = found + letters(wanted).size();
    }
}

} // namespace
} // namespace loco
