// voltaris-cli batch in one process: JSON lines in, recalculation, JSON lines
// out, as a script would feed it. Items per second = recalculations a second.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/Batch.h"
#include "engine/Forms.h"
#include "res/ids/ClassAAmpIds.h"

namespace {

constexpr int kLinesPerRun = 1000;

std::string Lines(const std::string& line) {
    std::string lines;
    for (int i = 0; i < kLinesPerRun; ++i)
        lines += line + "\n";
    return lines;
}

void RunLines(benchmark::State& state, const std::string& line) {
    const std::string input = Lines(line);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        cli::RunBatch(in, out);
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * kLinesPerRun);
}

void BM_Batch_OhmsLaw(benchmark::State& state) {
    RunLines(state, R"({"form":"ohms-law","modes":[1],"in":{"R":"4.7k","U":"12"}})");
}
void BM_Batch_Astable555(benchmark::State& state) {
    RunLines(state, R"({"form":"astable-555","modes":[2],"in":{"C":"10n","F":"1k","Duty":"60"}})");
}
void BM_Batch_RcLowPass(benchmark::State& state) {
    RunLines(state, R"({"form":"CRcLowPassDlg","in":{"R":"4.7k","C":"10n"}})");
}
void BM_Batch_ClassA(benchmark::State& state) {
    RunLines(state, R"({"form":"class-a-amp","checks":{")" + std::to_string(ids::class_a_amp::kCheckMaxGain) +
                        R"(":0},"in":{"Vcc":"15","Vin":"100m","Vout":"2"}})");
}

// Every form with its opening texts typed in by name, in its default modes.
void BM_Batch_Opening(benchmark::State& state, const engine::FormModel* form) {
    std::string in;
    for (const engine::FieldModel& field : form->fields)
        in += std::string(in.empty() ? "" : ",") + "\"" + field.name + "\":\"" + field.defaultText + "\"";
    RunLines(state, std::string(R"({"form":")") + form->alias + R"(","in":{)" + in + "}}");
}

const bool kRegistered = [] {
    for (const engine::FormModel* form : engine::AllForms())
        benchmark::RegisterBenchmark((std::string("BM_Batch_Opening/") + form->alias).c_str(), BM_Batch_Opening,
                                     form)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

BENCHMARK(BM_Batch_OhmsLaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_Astable555)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_RcLowPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_ClassA)->Unit(benchmark::kMillisecond);
