// One search for the best standard parts, as the Parts panel and
// voltaris-cli design run it: E24 for every part, three parts free, over
// the whole range of values one buys.
#include <benchmark/benchmark.h>

#include <string>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/design/Search.h"
#include "engine/design/Yield.h"

namespace {

using namespace engine::design;

struct Design {
    const char* form;
    int mode;
    std::vector<std::pair<const char*, const char*>> texts;
};

// The designs of the hardest kind: three free parts, one or two targets.
const Design kDesigns[] = {
    {"astable-555", 2, {{"C", "10n"}, {"F", "1k"}, {"Duty", "60"}}},
    {"summator", 1, {{"R3", "10k"}, {"G1", "3.3"}, {"G2", "0.47"}}},
    {"subtractor", 1, {{"R2", "10k"}, {"G1", "2.2"}, {"G2", "1.7"}}},
};

engine::FormState StateOf(const Design& design, const engine::FormModel& form) {
    engine::FormState state = engine::OpenedState(form);
    state.modes[0] = design.mode;
    for (const auto& [name, text] : design.texts)
        state.texts[static_cast<size_t>(form.FieldIndexByName(name))] = text;
    state.texts = engine::Recalculate(form, state).texts;
    return state;
}

void SearchDesign(benchmark::State& run, const Design* design, bool pairs) {
    const engine::FormModel& form = *engine::FindForm(design->form);
    DesignOptions options;
    options.seriesR = options.seriesC = engine::parts::Series::kE24;
    options.pairs = pairs;
    const DesignProblem problem = MakeProblem(form, StateOf(*design, form), options);
    SearchResult result;
    for (auto _ : run) {
        result = Search(problem);
        benchmark::DoNotOptimize(result.candidates.data());
    }
    run.counters["combinations"] = result.combinations;
    run.counters["circuit_runs"] = static_cast<double>(result.circuitRuns);
    run.counters["best_score"] = result.candidates.empty() ? -1 : result.candidates.front().score;
}

void YieldOfBest(benchmark::State& run, const Design* design) {
    const engine::FormModel& form = *engine::FindForm(design->form);
    const DesignProblem problem = MakeProblem(form, StateOf(*design, form));
    const SearchResult result = Search(problem, 1);
    YieldOptions options;
    for (const DesignTarget& target : problem.targets)
        options.windowPercent[target.name] = 5;
    for (auto _ : run)
        benchmark::DoNotOptimize(EstimateYield(problem, result.candidates.front(), options).within);
}

const int registered = [] {
    for (const Design& design : kDesigns) {
        benchmark::RegisterBenchmark((std::string("Search/E24/") + design.form).c_str(), SearchDesign,
                                     &design, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Search/E24/pairs/") + design.form).c_str(), SearchDesign,
                                     &design, true)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::RegisterBenchmark("Yield/10000/astable-555", YieldOfBest, &kDesigns[0])
        ->Unit(benchmark::kMillisecond);
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
