#pragma once

#include "records/core/record.h"
#include "schedule/core/meter_history.h"
#include "toolkit/report.h"

#include <QString>

#include <vector>

class QWidget;

// Filing workshop records from any window: what a record holds of a report,
// and the one way a user files it, through the "Kartu kerja" dialog.
//
//   const Record draft = recordOf(report, RecordKind::Diagnosis, "diagno");
//   const std::vector<Record> filed = fileWithJobCard(window, store, {draft});
//   if (filed.empty()) ...   // the user cancelled: nothing was written
namespace loco::records {

class RecordsStore;

// A record of a report as a window describes it (the same report its Ctrl+P
// prints): the kind, the window's name, the report's subject (else its
// title), conclusion and source, and the whole report as content. The job
// card is added when it is filed.
Record recordOf(const Report& report, RecordKind kind, const QString& window);

// Files the drafts with one job card. Asks for the card (askJobCard), filled
// in with prefill and, where prefill leaves them empty, the depot and
// technician of the user's last card; the user's last numbers and those in
// the records are offered as completions. Then files one record per draft,
// all in one transaction, remembers depot, technician and number in the
// user's configuration (~/.config/lokomotif/kartu-kerja.conf, never in the
// store), and prints or saves the job card's report (jobCardReport) when the
// user asked for it. Returns the records as filed, or none when the user
// cancelled.
//
// readings, when given, are the prefilled unit's meters at the work: they
// are stored with the records (RecordsStore::file) while the card keeps
// that unit's number, and left out when the user names another unit.
//
// A store that cannot file throws loco::Error saying why, what and where
// before any card is shown. A filing that fails says why in the error box
// and shows the card again with what was typed. A print or save that fails
// says why in the error box; the records stay filed.
std::vector<Record> fileWithJobCard(QWidget* parent, RecordsStore& store, const std::vector<Record>& drafts,
    const JobCard& prefill = {}, const std::vector<MeterReading>& readings = {});

} // namespace loco::records
