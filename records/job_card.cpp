#include "records/job_card.h"

#include "records/JobCardDialog.h"
#include "toolkit/core/seam.h"

namespace loco::records {
namespace {

std::optional<JobCardAnswer> showJobCard(QWidget* parent, const JobCardRequest& request)
{
    JobCardDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

Seam<std::optional<JobCardAnswer>(QWidget*, const JobCardRequest&)>& jobCardSeam()
{
    static Seam<std::optional<JobCardAnswer>(QWidget*, const JobCardRequest&)> seam(showJobCard);
    return seam;
}

} // namespace

std::optional<JobCardAnswer> askJobCard(QWidget* parent, const JobCardRequest& request)
{
    return jobCardSeam()(parent, request);
}

JobCardAsker setJobCardAsker(JobCardAsker asker)
{
    return jobCardSeam().replace(std::move(asker));
}

} // namespace loco::records
