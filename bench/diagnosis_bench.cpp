// One answer in the diagnosis window, with its controls updated (and
// repainted where named so), and loading all the built-in data: six knowledge
// bases and two tutorial tables, read, parsed and checked. Budgets are checked on CPU time: the real time of so short
// a run mostly measures how busy the machine is.

#include "bench/bench_setup.h"
#include "bench/median_reporter.h"
#include "diagnosis/UMENU_DIAGNO.h"
#include "shell/builtin_data.h"
#include "toolkit/application.h"
#include "toolkit/core/error.h"
#include "toolkit/radio_group.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <optional>

namespace {

constexpr double kAnswerBudgetMs = 0.2;
constexpr double kLoadBudgetMs = 2.0;
constexpr double kFrameBudgetMs = 16.0;
constexpr int kRepetitions = 15;
// The brake system is one chain of sixteen questions: fifteen TIDAK answers
// show the next question, the sixteenth writes the closing text.
constexpr int kBrakes = 5;
constexpr int kNextQuestions = 15;

void configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
}

// Starts the brake dialogue as the user does: choose the system, "Mulai".
void startBrakes(Tdiagno& window)
{
    window.BitBtn7Click();
    window.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"))->setItemIndex(kBrakes);
    window.RadioGroup1Click();
    window.BitBtn8Click();
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

    Tdiagno window(data->knowledge, {data->links, {}, {}});
    window.show();
    startBrakes(window);

    configure(benchmark::RegisterBenchmark("tidak_next_question", [&](benchmark::State& state) {
        int shown = 0;
        for (auto _ : state) {
            if (shown == kNextQuestions) {
                state.PauseTiming();
                startBrakes(window);
                shown = 0;
                state.ResumeTiming();
            }
            window.BITBTN2Click();
            QCoreApplication::processEvents();
            ++shown;
        }
    }));
    // Writing a conclusion shows the results box for the first time since
    // "Ulangi"; its first paint is measured on its own.
    configure(benchmark::RegisterBenchmark("ya_conclusion", [&](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            startBrakes(window);
            state.ResumeTiming();
            window.BITBTN1Click();
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }));
    configure(benchmark::RegisterBenchmark("ya_conclusion_painted", [&](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            startBrakes(window);
            state.ResumeTiming();
            window.BITBTN1Click();
            QCoreApplication::processEvents();
        }
    }));
    configure(benchmark::RegisterBenchmark("load_builtin_data", [](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(loco::loadBuiltinData());
    }));

    loco::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto check = [&](const char* name, double budgetMs) {
        const auto it = reporter.medians.find(name);
        if (it == reporter.medians.end())
            return; // left out by a filter
        char what[160];
        std::snprintf(what, sizeof what, "median %s: %.4f ms CPU, %.4f ms real (budget %.1f ms)", name,
            it->second.cpuMs, it->second.realMs, budgetMs);
        loco::reportAim(it->second.cpuMs <= budgetMs, what);
    };
    check("tidak_next_question", kAnswerBudgetMs);
    check("ya_conclusion", kAnswerBudgetMs);
    check("ya_conclusion_painted", kFrameBudgetMs);
    check("load_builtin_data", kLoadBudgetMs);
    return 0;
}
