#include "toolkit/drive_path.h"

#include <gtest/gtest.h>

namespace loco {
namespace {

TEST(DrivePath, MapsADriveLetterPathUnderTheDriveFolderKeepingTheRest)
{
    loco::setDriveRoot("/opt/loco/share/lokomotif");
    EXPECT_EQ(loco::localPath("d:\\delpi_hasil\\gambar\\tuneup\\gbt_2 valve.jpg"),
        QStringLiteral("/opt/loco/share/lokomotif/D/delpi_hasil/gambar/tuneup/gbt_2 valve.jpg"));
    EXPECT_EQ(loco::localPath("D:\\delpi_hasil\\gambar\\maintance\\gbm_1,2.jpg"),
        QStringLiteral("/opt/loco/share/lokomotif/D/delpi_hasil/gambar/maintance/gbm_1,2.jpg"));
    EXPECT_EQ(loco::localPath("c:ker3.jpg"), QStringLiteral("/opt/loco/share/lokomotif/C/ker3.jpg"));
    loco::setDriveRoot({});
}

TEST(DrivePath, LeavesOtherPathsAlone)
{
    EXPECT_EQ(loco::localPath("/tmp/a.jpg"), QStringLiteral("/tmp/a.jpg"));
    EXPECT_EQ(loco::localPath("ker3.jpg"), QStringLiteral("ker3.jpg"));
}

TEST(DrivePath, DrivesLieInTheDataFolderWhereTheBuildPutsThePictures)
{
    EXPECT_EQ(loco::driveRoot(), QStringLiteral(LOKO_DATA_DIR));
}

} // namespace
} // namespace loco
