#include "tests/records/store_support.h"

#include <QCoreApplication>

#include <gtest/gtest.h>
#include <string_view>

// The store tests run once per engine: --engine=postgresql picks the
// throwaway cluster, anything else SQLite.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lokomotif"));
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--engine=postgresql")
            loco::records::test::setEngineUnderTest(loco::records::Engine::Postgresql);
    return RUN_ALL_TESTS();
}
