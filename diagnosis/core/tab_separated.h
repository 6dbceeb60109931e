#pragma once

#include <functional>
#include <string_view>
#include <vector>

// The knowledge files and the cases file are lines of TAB-separated fields.
namespace loco {

// Calls read for each line of text, without its line end (\n or \r\n), with
// lines counted from 1.
void forEachLine(std::string_view text, const std::function<void(std::string_view line)>& read);

// The fields between the TABs of a line; a line without a TAB is one field.
std::vector<std::string_view> splitFields(std::string_view line);

} // namespace loco
