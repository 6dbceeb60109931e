#include "tests/records/windows_with_records.h"

#include <QTest>

namespace loco::records {

void WindowsWithRecords::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
    WindowsTest::SetUp();
}

RecordsConfig WindowsWithRecords::recordsConfig() const
{
    return {.database = folder.filePath(QStringLiteral("records.sqlite")).toStdString(), .defaultDatabase = false};
}

JobCardAnswers::JobCardAnswers(std::optional<JobCardAnswer> answer)
{
    previous_ = setJobCardAsker([this, answer](QWidget*, const JobCardRequest& request) {
        requests << request;
        return answer;
    });
}

JobCardAnswers::~JobCardAnswers()
{
    setJobCardAsker(previous_);
}

void showActive(FormWindow* window)
{
    window->showModeless();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
}

} // namespace loco::records
