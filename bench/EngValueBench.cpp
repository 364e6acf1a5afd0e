// ParseEngValue / FormatEngValue beside the C library's "%f" input and
// "%3.2f" output on the same inputs, the baseline they are measured against.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/EngValue.h"

namespace {

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = {
        "4.7k",  "10n",   "100m",  "2.2K", "1.5M", "470p",  "4.7\xB5", "12",  "0",     "1.20 K",
        "3.3 k", "-3.3k", "1000n", "5 ",   "abc",  "Error", "12.00  ", "1e3", "0.001", "68",
    };
    return texts;
}

const std::vector<double>& Values() {
    static const std::vector<double> values = {
        4699.9998, 1e-8, 0.1, 2200.0000476, 1.5e6,   4.7e-10, 4.7e-6, 12,        0,  1200, 1.125,
        -3300,     1e-6, 5,   0.5,          999.999, 1e-12,   1e9,    9999999.9, 68,
    };
    return values;
}

void BM_ParseEngValue(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : Texts())
            benchmark::DoNotOptimize(ParseEngValue(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Texts().size()));
}

void BM_Baseline_sscanf(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : Texts()) {
            float value = 0;
            std::string copy = text;  // ParseEngValue takes its text by value too
            benchmark::DoNotOptimize(std::sscanf(copy.c_str(), "%f", &value));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Texts().size()));
}

void BM_FormatEngValue(benchmark::State& state) {
    for (auto _ : state) {
        for (double value : Values())
            benchmark::DoNotOptimize(FormatEngValue(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Values().size()));
}

void BM_Baseline_snprintf(benchmark::State& state) {
    for (auto _ : state) {
        for (double value : Values()) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%3.2f", value);
            benchmark::DoNotOptimize(std::string(buffer));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Values().size()));
}

BENCHMARK(BM_ParseEngValue);
BENCHMARK(BM_Baseline_sscanf);
BENCHMARK(BM_FormatEngValue);
BENCHMARK(BM_Baseline_snprintf);

}  // namespace
