#include "tests/support/error_recorder.h"
#include "tests/support/saved_report.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/core/safe_file.h"
#include "toolkit/dialogs.h"
#include "toolkit/form_window.h"
#include "toolkit/report.h"
#include "toolkit/report_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <unistd.h>

namespace loco {
namespace {

struct FileNameCase {
    const char* name;
    const char* stem;
    const char* proposed;
};

void PrintTo(const FileNameCase& row, std::ostream* out)
{
    *out << row.name;
}

class ProposedFileNameTest : public testing::TestWithParam<FileNameCase> { };

TEST_P(ProposedFileNameTest, IsPlainAsciiWordsOnceAndTheTime)
{
    EXPECT_EQ(proposedFileName(QString::fromUtf8(GetParam().stem), QDateTime(QDate(2026, 12, 7), QTime(14, 5, 59))),
        QString::fromUtf8(GetParam().proposed));
}

INSTANTIATE_TEST_SUITE_P(Stems, ProposedFileNameTest,
    testing::Values(FileNameCase{"Words", "diagnosa bahan bakar", "diagnosa-bahan-bakar-2026-12-07-1405.pdf"},
        FileNameCase{
            "Punctuation", "perawatan  Pompa (fuel pump), No.3 ", "perawatan-pompa-fuel-pump-no-3-2026-12-07-1405.pdf"},
        FileNameCase{"Accents", "tune-up Régulateur ½\"", "tune-up-regulateur-1-2-2026-12-07-1405.pdf"},
        FileNameCase{"RepeatedWords", "tune-up TUTORIAL TUNE-UP GOVERNOR 2 2",
            "tune-up-tutorial-governor-2-2-2026-12-07-1405.pdf"},
        FileNameCase{"Nothing", "", "2026-12-07-1405.pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

// Paragraphs of two to seven lines, with blank lines between them, meet
// page breaks at every line of theirs as the first one grows.
TEST(ReportPages, NoParagraphLeavesOneLineAloneOrIsDrawnTwice)
{
    SavedReport saved;
    for (int lead = 1; lead <= 4; ++lead) {
        ReportSection section;
        for (int p = 0; p < 24; ++p) {
            QStringList words;
            for (int w = 0; w < 13 * (p == 0 ? lead : 2 + p % 6) - 4; ++w)
                words << QStringLiteral("p%1k%2").arg(p).arg(w);
            section.lines << words.join(' ') << QString();
        }
        saveReportPdf(Report{QStringLiteral("Judul"), {}, {}, {section}}, saved.path());
        expectCleanPageBreaks(saved.pageLines(), section.lines);
    }
}

// A window with one text box and one disabled one, whose report is a
// table and enough lines for three pages.
class ReportCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        box = new QLineEdit(QStringLiteral("teks"), window.content());
        box->setGeometry(10, 10, 100, 20);
        disabled = new QLineEdit(window.content());
        disabled->setGeometry(10, 40, 100, 20);
        disabled->setEnabled(false);
        window.resize(200, 100);
        new ReportCommands(&window, [] {
            Report report{QStringLiteral("Judul laporan"), QStringLiteral("Pokok"), QStringLiteral("laporan uji"), {}};
            ReportSection section{QStringLiteral("Bagian"),
                {{QStringLiteral("Diameter"), QStringLiteral("22,86"), QStringLiteral("cm")}}, {}, {}};
            for (int i = 1; i <= 150; ++i)
                section.lines << QStringLiteral("baris %1").arg(i);
            report.sections << section;
            return report;
        });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    FormWindow window;
    QLineEdit* box;
    QLineEdit* disabled;
};

TEST_F(ReportCommandsTest, CtrlSSavesAPdfOfA4PagesUnderTheProposedName)
{
    SavedReport saved;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saved.proposedStems(), QStringList{QStringLiteral("laporan-uji")});
    expectInOrder(saved.text(),
        {QStringLiteral("Judul laporan Pokok Dibuat dengan lokomotif pada"),
            QStringLiteral("Bagian Diameter 22,86 cm baris 1 baris 2"), QStringLiteral("baris 150"),
            QStringLiteral("halaman 3 dari 3")});
    EXPECT_EQ(saved.info(QStringLiteral("Page size")).toStdString(), "595 x 842 pts (A4)");
}

// Printed to a file, the pages chosen in the dialog.
TEST_F(ReportCommandsTest, CtrlPPrintsThePagesChosenInThePrintDialog)
{
    SavedReport saved;
    const PrintDialogRunner previous = setPrintDialogRunner([&saved](QWidget*, QPrinter& printer) {
        printer.setOutputFileName(saved.path());
        printer.setFromTo(2, 3);
        return true;
    });
    pressKey(Qt::Key_P, Qt::ControlModifier);
    setPrintDialogRunner(previous);
    EXPECT_EQ(saved.info(QStringLiteral("Pages")), QStringLiteral("2"));
    expectInOrder(saved.text(), {QStringLiteral("halaman 2 dari 3"), QStringLiteral("baris 150")});
}

TEST_F(ReportCommandsTest, CancelledDialogsWriteNothing)
{
    SavedReport saved;
    const SaveFileNameAsker asker = setSaveFileNameAsker([](QWidget*, const QString&) { return QString(); });
    const PrintDialogRunner runner = setPrintDialogRunner([&saved](QWidget*, QPrinter& printer) {
        printer.setOutputFileName(saved.path());
        return false;
    });
    pressKey(Qt::Key_S, Qt::ControlModifier);
    pressKey(Qt::Key_P, Qt::ControlModifier);
    setSaveFileNameAsker(asker);
    setPrintDialogRunner(runner);
    EXPECT_FALSE(QFile::exists(saved.path()));
}

TEST_F(ReportCommandsTest, AFileThatCannotBeCreatedGivesTheErrorBoxAndKeepsTheOldFile)
{
    ErrorRecorder errors;
    SavedReport saved;
    const QString missing = saved.path() + QStringLiteral("/nowhere/laporan.pdf");
    const SaveFileNameAsker asker = setSaveFileNameAsker([&missing](QWidget*, const QString&) { return missing; });
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(errors.texts,
        QStringList{QStringLiteral("Cannot create file \"%1\". No such file or directory.").arg(missing)});

    // A folder where the file should be: the save fails before anything is replaced.
    QFile old(saved.path());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    setSaveFileNameAsker([&saved](QWidget*, const QString&) { return saved.path() + QStringLiteral("/"); });
    pressKey(Qt::Key_S, Qt::ControlModifier);
    setSaveFileNameAsker(asker);
    EXPECT_EQ(errors.texts.size(), 2);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

// Writes that stop part-way, then find the disk full, as strace showed on a
// nearly full disk: saved or printed to a file, the old file stays as it was,
// nothing is left beside it, and the box says where and why.
TEST_F(ReportCommandsTest, AWriteFailingPartWayKeepsTheOldFileAndSaysWhy)
{
    ErrorRecorder errors;
    SavedReport saved;
    const PrintDialogRunner runner = setPrintDialogRunner([&saved](QWidget*, QPrinter& printer) {
        printer.setOutputFileName(saved.path());
        return true;
    });
    int calls = 0;
    fileWriteSeam().replace([&calls](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls == 1)
            return ::write(fd, data, size / 3);
        errno = ENOSPC;
        return -1;
    });
    const QByteArray old = "%PDF-1.4 the old report";
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_P}) {
        QFile file(saved.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        calls = 0;
        pressKey(key, Qt::ControlModifier);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old);
        EXPECT_EQ(QFileInfo(saved.path()).dir().entryList(QDir::Files | QDir::Hidden), QStringList{"laporan.pdf"});
    }
    fileWriteSeam().replace(nullptr);
    setPrintDialogRunner(runner);
    const QString box = QStringLiteral("Cannot create file \"%1\". %2.")
                            .arg(saved.path(), QString::fromLocal8Bit(std::strerror(ENOSPC)));
    EXPECT_EQ(errors.texts, QStringList({box, box}));
}

TEST_F(ReportCommandsTest, TextBoxesKeepTheirOwnMenuAndTheBackgroundHasTheCommands)
{
    // Menus are built when asked for, not for every box at start-up.
    EXPECT_EQ(window.findChildren<QMenu*>(), QList<QMenu*>{});
    const QStringList commands{QStringLiteral("Cetak laporan…"), QStringLiteral("Simpan laporan sebagai PDF…")};
    QMenu* menu = contextMenuAt(box);
    ASSERT_NE(menu, nullptr);
    const QStringList texts = menuTexts(menu);
    menu->close();
    // Qt's own items, in Indonesian.
    for (const QString& own : {QStringLiteral("&Salin"), QStringLiteral("Pilih Semua")})
        EXPECT_TRUE(texts.contains(own)) << texts.join('|').toStdString();
    EXPECT_EQ(texts.mid(texts.size() - 2), commands);

    menu = contextMenuAt(disabled);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menuTexts(menu), commands);
    menu->close();
}

} // namespace
} // namespace loco
