// The diagnosis companion, side by side with naive recomputation from the
// knowledge files: the causes still possible after an answer (the core's
// candidate set, and the whole companion updated and painted), and a search
// over all six systems, keystroke by keystroke (the core's, and the results
// updated and painted). Budgets are checked on CPU time.

#include "bench/bench_setup.h"
#include "bench/median_reporter.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/core/candidate_causes.h"
#include "diagnosis/core/knowledge_check.h"
#include "diagnosis/core/symptom_search.h"
#include "diagnosis/diagnosis_companion.h"
#include "shell/builtin_data.h"
#include "toolkit/application.h"
#include "toolkit/core/error.h"
#include "toolkit/radio_group.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <span>

namespace {

constexpr double kCandidateBudgetMs = 1.0;
constexpr double kFrameBudgetMs = 16.0;
constexpr double kKeystrokeBudgetMs = 10.0;
constexpr int kRepetitions = 15;
const std::string kTyped = "radiator bocor";

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
}

std::string lowerWithOneBlank(const std::string& text)
{
    std::string kept;
    for (const char c : text)
        if (c != ' ' || (!kept.empty() && kept.back() != ' '))
            kept += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return kept;
}

std::string fileText(std::string_view name)
{
    QFile file(QStringLiteral(":/diagnosis/data/") + QString::fromUtf8(name.data(), qsizetype(name.size())));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The causes in reach of a question as one would get them without an
// index: read and check the file, walk every answer path from the start and
// keep, past the question, each ending once by its texts with its fewest answers.
std::size_t naiveCandidates(std::string_view file, const std::string& question)
{
    const loco::CheckedKnowledge checked = loco::checkKnowledgeFile(fileText(file), file);
    const loco::KnowledgeBase& base = *checked.base;
    const std::size_t from = base.findQuestion(question);
    std::map<std::string, std::size_t> endings;
    loco::forEachAnswerPath(base, [&](std::span<const loco::AnsweredQuestion> path) {
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (path[i].question != from)
                continue;
            const loco::Outcome& outcome = loco::endingOf(base, path.back());
            const std::string key = outcome.kind == loco::Outcome::Kind::Conclusion
                ? lowerWithOneBlank(base.headings()[outcome.target].text) + "|" + lowerWithOneBlank(outcome.cause)
                : outcome.label;
            const auto [it, added] = endings.try_emplace(key, path.size() - i);
            it->second = std::min(it->second, path.size() - i);
        }
        return true;
    });
    return endings.size();
}

// Levenshtein distance of typed to the nearest prefix of word.
std::size_t prefixDistance(const std::string& typed, const std::string& word)
{
    std::vector<std::size_t> row(word.size() + 1, 0);
    for (std::size_t j = 0; j <= word.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= typed.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= word.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (typed[i - 1] == word[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return *std::min_element(row.begin(), row.end());
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> found(1);
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            found.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!found.back().empty())
            found.emplace_back();
    }
    if (found.back().empty())
        found.pop_back();
    return found;
}

// A search as one would write it without an index: read and parse the six
// files, and measure every typed word against every word of every text.
std::size_t naiveSearch(const std::string& typed)
{
    std::size_t hits = 0;
    const std::vector<std::string> wanted = words(typed);
    for (const std::string_view name : loco::kSystemFileNames) {
        const loco::CheckedKnowledge checked = loco::checkKnowledgeFile(fileText(name), name);
        std::vector<std::string> texts;
        for (const loco::Question& q : checked.base->questions()) {
            texts.push_back(q.text);
            for (const loco::Outcome* o : {&q.ya, &q.tidak})
                if (o->kind == loco::Outcome::Kind::Conclusion)
                    texts.push_back(checked.base->headings()[o->target].text + " " + o->cause);
        }
        for (const std::string& text : texts) {
            std::set<std::size_t> matched;
            for (const std::string& word : words(text))
                for (std::size_t t = 0; t < wanted.size(); ++t)
                    if (prefixDistance(wanted[t], word) <= (wanted[t].size() >= 5 ? 1 : 0))
                        matched.insert(t);
            hits += !matched.empty();
        }
    }
    return hits;
}

QAbstractButton* button(QWidget* window, const char* name)
{
    return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

// The engine dialogue from its start, as the user starts it.
void startEngine(Tdiagno& window)
{
    button(&window, "BitBtn7")->click();
    window.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"))->button(0)->click();
    button(&window, "BitBtn8")->click();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    loco::setUpApplication(app);
    benchmark::Initialize(&argc, argv);

    const std::optional<loco::BuiltinData> data = loco::benchmarkData();
    const loco::KnowledgeSet& knowledge = data->knowledge;
    const loco::KnowledgeBase& engine = knowledge[loco::System::EngineDrive];
    std::vector<loco::Outline> outlines;
    for (const loco::System system : loco::kAllSystems)
        outlines.emplace_back(knowledge[system]);
    const loco::SymptomSearch search(knowledge, outlines);

    const loco::ProcedureOpener opener{[](const loco::ProcedureRef&) { return QStringLiteral("prosedur"); }, {}};
    Tdiagno window(knowledge, {data->links, opener, {}});
    DiagnosisCompanion companion(data->links, opener, window);
    window.show();
    companion.showBeside(false);
    startEngine(window);

    // At the start question every cause of the system is still possible: the largest set.
    configure(benchmark::RegisterBenchmark("candidate_set", [&](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(loco::candidatesFrom(engine, outlines[0], engine.startIndex()));
    }));
    configure(benchmark::RegisterBenchmark("candidate_set_naive", [&](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(naiveCandidates(loco::kSystemFileNames[0], std::string(engine.startQuestion())));
    }));
    // TIDAK along the engine's symptoms: the trail, the causes and the
    // closing texts written again and painted.
    configure(benchmark::RegisterBenchmark("answer_companion_painted", [&](benchmark::State& state) {
        int answered = 0;
        for (auto _ : state) {
            if (answered == 6) {
                state.PauseTiming();
                startEngine(window);
                answered = 0;
                state.ResumeTiming();
            }
            button(&window, "BITBTN2")->click();
            QCoreApplication::processEvents();
            ++answered;
        }
    }));
    configure(benchmark::RegisterBenchmark("search_keystroke", [&](benchmark::State& state) {
        for (auto _ : state)
            for (std::size_t n = 1; n <= kTyped.size(); ++n)
                benchmark::DoNotOptimize(search.search(kTyped.substr(0, n)));
    }));
    configure(benchmark::RegisterBenchmark("search_keystroke_naive", [&](benchmark::State& state) {
        for (auto _ : state)
            for (std::size_t n = 1; n <= kTyped.size(); ++n)
                benchmark::DoNotOptimize(naiveSearch(kTyped.substr(0, n)));
    }));
    auto* field = companion.findChild<QLineEdit*>(QStringLiteral("SearchField"));
    configure(benchmark::RegisterBenchmark("search_keystroke_painted", [&](benchmark::State& state) {
        for (auto _ : state) {
            for (std::size_t n = 1; n <= kTyped.size(); ++n) {
                field->setText(QString::fromStdString(kTyped.substr(0, n)));
                QCoreApplication::processEvents();
            }
            state.PauseTiming();
            field->clear();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }));

    loco::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The searches run once per letter of kTyped: per keystroke, divided.
    const auto check = [&](const char* name, double budgetMs, double per = 1) {
        const auto it = reporter.medians.find(name);
        if (it == reporter.medians.end())
            return; // left out by a filter
        char what[200];
        std::snprintf(what, sizeof what, "median %s: %.4f ms CPU, %.4f ms real per %s (budget %.1f ms)", name,
            it->second.cpuMs / per, it->second.realMs / per, per > 1 ? "keystroke" : "run", budgetMs);
        loco::reportAim(it->second.cpuMs / per <= budgetMs, what);
    };
    const double keystrokes = static_cast<double>(kTyped.size());
    check("candidate_set", kCandidateBudgetMs);
    check("candidate_set_naive", kCandidateBudgetMs);
    check("answer_companion_painted", kFrameBudgetMs);
    check("search_keystroke", kKeystrokeBudgetMs, keystrokes);
    check("search_keystroke_naive", kKeystrokeBudgetMs, keystrokes);
    check("search_keystroke_painted", kKeystrokeBudgetMs, keystrokes);
    return 0;
}
