// Arbitrary bytes as a knowledge file and as a tutorial file, whose interval
// headers are read against its lines. Every failure must be a loco::Error
// that names the file and one of its lines, and every finding of the
// knowledge checks must point at a line of the file; anything else aborts,
// and the sanitizers catch the rest. The dialogue is walked too: each
// question of a base that parses is answered both ways.

#include "diagnosis/core/consistency.h"
#include "diagnosis/core/knowledge_parser.h"
#include "toolkit/core/error.h"
#include "tutorials/core/maintenance_interval.h"
#include "tutorials/core/tutorial_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kFileName = "fuzz.txt";

// "fuzz.txt:<line>: <problem>", the line within the file.
void requireLocated(const loco::Error& error, std::size_t lineCount)
{
    const std::string_view message = error.what();
    if (!message.starts_with(kFileName) || message.size() <= kFileName.size() || message[kFileName.size()] != ':')
        std::abort();
    const std::size_t digits = kFileName.size() + 1;
    const std::size_t colon = message.find(':', digits);
    if (colon == std::string_view::npos || colon == digits || message.substr(colon, 2) != ": ")
        std::abort();
    std::size_t line = 0;
    for (const char c : message.substr(digits, colon - digits)) {
        if (c < '0' || c > '9')
            std::abort();
        line = line * 10 + std::size_t(c - '0');
    }
    if (line < 1 || line > lineCount)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t lineCount = 1 + std::size_t(std::count(text.begin(), text.end(), '\n'));
    try {
        const loco::KnowledgeBase base = loco::parseKnowledgeBase(text, kFileName);
        for (const loco::Diagnostic& finding : loco::findInconsistencies(base, kFileName)) {
            if (finding.file != kFileName || finding.line < 1 || finding.line > lineCount)
                std::abort();
        }
        for (const loco::Question& question : base.questions()) {
            base.answer(question.text, loco::Answer::Ya);
            base.answer(question.text, loco::Answer::Tidak);
        }
    } catch (const loco::Error& error) {
        requireLocated(error, lineCount);
    }
    try {
        const loco::TutorialFile file = loco::parseTutorialFile({std::string(kFileName), text});
        for (const loco::HeaderLine& header : file.intervals) {
            try {
                loco::readTaskInterval(header, 1, file.lines, kFileName);
            } catch (const loco::Error& error) {
                requireLocated(error, lineCount);
            }
        }
    } catch (const loco::Error& error) {
        requireLocated(error, lineCount);
    }
    return 0;
}
