#pragma once

#include "diagnosis/core/knowledge_base.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace loco {

// The six systems, in the order of the items of the radio group "Jenis Gangguan".
enum class System { EngineDrive, Cooling, Lubrication, Fuel, Exhaust, Brakes };

inline constexpr std::size_t kSystemCount = 6;

inline constexpr std::array<System, kSystemCount> kAllSystems{
    System::EngineDrive,
    System::Cooling,
    System::Lubrication,
    System::Fuel,
    System::Exhaust,
    System::Brakes,
};

// Radio item captions, indexed like System.
inline constexpr std::array<std::string_view, kSystemCount> kSystemCaptions{
    "sistem pengerak mesin",
    "sistem pendingin",
    "sistem pelumasan",
    "sistem bahan bakar",
    "sistem gas buang",
    "sistem rem",
};

// The data file of each system, indexed like System.
inline constexpr std::array<std::string_view, kSystemCount> kSystemFileNames{
    "pengerak_mesin.txt",
    "pendingin.txt",
    "pelumasan.txt",
    "bahan_bakar.txt",
    "gas_buang.txt",
    "rem.txt",
};

// One knowledge base per system. The window passes the radio group's item
// index as it stands: -1 (nothing selected) or any other index outside 0..5
// selects no system, and then nothing happens.
class KnowledgeSet {
public:
    KnowledgeBase& operator[](System system) { return bases_[static_cast<std::size_t>(system)]; }
    const KnowledgeBase& operator[](System system) const { return bases_[static_cast<std::size_t>(system)]; }

    // What pressing "YA" or "TIDAK" does while questionLine is shown.
    Step answer(int system, std::string_view questionLine, Answer answer) const;
    // The question that "Mulai" shows; empty for no system.
    std::string_view startQuestion(int system) const;

    // The edition of the files the bases were read from (knowledgeEdition()).
    const std::string& edition() const { return edition_; }
    void setEdition(std::string edition) { edition_ = std::move(edition); }

private:
    const KnowledgeBase* find(int system) const;

    std::array<KnowledgeBase, kSystemCount> bases_;
    std::string edition_;
};

} // namespace loco
