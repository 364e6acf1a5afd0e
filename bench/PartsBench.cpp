// A whole parts report per form: standard values, pairs, the as-built result
// and every tolerance corner, as the Parts panel asks for it after each
// recalculation.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/parts/PartsReport.h"

namespace {

using engine::parts::PartsOptions;
using engine::parts::Series;

void AnalyseForm(benchmark::State& run, const engine::FormModel* form, PartsOptions options) {
    const engine::FormState state = engine::OpenedState(*form);
    int corners = 0;
    for (auto _ : run) {
        const engine::parts::PartsReport report = engine::parts::AnalyseParts(*form, state, options);
        corners = report.corners;
        benchmark::DoNotOptimize(report.outputs.data());
    }
    run.counters["corners"] = corners;
}

// Default series, and E192 for both, where the pair search tries the most values.
const int registered = [] {
    PartsOptions finest;
    finest.seriesR = Series::kE192;
    finest.seriesC = Series::kE192;
    for (const engine::FormModel* form : engine::AllForms()) {
        benchmark::RegisterBenchmark((std::string("AnalyseParts/") + form->className).c_str(), AnalyseForm,
                                     form, PartsOptions{});
        benchmark::RegisterBenchmark((std::string("AnalyseParts/") + form->className + "/E192").c_str(),
                                     AnalyseForm, form, finest);
    }
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
