#pragma once

#include "records/core/record.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// The "Kartu kerja" dialog: the job card a record is filed with. Any window
// may ask for one (records/filing.h files records with it).
namespace loco::records {

// What the dialog shows before the user types.
struct JobCardRequest {
    QString what; // what is being filed, shown at the top: "Diagnosa – Sistem bahan bakar"
    JobCard card; // the fields filled in beforehand (a unit's number, a status)
    QStringList knownNumbers; // completions for the number, the most likely first
};

// What the user wants after filing, by the button pressed.
enum class AfterFiling { Nothing, Print, SavePdf };

struct JobCardAnswer {
    JobCard card; // the number normalised, names trimmed, every field within its limits
    AfterFiling after = AfterFiling::Nothing;
};

// Shows the dialog modal over parent; nothing when the user cancels (Escape,
// "Batal", the close box).
std::optional<JobCardAnswer> askJobCard(QWidget* parent, const JobCardRequest& request);

// Replaces the dialog (tests answer it instead of blocking); returns the
// previous one. An empty function restores the dialog.
using JobCardAsker = std::function<std::optional<JobCardAnswer>(QWidget* parent, const JobCardRequest& request)>;
JobCardAsker setJobCardAsker(JobCardAsker asker);

} // namespace loco::records
