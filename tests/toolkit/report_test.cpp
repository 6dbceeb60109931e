#include "tests/support/error_recorder.h"
#include "tests/support/saved_report.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/dialogs.h"
#include "toolkit/form_window.h"
#include "toolkit/report.h"
#include "toolkit/report_commands.h"

#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>

#include <gtest/gtest.h>
#include <ostream>

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

TEST_P(ProposedFileNameTest, IsPlainAsciiWordsAndTheDate)
{
    EXPECT_EQ(proposedFileName(QString::fromUtf8(GetParam().stem), QDate(2026, 12, 7)),
        QString::fromUtf8(GetParam().proposed));
}

INSTANTIATE_TEST_SUITE_P(Stems, ProposedFileNameTest,
    testing::Values(FileNameCase{"Words", "diagnosa bahan bakar", "diagnosa-bahan-bakar-2026-12-07.pdf"},
        FileNameCase{
            "Punctuation", "perawatan  Pompa (fuel pump), No.3 ", "perawatan-pompa-fuel-pump-no-3-2026-12-07.pdf"},
        FileNameCase{"Accents", "tune-up Régulateur ½\"", "tune-up-regulateur-1-2-2026-12-07.pdf"},
        FileNameCase{"Nothing", "", "2026-12-07.pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(saved.proposedNames,
        QStringList{QStringLiteral("laporan-uji-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))});
    expectInOrder(saved.text(),
        {QStringLiteral("Judul laporan Pokok Dibuat dengan lokomotif pada"),
            QStringLiteral("Bagian Diameter 22,86 cm baris 1 baris 2"), QStringLiteral("baris 150"),
            QStringLiteral("halaman 3 dari 3")});
    EXPECT_EQ(saved.info(QStringLiteral("Page size")).toStdString(), "595 x 842 pts (A4)");
}

TEST_F(ReportCommandsTest, CtrlPPrintsThroughThePrintDialog)
{
    SavedReport saved;
    const PrintDialogRunner previous = setPrintDialogRunner([&saved](QWidget*, QPrinter& printer) {
        printer.setOutputFileName(saved.path());
        return true;
    });
    pressKey(Qt::Key_P, Qt::ControlModifier);
    setPrintDialogRunner(previous);
    expectInOrder(saved.text(), {QStringLiteral("Judul laporan"), QStringLiteral("baris 150")});
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
