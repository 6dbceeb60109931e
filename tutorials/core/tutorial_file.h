#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loco {

/// One raw tutorial data file: its name (used in error messages) and its bytes.
struct SourceText {
    std::string name;
    std::string text;
};

/// A radio-group item of the tune-up window: group 1..7, item index from 0.
struct RadioChoice {
    int group = 0;
    int item = 0;
    auto operator<=>(const RadioChoice&) const = default;
};

/// A header value and the line it stands on.
struct HeaderLine {
    std::size_t line = 0;
    std::string value;
    bool operator==(const HeaderLine&) const = default;
};

/// The contents of one tutorial data file, exactly as written: nothing is trimmed.
struct TutorialFile {
    std::optional<std::string> caption;
    std::string title;
    std::optional<std::string> picture;
    std::optional<RadioChoice> select;
    std::vector<std::string> lines;
    // Where the table checks point their messages: the lines of "caption",
    // "select" (0 when absent) and "---".
    std::size_t captionLine = 0;
    std::size_t selectLine = 0;
    std::size_t separatorLine = 0;
    // The "interval" header lines of a maintenance entry, as written, with
    // their line numbers; the maintenance table reads and checks them.
    std::vector<HeaderLine> intervals = {};
    bool operator==(const TutorialFile&) const = default;
};

/// Parses one data file: "key: value" header lines ("caption", "title",
/// "picture", "select", any number of "interval") and "# note" lines, a "---"
/// line, then one text line per file line. tutorials/data/README.md describes
/// the format for the people who edit the files.
/// The text is UTF-8, a byte-order mark at its start is ignored, and a
/// picture is a drive path such as d:\folder\name.jpg.
/// Throws loco::Error("<name>:<line>: <problem>") when the text is malformed.
TutorialFile parseTutorialFile(const SourceText& source);

/// A whole number written in digits only ("0042"), or nothing when the text
/// holds anything else or the number does not fit an int.
std::optional<int> parseWholeNumber(std::string_view digits);

} // namespace loco
