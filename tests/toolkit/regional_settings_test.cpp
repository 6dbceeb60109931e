#include "toolkit/regional_settings.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace loco {
namespace {

class RegionalSettingsTest : public testing::Test {
protected:
    void TearDown() override
    {
        qunsetenv("LC_ALL");
        loco::setDecimalSeparator(',');
    }

    static void announceLocaleChange(const char* locale)
    {
        qputenv("LC_ALL", locale);
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
};

TEST_F(RegionalSettingsTest, ReadsTheSeparatorAgainWhenTheDesktopAnnouncesAChange)
{
    announceLocaleChange("id_ID.UTF-8");
    EXPECT_EQ(loco::decimalSeparator(), ',');
    announceLocaleChange("en_US.UTF-8");
    EXPECT_EQ(loco::decimalSeparator(), '.');
    announceLocaleChange("de_DE.UTF-8");
    EXPECT_EQ(loco::decimalSeparator(), ',');
}

} // namespace
} // namespace loco
