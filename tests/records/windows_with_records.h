#pragma once

#include "records/job_card.h"
#include "tests/support/windows_fixture.h"
#include "toolkit/form_window.h"

#include <QList>
#include <QTemporaryDir>

#include <optional>

namespace loco::records {

// The program's windows filing into an SQLite store of their own, with the
// user's configuration (the remembered job card) in a folder of its own.
class WindowsWithRecords : public WindowsTest {
protected:
    void SetUp() override;
    RecordsConfig recordsConfig() const override;

    QTemporaryDir folder;
};

// Answers the job card in the user's place, keeping what each card was
// asked with; nothing answers as "Batal" does.
class JobCardAnswers {
public:
    explicit JobCardAnswers(std::optional<JobCardAnswer> answer);
    ~JobCardAnswers();
    JobCardAnswers(const JobCardAnswers&) = delete;
    JobCardAnswers& operator=(const JobCardAnswers&) = delete;

    QList<JobCardRequest> requests;

private:
    JobCardAsker previous_;
};

// Shows the window and returns once it is active, taking the keys.
void showActive(FormWindow* window);

} // namespace loco::records
