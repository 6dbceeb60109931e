#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/support/error_recorder.h"
#include "tests/support/saved_report.h"
#include "tests/support/shipped_data.h"
#include "tests/support/text_box_lines.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/drive_path.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/memo_box.h"
#include "toolkit/picture.h"
#include "toolkit/radio_group.h"
#include "toolkit/rich_text_box.h"
#include "tutorials/UMENU_TUNEUP.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <ostream>

// Readable failure messages for text comparisons.
void PrintTo(const QString& s, std::ostream* out)
{
    *out << '"' << s.toStdString() << '"';
}

namespace loco {
namespace {

const QString kPressProses = QStringLiteral("Silahkan tekan tombol \"PROSES\" untuk mengetahui tutorial perawatan. "
                                            "jika tidak tekan tombol \"ULANG\" atau \"CLOSE\".");
const QStringList kCreationPrompt{
    QStringLiteral("Silahkan pilih dahulu jenis "), QStringLiteral("komponen yang akan di tune-up")};

constexpr int kValve = 1, kGovernor = 2, kInjector = 3;

class TuneupWindowTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        TUNEUP->showModeless();
    }
    void TearDown() override
    {
        loco::setDriveRoot({});
        WindowsTest::TearDown();
    }

    RadioGroup* group(int g) { return control<RadioGroup>(TUNEUP, qPrintable(QStringLiteral("RadioGroup%1").arg(g))); }
    RichTextBox* prompt() { return control<RichTextBox>(TUNEUP, "RichEdit2"); }
    RichTextBox* text() { return control<RichTextBox>(TUNEUP, "RichEdit1"); }
    MemoBox* intro() { return control<MemoBox>(TUNEUP, "Memo1"); }
    Picture* picture() { return control<Picture>(TUNEUP, "Image3"); }

    void pressComponent(int n) { click(control(TUNEUP, qPrintable(QStringLiteral("BitBtn%1").arg(n)))); }
    // A radio item takes clicks on its mark and caption only, so click the
    // mark rather than the middle of the item's row.
    void pick(int g, int item)
    {
        QRadioButton* b = group(g)->button(item);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void proses() { click(control(TUNEUP, "SpeedButton2")); }
    void ulangi() { click(control(TUNEUP, "SpeedButton1")); }
    void show(int g, int item)
    {
        pressComponent(g == 1 ? kValve : g == 2 ? kInjector : kGovernor);
        pick(g, item);
        proses();
    }

    // "1-3" for controls 1 and 3 of a kind enabled, 2 disabled.
    QString enabled(const char* kind, int count)
    {
        QString s;
        for (int n = 1; n <= count; ++n)
            s += control(TUNEUP, qPrintable(QLatin1String(kind) + QString::number(n)))->isEnabled()
                ? QString::number(n)
                : QStringLiteral("-");
        return s;
    }
    // The selected item of each radio group, "-" for none.
    QString selection()
    {
        QString s;
        for (int g = 1; g <= 7; ++g)
            s += group(g)->itemIndex() < 0 ? QStringLiteral("-") : QString::number(group(g)->itemIndex());
        return s;
    }
    static QStringList tutorialLines(const loco::TuneupTutorial& t)
    {
        QStringList lines{QString::fromStdString(t.title)};
        for (const std::string& l : t.lines)
            lines << QString::fromStdString(l);
        return lines;
    }
};

TEST_F(TuneupWindowTest, StartsWithTheIntroductionAndProsesOnlyHidesIt)
{
    EXPECT_EQ(enabled("BitBtn", 3), QStringLiteral("123"));
    EXPECT_EQ(enabled("RadioGroup", 7), QStringLiteral("-------"));
    EXPECT_EQ(prompt()->lines(), kCreationPrompt);
    EXPECT_TRUE(picture()->isVisible());
    EXPECT_TRUE(picture()->image().isNull());
    EXPECT_FALSE(control<Picture>(TUNEUP, "Image2")->image().isNull());

    // Leading and trailing blanks of the definition's lines must survive.
    const QStringList lines = intro()->lines();
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[0], QStringLiteral("       "));
    EXPECT_EQ(lines[1],
        QStringLiteral("        Pada setiap mesin yang telah diperbaiki atau dipakai, akan dilakukan "
                       "proses tune-up untuk "));
    EXPECT_EQ(lines[15], QStringLiteral("mempermudah"));

    // Nothing can be selected before a component button is pressed.
    pick(1, 0);
    pick(3, 0);
    EXPECT_EQ(selection(), QStringLiteral("-------"));

    proses();
    EXPECT_FALSE(intro()->isVisible());
    EXPECT_TRUE(text()->isVisible());
    EXPECT_EQ(text()->lineCount(), 0);
    EXPECT_EQ(prompt()->lines(), kCreationPrompt);
    EXPECT_TRUE(picture()->isVisible());
}

struct ComponentCase {
    const char* name;
    int button;
    const char* buttons; // enabled component buttons afterwards
    const char* groups; // enabled radio groups afterwards
    const char* prompt;
    int group; // where an item is then picked
};
void PrintTo(const ComponentCase& c, std::ostream* out)
{
    *out << c.name;
}

class ComponentTest : public TuneupWindowTest, public testing::WithParamInterface<ComponentCase> { };

TEST_P(ComponentTest, EnablesItsGroupsUntilUlangiResetsEverything)
{
    const ComponentCase& c = GetParam();
    pressComponent(c.button);
    EXPECT_EQ(enabled("BitBtn", 3), QLatin1String(c.buttons));
    EXPECT_EQ(enabled("RadioGroup", 7), QLatin1String(c.groups));
    EXPECT_EQ(prompt()->lines(), QStringList{QString::fromUtf8(c.prompt)});

    // The other components stay out of reach until "ULANGI".
    for (int n = 1; n <= 3; ++n)
        pressComponent(n);
    EXPECT_EQ(enabled("BitBtn", 3), QLatin1String(c.buttons));

    pick(c.group, 0);
    EXPECT_EQ(group(c.group)->itemIndex(), 0);
    EXPECT_EQ(prompt()->lines(), QStringList{kPressProses});

    ulangi();
    EXPECT_EQ(enabled("BitBtn", 3), QStringLiteral("123"));
    EXPECT_EQ(enabled("RadioGroup", 7), QStringLiteral("-------"));
    EXPECT_EQ(selection(), QStringLiteral("-------"));
    EXPECT_EQ(
        prompt()->lines(), QStringList{QStringLiteral("Silahkan pilih jenis komponen mesin yang akan ditune-up")});
    EXPECT_EQ(text()->lineCount(), 0);
    EXPECT_TRUE(intro()->isVisible());
    EXPECT_FALSE(picture()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ComponentTest,
    testing::Values(ComponentCase{"Valve", kValve, "1--", "1------",
                        "Silahkan pilih jenis dari valve mesin yang akan disetel(tune-up)", 1},
        ComponentCase{"Injector", kInjector, "--3", "-2-----",
            "Silahkan pilih jenis dari injektor yang akan disetel(tune-up)", 2},
        ComponentCase{"Governor", kGovernor, "-2-", "--34567",
            "Silahkan pilih jenis dari governor yang akan disetel(tune-up)", 5}),
    [](const auto& info) { return std::string(info.param.name); });

class GovernorGroupTest : public TuneupWindowTest, public testing::WithParamInterface<int> { };

TEST_P(GovernorGroupTest, ChoosingAGroupLocksOutTheOtherFourUntilGovernorIsPressedAgain)
{
    const int g = GetParam();
    pressComponent(kGovernor);
    pick(g, int(group(g)->items().size()) - 1);
    QString locked = QStringLiteral("-------");
    locked[g - 1] = QChar(u'0' + g);
    EXPECT_EQ(enabled("RadioGroup", 7), locked);
    EXPECT_EQ(prompt()->lines(), QStringList{kPressProses});

    pick(g, 0);
    EXPECT_EQ(group(g)->itemIndex(), 0);
    EXPECT_EQ(enabled("RadioGroup", 7), locked);

    proses();
    pressComponent(kGovernor);
    EXPECT_EQ(enabled("RadioGroup", 7), QStringLiteral("--34567"));
    EXPECT_EQ(selection(), QStringLiteral("-------"));
    EXPECT_EQ(text()->lineCount(), 0);
    EXPECT_FALSE(picture()->isVisible());
    EXPECT_FALSE(intro()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Groups, GovernorGroupTest, testing::Range(3, 8),
    [](const auto& info) { return "RadioGroup" + std::to_string(info.param); });

// The groups' items and the table must agree in order and number.
TEST_F(TuneupWindowTest, EveryItemHasATutorialAndEveryTutorialAnItem)
{
    for (int g = 1; g <= 7; ++g) {
        const int items = int(group(g)->items().size());
        for (int i = 0; i < items; ++i)
            EXPECT_NE(loco::shippedData().tuneup.find(g, i), nullptr) << "group " << g << " item " << i;
        EXPECT_EQ(loco::shippedData().tuneup.find(g, items), nullptr) << "group " << g;
    }
}

class TutorialTest : public TuneupWindowTest, public testing::WithParamInterface<int> { };

TEST_P(TutorialTest, ProsesWritesTheSelectedTutorialAndItsPicture)
{
    const loco::TuneupTutorial& t = loco::shippedData().tuneup.at(GetParam());
    const int g = t.choice.group;
    show(g, t.choice.item);

    EXPECT_FALSE(intro()->isVisible());
    ASSERT_EQ(text()->lines(), tutorialLines(t));
    for (int i = 0; i < text()->lineCount(); ++i) {
        EXPECT_NEAR(lineFontSize(*text(), i), 12.0, 0.01) << "line " << i;
        EXPECT_NEAR(lineFirstLineIndent(*text(), i), i == 0 ? 1.0 : 10.0, 0.01) << "line " << i;
    }
    if (t.picture) {
        QFile file(loco::localPath(QString::fromStdString(*t.picture)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        EXPECT_TRUE(picture()->isVisible());
        EXPECT_EQ(picture()->image(), loco::decodeJpegImage(file.readAll(), picture()->size()));
    } else {
        // In a fresh window the valve and injector buttons leave the empty
        // box visible; the governor button hides it.
        EXPECT_EQ(picture()->isVisible(), g <= 2);
        EXPECT_TRUE(picture()->image().isNull());
    }
    // "PROSES" changes nothing but the text and the picture.
    EXPECT_EQ(group(g)->itemIndex(), t.choice.item);
    EXPECT_EQ(prompt()->lines(), QStringList{kPressProses});
    EXPECT_EQ(enabled("BitBtn", 3).count(u'-'), 2);
}

INSTANTIATE_TEST_SUITE_P(AllTutorials, TutorialTest, testing::Range(1, loco::TuneupTable::kSize + 1),
    [](const auto& info) { return "Tutorial" + std::to_string(info.param); });

TEST_F(TuneupWindowTest, ATutorialWithoutPictureLeavesThePictureBoxAsItWas)
{
    // One without a picture right after one with a picture in the same group.
    const auto& all = loco::shippedData().tuneup.tutorials();
    std::size_t n = 1;
    while (n < all.size() && (all[n].picture || !all[n - 1].picture || all[n].choice.group != all[n - 1].choice.group))
        ++n;
    ASSERT_LT(n, all.size());
    const loco::TuneupTutorial* bare = &all[n];
    const int g = bare->choice.group;
    show(g, bare->choice.item - 1);
    const QImage before = picture()->image();
    ASSERT_FALSE(before.isNull());

    pick(g, bare->choice.item);
    proses();
    EXPECT_EQ(text()->line(0), QString::fromStdString(bare->title));
    EXPECT_TRUE(picture()->isVisible());
    EXPECT_EQ(picture()->image().cacheKey(), before.cacheKey());

    // After "ULANGI" the box is hidden, so the default picture shows.
    ulangi();
    show(g, bare->choice.item);
    EXPECT_EQ(text()->line(0), QString::fromStdString(bare->title));
    EXPECT_FALSE(picture()->isVisible());
}

// Every governor procedure has the same title: its report is named by its
// group and item. The longest text breaks over pages with no line alone on
// a page or drawn twice; lines between blank ones belong together.
TEST_F(TuneupWindowTest, GovernorReportNamesItsProcedureAndBreaksPagesCleanly)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(TUNEUP));
    show(7, 1);
    SavedReport saved;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saved.proposedStems(), QStringList{"tune-up-lsm-double-range-2-menyetel-maximum-no-load-engine-speed"});
    expectInOrder(saved.text(),
        {QStringLiteral("Sistem Tune-up Komponen LSM DOUBLE RANGE – 2. Menyetel maximum no "
                        "load engine speed Dibuat dengan"),
            QStringLiteral("TUTORIAL TUNE-UP GOVERNOR")});
    QStringList texts{QString()};
    for (const QString& line : tutorialLines(*loco::shippedData().tuneup.find(7, 1))) {
        if (line.trimmed().isEmpty())
            texts << QString();
        else
            texts.last() += ' ' + line;
    }
    const QList<QStringList> pages = saved.pageLines();
    EXPECT_GE(pages.size(), 3);
    expectCleanPageBreaks(pages, texts);
}

// The report holds the tutorial shown with its own picture at full size,
// even where the box still shows the picture of the tutorial before it.
TEST_F(TuneupWindowTest, ReportHoldsTheTutorialShownWithItsOwnPicture)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(TUNEUP));
    const auto& all = loco::shippedData().tuneup.tutorials();
    const loco::TuneupTutorial& first = all.front();
    ASSERT_TRUE(first.picture);
    show(first.choice.group, first.choice.item);
    SavedReport saved;
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saved.proposedStems(), QStringList{QStringLiteral("tune-up-tutorial-valve-mesin-dengan-2")});
    const QSize full = QImageReader(loco::localPath(QString::fromStdString(*first.picture))).size();
    EXPECT_TRUE(saved.pictures().contains(QStringLiteral("%1x%2").arg(full.width()).arg(full.height())))
        << saved.pictures().join(' ').toStdString();
    QStringList shown = tutorialLines(first);
    shown.prepend(QStringLiteral("Sistem Tune-up Komponen"));
    expectInOrder(saved.text(SavedReport::Order::Physical), shown << QStringLiteral("halaman 2 dari 2"));

    const auto bare = std::find_if(all.begin() + 1, all.end(), [](const loco::TuneupTutorial& t) {
        const loco::TuneupTutorial& before = *(&t - 1);
        return !t.picture && before.picture && before.choice.group == t.choice.group;
    });
    ASSERT_NE(bare, all.end());
    ulangi();
    show(bare->choice.group, bare->choice.item - 1);
    pick(bare->choice.group, bare->choice.item);
    proses();
    ASSERT_FALSE(picture()->image().isNull());
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saved.pictures(), QStringList{});
    expectInOrder(saved.text(SavedReport::Order::Physical), tutorialLines(*bare));
}

TEST_F(TuneupWindowTest, TextTypedIntoTheIntroductionStaysForTheRun)
{
    intro()->moveCursor(QTextCursor::End);
    QTest::keyClicks(intro(), "catatan montir");
    show(1, 1);
    ulangi();
    EXPECT_TRUE(intro()->isVisible());
    EXPECT_TRUE(intro()->toPlainText().startsWith(QStringLiteral("       \n        Pada setiap mesin")));
    EXPECT_TRUE(intro()->toPlainText().endsWith(QStringLiteral("catatan montir")));
}

TEST_F(TuneupWindowTest, SelesaiHidesTheWindowAndTheMenuBringsItBackUnchanged)
{
    show(6, 2);
    const QStringList shown = text()->lines();

    click(control(TUNEUP, "Button3"));
    EXPECT_FALSE(TUNEUP->isVisible());
    menu1->show();
    click(control(menu1, "SpeedButton2"));
    EXPECT_TRUE(TUNEUP->isVisible());
    EXPECT_EQ(text()->lines(), shown);
    EXPECT_EQ(selection(), QStringLiteral("-----2-"));
    EXPECT_EQ(enabled("RadioGroup", 7), QStringLiteral("-----6-"));
    EXPECT_EQ(enabled("BitBtn", 3), QStringLiteral("-2-"));
}

struct PictureFailure {
    const char* name;
    QByteArray fileBytes; // empty: no file at all
    QString message; // {path} stands for the file's local path
};
void PrintTo(const PictureFailure& c, std::ostream* out)
{
    *out << c.name;
}

class PictureFailureTest : public TuneupWindowTest, public testing::WithParamInterface<PictureFailure> { };

// A failed load hides the box, as "ULANGI" does: the default picture shows,
// never the picture of another tutorial beside the text.
TEST_P(PictureFailureTest, TextStandsThePictureBoxHidesAndTheWindowGoesOn)
{
    const loco::TuneupTutorial& second = *loco::shippedData().tuneup.find(1, 1);
    show(1, 0);
    const QImage before = picture()->image();
    ASSERT_FALSE(before.isNull());

    QTemporaryDir root;
    loco::setDriveRoot(root.path());
    const QString path = loco::localPath(QString::fromStdString(*second.picture));
    if (!GetParam().fileBytes.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().fileBytes);
    }
    {
        ErrorRecorder errors;
        pick(1, 1);
        proses();
        EXPECT_EQ(errors.texts, QStringList{QString(GetParam().message).replace(QLatin1String("{path}"), path)});
        EXPECT_EQ(errors.captions, QStringList{QCoreApplication::applicationName()});
    }
    EXPECT_EQ(text()->lines(), tutorialLines(second));
    EXPECT_FALSE(picture()->isVisible());

    loco::setDriveRoot({});
    pick(1, 0);
    proses();
    EXPECT_TRUE(picture()->isVisible());
    EXPECT_EQ(picture()->image(), before);
}

INSTANTIATE_TEST_SUITE_P(Causes, PictureFailureTest,
    testing::Values(
        PictureFailure{"MissingFolder", {}, QStringLiteral("Cannot open file \"{path}\". No such file or directory.")},
        PictureFailure{
            "NotAJpeg", QByteArrayLiteral("GIF89a, not a photo"), QStringLiteral("JPEG error #%1.").arg(JERR_NO_SOI)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace loco
