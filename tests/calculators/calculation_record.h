#pragma once

#include "calculators/core/result_sink.h"
#include "tests/calculators/error_message.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace loco {

// One thing a calculation did to its window.
template <typename Result> struct Effect {
    enum Kind { Text, Show, Conclusion } kind;
    Result field{};
    std::string text;

    bool operator==(const Effect&) const = default;

    friend void PrintTo(const Effect& effect, std::ostream* out)
    {
        if (effect.kind == Conclusion)
            *out << "conclusion";
        else if (effect.kind == Show)
            *out << "show #" << int(effect.field);
        else
            *out << '#' << int(effect.field) << '=' << effect.text;
    }
};

template <typename Result> Effect<Result> text(Result field, std::string text)
{
    return {Effect<Result>::Text, field, std::move(text)};
}

template <typename Result> Effect<Result> shown(Result fillIn)
{
    return {Effect<Result>::Show, fillIn, {}};
}

template <typename Result> Effect<Result> conclusion()
{
    return {Effect<Result>::Conclusion, {}, {}};
}

// A window stand-in: records the effects in order and the last text of each field.
template <typename Result> class RecordingSink : public ResultSink<Result> {
public:
    void result(Result field, const std::string& text) override
    {
        effects.push_back(loco::text(field, text));
        written.insert_or_assign(field, text);
    }
    void show(Result fillIn) override { effects.push_back(shown(fillIn)); }
    void showConclusion() override { effects.push_back(conclusion<Result>()); }

    std::vector<Effect<Result>> effects;
    std::map<Result, std::string> written;
};

template <typename Entries> using EntryTexts = std::vector<std::pair<std::string Entries::*, std::string>>;

template <typename Entries> Entries replaced(Entries entries, const EntryTexts<Entries>& texts)
{
    for (const auto& [entry, text] : texts)
        entries.*entry = text;
    return entries;
}

// Starts with every entry empty and fills them in `order` one by one: each
// time the calculation must fail naming the next entry, so an entry read out
// of turn or under another's name shows.
template <typename Name, typename Entries, typename Compute>
void expectReadOrder(
    const Entries& filled, std::initializer_list<std::pair<std::string Entries::*, Name>> order, Compute compute)
{
    Entries entries{};
    for (const auto& [entry, name] : order) {
        const std::optional<EntryName> named = thrown([&] { compute(entries); }).entry;
        EXPECT_TRUE(named && *named == EntryName(name)) << "expected entry #" << int(name);
        entries.*entry = filled.*entry;
    }
    EXPECT_EQ(thrown([&] { compute(entries); }).message, "");
}

} // namespace loco
