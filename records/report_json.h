#pragma once

#include "toolkit/report.h"

#include <string>
#include <string_view>

// A report kept in a record as structured data, so that a re-print lays it
// out again with the layout of the day. A picture is kept as the file it was
// read from, never as pixels.
namespace loco::records {

// {"format":1,"title":…,"subject":…,"fileStem":…,"madeAt":"2026-12-07T14:30:05+07:00",
//  "sections":[{"heading":…,"picture":"<file>","rows":[{"label":…,"value":…,"unit":…}],"lines":[…]}]}
// Empty parts are left out.
std::string reportToJson(const Report& report);

// The report back, pictures not yet read: each section that had one names it
// in pictureFile, and loco::addPictureFile(section, section.pictureFile) reads
// it at print time (or says in the section that it can no longer be read).
// Throws loco::Error when the text is not such a report.
Report reportFromJson(std::string_view json);

} // namespace loco::records
