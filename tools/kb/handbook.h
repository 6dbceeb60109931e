#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <string>
#include <vector>

namespace loco::kb {

struct HandbookSystem {
    std::string title;
    const KnowledgeBase* base; // checked, without errors
};

// The printable troubleshooting handbook (A4, Indonesian) as PDF bytes: on
// the first page the symptom index ("Daftar gejala") and the systems with
// their pages; per system a numbered checklist with a tick box per question,
// each saying where YA and TIDAK lead with the page of every conclusion and
// closing text and of every question on another page, then the conclusions
// under their headings and the closing texts, the data's labels small beside
// the numbers. Every page carries the edition and its number. Laid out in
// time linear in the size of the knowledge. Needs a QGuiApplication for the
// fonts.
std::string writeHandbook(const std::vector<HandbookSystem>& systems, const std::string& edition);

} // namespace loco::kb
