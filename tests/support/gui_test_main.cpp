#include "tests/support/shipped_data.h"
#include "toolkit/application.h"
#include "toolkit/error_box.h"
#include "toolkit/regional_settings.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests run headless (offscreen unless a test names another platform)
// with the built-in data loaded as at start-up, a fixed decimal separator,
// and an error box that a test did not ask to record fails the test instead
// of blocking it.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    loco::setUpApplication(app);
    loco::shippedData();
    loco::setDecimalSeparator(',');
    loco::setErrorReporter(
        [](const QString&, const QString& text) { ADD_FAILURE() << "unexpected error box: " << text.toStdString(); });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
