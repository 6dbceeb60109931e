#include "shell/Umenu1.h"
#include "shell/window_refs.h"
#include "tests/support/error_recorder.h"
#include "tests/support/shipped_data.h"
#include "tests/support/text_box_lines.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/drive_path.h"
#include "toolkit/picture.h"
#include "toolkit/picture_viewer.h"
#include "toolkit/rich_text_box.h"
#include "tutorials/UMENU_PM.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace loco {
namespace {

const QString kResetPicture = QStringLiteral("d:\\delpi_hasil\\ker3.jpg");
const QString kMaintenanceFolder = QStringLiteral("/D/delpi_hasil/gambar/maintance/");

QStringList fromTable(const std::vector<std::string>& lines)
{
    QStringList result;
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

// What a picture box of the window's size shows after loading the file.
QImage pictureOf(const QString& path)
{
    Picture box;
    box.resize(144, 153);
    box.setStretch(true);
    box.loadFromFile(path);
    return box.image();
}

class MaintenanceWindowTest : public WindowsTest {
protected:
    void SetUp() override
    {
        WindowsTest::SetUp();
        PM->showModeless();
    }
    void TearDown() override
    {
        loco::setDriveRoot({});
        WindowsTest::TearDown();
    }

    QRadioButton* choice(int type)
    {
        return control<QRadioButton>(PM, QStringLiteral("RadioButton%1").arg(type).toLatin1().constData());
    }
    // Clicks the choice's mark: short captions leave the middle of the control empty.
    void choose(int type)
    {
        QRadioButton* button = choice(type);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    QList<int> enabledChoices()
    {
        QList<int> types;
        for (int type = 1; type <= loco::MaintenanceTable::kSize; ++type)
            if (choice(type)->isEnabled())
                types << type;
        return types;
    }
    QList<int> allTypes()
    {
        QList<int> types;
        for (int type = 1; type <= loco::MaintenanceTable::kSize; ++type)
            types << type;
        return types;
    }
    RichTextBox* prompt() { return control<RichTextBox>(PM, "RichEdit2"); }
    RichTextBox* procedure() { return control<RichTextBox>(PM, "RichEdit1"); }
    Picture* pictureBox() { return control<Picture>(PM, "Image3"); }
    QPushButton* proses() { return control<QPushButton>(PM, "BitBtn1"); }
    QPushButton* ulangi() { return control<QPushButton>(PM, "BitBtn2"); }

    void expectIntroduction(qreal indent)
    {
        const QStringList lines = procedure()->lines();
        ASSERT_EQ(lines.size(), 9);
        EXPECT_EQ(lines[0], QStringLiteral("Sistem perawatan ini berisi petunjuk mengenai car pemeriharaan dari"));
        EXPECT_EQ(lines[1], QStringLiteral("mesin, misalnya :"));
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_DOUBLE_EQ(lineFirstLineIndent(*procedure(), i), indent) << i;
    }
    void expectIdleAfterUlangi()
    {
        EXPECT_EQ(enabledChoices(), allTypes());
        EXPECT_EQ(prompt()->lines(), QStringList{"Silahkan pilih jenis kerusakan terlebih dahulu"});
        expectIntroduction(1);
        EXPECT_FALSE(proses()->isEnabled());
        EXPECT_FALSE(ulangi()->isEnabled());
    }
    // The procedure of a type as "PROSES" leaves it.
    void expectShown(int type)
    {
        const loco::MaintenanceEntry& entry = loco::shippedData().maintenance.at(type);
        EXPECT_EQ(prompt()->lines(), QStringList{QString::fromStdString(entry.title)});
        EXPECT_EQ(procedure()->lines(), fromTable(entry.lines));
        for (int i = 0; i < procedure()->lineCount(); ++i)
            EXPECT_DOUBLE_EQ(lineFirstLineIndent(*procedure(), i), 1.0) << i;
        EXPECT_FALSE(proses()->isEnabled());
        EXPECT_TRUE(ulangi()->isEnabled());
        EXPECT_EQ(enabledChoices(), QList<int>{type});
        EXPECT_TRUE(choice(type)->isChecked());
    }
};

TEST_F(MaintenanceWindowTest, StartsIdleWithTheIntroductionAndTheDefaultPicture)
{
    EXPECT_EQ(enabledChoices(), allTypes());
    for (int type : allTypes())
        EXPECT_FALSE(choice(type)->isChecked()) << type;
    EXPECT_EQ(choice(1)->text(), QStringLiteral("engine oil and oil filter"));
    EXPECT_EQ(choice(13)->text(), QStringLiteral("Battery"));
    EXPECT_EQ(choice(30)->text(), QStringLiteral("Transmission, Verseneling"));
    EXPECT_FALSE(proses()->isEnabled());
    EXPECT_FALSE(ulangi()->isEnabled());
    EXPECT_TRUE(control<QPushButton>(PM, "BitBtn3")->isEnabled());
    EXPECT_EQ(prompt()->lines(), (QStringList{"Silahkan pilih dahulu jenis ", "maintance (perawatan)"}));
    EXPECT_FALSE(prompt()->isEnabled());
    expectIntroduction(0);
    EXPECT_TRUE(pictureBox()->image().isNull());
    EXPECT_FALSE(control<Picture>(PM, "Image2")->image().isNull());
}

struct ChoiceRow {
    const char* name;
    int type;
    const char* prompt;
};
void PrintTo(const ChoiceRow& row, std::ostream* out)
{
    *out << row.name;
}

class ChoosingAType : public MaintenanceWindowTest, public testing::WithParamInterface<ChoiceRow> { };

TEST_P(ChoosingAType, AsksForProsesAndLocksTheOtherChoices)
{
    const int type = GetParam().type;
    choose(type);
    EXPECT_EQ(prompt()->lines(), QStringList{QString::fromLatin1(GetParam().prompt)});
    EXPECT_TRUE(proses()->isEnabled());
    EXPECT_TRUE(ulangi()->isEnabled());
    EXPECT_EQ(enabledChoices(), QList<int>{type});
    EXPECT_TRUE(choice(type)->isChecked());
    expectIntroduction(0);
    EXPECT_TRUE(pictureBox()->image().isNull());
}

INSTANTIATE_TEST_SUITE_P(Types, ChoosingAType,
    testing::Values(ChoiceRow{"first", 1, "tekan tombol proses"}, ChoiceRow{"next_to_last", 29, "tekan tombol proses"},
        ChoiceRow{"last_asks_longer", 30, "tekan tombol proses untuk memulai perawatan"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MaintenanceWindowTest, EveryTypeShowsItsOwnProcedureAndPicture)
{
    for (int type : allTypes()) {
        SCOPED_TRACE(type);
        choose(type);
        click(proses());
        expectShown(type);
        if (const auto& picture = loco::shippedData().maintenance.at(type).picture) {
            EXPECT_EQ(pictureBox()->image(), pictureOf(QString::fromStdString(*picture)));
        }
        click(ulangi());
    }
}

TEST_F(MaintenanceWindowTest, UlangiResetsFromChosenAndTheStillSelectedTypeStaysLocked)
{
    choose(5);
    click(ulangi());
    expectIdleAfterUlangi();
    EXPECT_TRUE(choice(5)->isChecked());
    EXPECT_EQ(pictureBox()->image(), pictureOf(kResetPicture));

    choose(5);
    expectIdleAfterUlangi();

    choose(6);
    EXPECT_TRUE(proses()->isEnabled());
    EXPECT_EQ(enabledChoices(), QList<int>{6});
}

TEST_F(MaintenanceWindowTest, ATypeWithoutPictureKeepsWhatThePictureBoxShowed)
{
    choose(13);
    click(proses());
    expectShown(13);
    EXPECT_TRUE(pictureBox()->image().isNull());

    click(ulangi());
    choose(1);
    click(proses());
    click(ulangi());
    choose(21);
    click(proses());
    expectShown(21);
    EXPECT_EQ(pictureBox()->image(), pictureOf(kResetPicture));
}

TEST_F(MaintenanceWindowTest, ThePictureOpensAtFullSizeInOneViewer)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(PM));
    // An empty box has nothing to enlarge.
    clickOnScreen(pictureBox());
    EXPECT_EQ(PM->findChild<PictureViewer*>(), nullptr);
    EXPECT_NE(pictureBox()->cursor().shape(), Qt::PointingHandCursor);

    choose(1);
    click(proses());
    EXPECT_EQ(pictureBox()->cursor().shape(), Qt::PointingHandCursor);
    clickOnScreen(pictureBox());
    auto* viewer = PM->findChild<PictureViewer*>();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    const QString file = loco::localPath(QString::fromStdString(*loco::shippedData().maintenance.at(1).picture));
    EXPECT_EQ(viewer->image().size(), QImageReader(file).size());
    // Fitted into nine tenths of the screen, keeping the picture's shape.
    const QSize room = viewer->screen()->availableGeometry().size() * 0.9;
    EXPECT_TRUE(viewer->width() <= room.width() && viewer->height() <= room.height());
    EXPECT_NEAR(
        double(viewer->width()) / viewer->height(), double(viewer->image().width()) / viewer->image().height(), 0.01);

    // Fitted, it needs no scroll bars; pixel for pixel it is larger than the
    // window, and the keys pan.
    QScrollBar* across = viewer->horizontalScrollBar();
    QScrollBar* down = viewer->verticalScrollBar();
    EXPECT_FALSE(across->isVisible() || down->isVisible());
    pressKey(Qt::Key_1);
    EXPECT_EQ(viewer->zoom(), 1.0);
    ASSERT_TRUE(across->isVisible() && down->isVisible());
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_PageDown);
    EXPECT_GT(across->value(), 0);
    EXPECT_GT(down->value(), 0);
    pressKey(Qt::Key_Minus);
    EXPECT_LT(viewer->zoom(), 1.0);
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());

    // From the keyboard: the text box's menu opens the same viewer again.
    QMenu* menu = contextMenuAt(procedure());
    ASSERT_NE(menu, nullptr);
    chooseMenuItem(menu, QStringLiteral("Perbesar gambar"));
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(PM->findChildren<PictureViewer*>().size(), 1);
}

TEST_F(MaintenanceWindowTest, SelesaiHidesAndTheMenuBringsBackTheSameProcedure)
{
    choose(2);
    click(proses());
    click(control(PM, "BitBtn3"));
    EXPECT_FALSE(PM->isVisible());

    menu1->showModeless();
    click(control(menu1, "SpeedButton3"));
    EXPECT_TRUE(PM->isVisible());
    expectShown(2);
    EXPECT_EQ(pictureBox()->image(), pictureOf(QStringLiteral("d:\\delpi_hasil\\gambar\\maintance\\gbm_3,4.jpg")));
}

TEST_F(MaintenanceWindowTest, PicturesAreReadAgainEachTime)
{
    QTemporaryDir drive;
    ASSERT_TRUE(QDir().mkpath(drive.path() + "/D/delpi_hasil"));
    const QString resetFile = drive.path() + "/D/delpi_hasil/ker3.jpg";
    const QString first = loco::localPath(QStringLiteral("d:\\delpi_hasil\\gambar\\maintance\\gbm_5.jpg"));
    const QString second = loco::localPath(QStringLiteral("d:\\delpi_hasil\\gambar\\maintance\\gbm_6.jpg"));
    ASSERT_TRUE(QFile::copy(first, resetFile));
    loco::setDriveRoot(drive.path());

    choose(13);
    click(ulangi());
    EXPECT_EQ(pictureBox()->image(), pictureOf(first));

    ASSERT_TRUE(QFile::remove(resetFile));
    ASSERT_TRUE(QFile::copy(second, resetFile));
    choose(19);
    click(ulangi());
    EXPECT_EQ(pictureBox()->image(), pictureOf(second));
}

// Broken picture folders: type 2 reads gbm_3,4.jpg.
struct BrokenPictureRow {
    const char* name;
    const char* fixture; // copied as gbm_3,4.jpg; nullptr: no file
    bool folder; // whether the maintenance folder exists
    int jpegError; // 0: the file cannot be opened
};
void PrintTo(const BrokenPictureRow& row, std::ostream* out)
{
    *out << row.name;
}

class BrokenPicture : public MaintenanceWindowTest, public testing::WithParamInterface<BrokenPictureRow> {
protected:
    // A drive D: holding only what the row asks for.
    QString brokenDrive()
    {
        const QString root = drive.path();
        if (GetParam().folder) {
            EXPECT_TRUE(QDir().mkpath(root + kMaintenanceFolder));
        }
        if (GetParam().fixture) {
            EXPECT_TRUE(QFile::copy(QStringLiteral(LOKO_JPEG_FIXTURES "/") + GetParam().fixture,
                root + kMaintenanceFolder + "gbm_3,4.jpg"));
        }
        return root;
    }
    QTemporaryDir drive;
};

// A failed load empties the box: the default picture shows, never another
// procedure's picture beside the text.
TEST_P(BrokenPicture, ProsesShowsTheProcedureThenEmptiesThePictureBoxAndReports)
{
    choose(1);
    click(proses());
    click(ulangi());
    const QImage before = pictureBox()->image();
    ASSERT_FALSE(before.isNull());

    const QString root = brokenDrive();
    loco::setDriveRoot(root);
    choose(2);
    {
        ErrorRecorder errors;
        click(proses());
        const QString expected = GetParam().jpegError
            ? QStringLiteral("JPEG error #%1.").arg(GetParam().jpegError)
            : QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                  .arg(root + kMaintenanceFolder + "gbm_3,4.jpg");
        EXPECT_EQ(errors.texts, QStringList{expected});
        EXPECT_EQ(errors.captions, QStringList{QCoreApplication::applicationName()});
    }
    expectShown(2);
    EXPECT_TRUE(pictureBox()->image().isNull());
    EXPECT_FALSE(loco::canEnlarge(pictureBox()));
    EXPECT_NE(pictureBox()->cursor().shape(), Qt::PointingHandCursor);

    // The window goes on working once the pictures are back.
    loco::setDriveRoot({});
    click(ulangi());
    choose(3);
    click(proses());
    expectShown(3);
    EXPECT_EQ(pictureBox()->image(), pictureOf(QStringLiteral("d:\\delpi_hasil\\gambar\\maintance\\gbm_5.jpg")));
}

INSTANTIATE_TEST_SUITE_P(Folders, BrokenPicture,
    testing::Values(BrokenPictureRow{"missing_folder", nullptr, false, 0},
        BrokenPictureRow{"missing_file", nullptr, true, 0},
        BrokenPictureRow{"not_a_jpeg", "not_jpeg.png", true, JERR_NO_SOI},
        BrokenPictureRow{"truncated_jpeg", "truncated.jpg", true, JWRN_JPEG_EOF}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MaintenanceWindowTest, UlangiWithoutTheResetPictureStillResetsTheWindow)
{
    choose(4);
    click(proses());
    ASSERT_FALSE(pictureBox()->image().isNull());

    QTemporaryDir drive;
    loco::setDriveRoot(drive.path());
    ErrorRecorder errors;
    click(ulangi());
    EXPECT_EQ(errors.texts,
        QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                        .arg(drive.path() + "/D/delpi_hasil/ker3.jpg")});
    expectIdleAfterUlangi();
    EXPECT_TRUE(pictureBox()->image().isNull());
}

} // namespace
} // namespace loco
