#pragma once

#include "records/core/record.h"
#include "toolkit/report.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// How a filed record reads: printed as a job card, and in full on screen.
namespace loco::records {

enum class Printing { First, Again };

// The job card of records filed together (with one card): the card's
// fields and the records' numbers, then the work done and the notes, then
// the report each record was filed from, laid out anew from its content
// (its pictures read again from their files), then lines to sign for the
// technician and the checker. A print made again is marked "Cetak ulang" on
// every page, with its own date. Throws loco::Error when a record's content
// cannot be read.
Report jobCardReport(const std::vector<Record>& records, Printing printing = Printing::First);

// A record in full as text, for the history's detail view: the card, where
// it came from, a repeat it is of (repeatNote), and its report.
QString recordText(const Record& record, const QString& repeatNote = {});

} // namespace loco::records
