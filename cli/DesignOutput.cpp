#include "cli/DesignOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/EngValue.h"
#include "engine/Text.h"
#include "engine/design/PartChoices.h"
#include "engine/parts/PartsText.h"

namespace cli {

namespace {

using namespace engine::design;

// Members are built apart and moved in: a reference into an ordered object
// does not survive the next insertion.
Json YieldJson(const YieldResult& yield, const YieldOptions& options) {
    Json windows = Json::object();
    for (const auto& [name, percent] : options.windowPercent)
        windows[name] = percent;
    Json histograms = Json::object();
    for (const Histogram& histogram : yield.histograms)
        histograms[histogram.name] =
            Json{{"from", histogram.from}, {"to", histogram.to}, {"counts", histogram.counts}};
    return Json{{"share", yield.share},
                {"interval", {yield.low, yield.high}},
                {"confidence", yield.confidence},
                {"samples", yield.samples},
                {"within", yield.within},
                {"failed", yield.failed},
                {"distribution", DistributionName(options.distribution)},
                {"windows", std::move(windows)},
                {"histograms", std::move(histograms)}};
}

Json CandidateJson(const DesignReport& report, size_t index) {
    const DesignProblem& problem = report.problem;
    const Candidate& candidate = report.result.candidates[index];
    Json parts = Json::object(), pairs = Json::object(), outputs = Json::object(), errors = Json::object(),
         range = Json::object();
    for (size_t p = 0; p < problem.parts.size(); ++p) {
        const PartChoice& choice = candidate.parts[p];
        parts[problem.parts[p].name] = choice.value;
        if (choice.pair)
            pairs[problem.parts[p].name] =
                Json{choice.pair->a, choice.pair->b, PairWiring(*choice.pair, problem.parts[p].kind)};
    }
    for (size_t t = 0; t < problem.targets.size(); ++t) {
        const std::string& name = problem.targets[t].name;
        outputs[name] = candidate.outputs[t];
        errors[name] = candidate.errors[t];
        range[name] = Json{candidate.low[t], candidate.high[t]};
    }
    Json out{{"parts", std::move(parts)}};
    if (report.pairs)
        out["pairs"] = std::move(pairs);
    out["outputs"] = std::move(outputs);
    out["errors"] = std::move(errors);
    out["score"] = candidate.score;
    out["range"] = std::move(range);
    if (index < report.yields.size())
        out["yield"] = YieldJson(report.yields[index], report.yieldOptions);
    return out;
}

// The field notation without the blanks a plain unit leaves for its prefix.
std::string Field(double value) {
    std::string text = engine::Latin1ToUtf8(FormatEngValue(value));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string Percent(double fraction, const char* format = "%+.2f %%") {
    char text[48];
    std::snprintf(text, sizeof text, format, fraction * 100);
    return text;
}

std::string PartText(const DesignPart& part, const PartChoice& choice) {
    if (choice.pair)
        return engine::Latin1ToUtf8(engine::parts::PairText(*choice.pair, part.kind)) + " (" +
               Field(choice.value) + ")";
    return Field(choice.value);
}

void AppendHistogram(std::string& out, const Histogram& histogram) {
    const int most = *std::max_element(histogram.counts.begin(), histogram.counts.end());
    const double width = (histogram.to - histogram.from) / static_cast<double>(histogram.counts.size());
    out += "  distribution of " + histogram.name + ":\n";
    for (size_t b = 0; b < histogram.counts.size(); ++b) {
        const double from = histogram.from + width * static_cast<double>(b);
        const int bar = most == 0 ? 0 : (histogram.counts[b] * 40 + most - 1) / most;
        char line[64];
        std::snprintf(line, sizeof line, " %7d ", histogram.counts[b]);
        std::string at = Field(from);
        at.resize(std::max<size_t>(at.size(), 10), ' ');
        out += "    " + at + line + std::string(static_cast<size_t>(bar), '#') + "\n";
    }
}

}  // namespace

Json DesignJson(const DesignReport& report) {
    Json targets = Json::array();
    for (const DesignTarget& target : report.problem.targets)
        targets.push_back(Json{{"name", target.name}, {"value", target.value}});
    Json candidates = Json::array();
    for (size_t i = 0; i < report.result.candidates.size(); ++i)
        candidates.push_back(CandidateJson(report, i));
    return Json{{"form", report.problem.form->className},
                {"mode", report.problem.mode},
                {"targets", std::move(targets)},
                {"candidates", std::move(candidates)}};
}

std::string DesignText(const DesignReport& report) {
    const DesignProblem& problem = report.problem;
    std::string out =
        std::string(problem.form->alias) + ", \"" + engine::Latin1ToUtf8(problem.modeCaption) + "\":";
    for (size_t t = 0; t < problem.targets.size(); ++t)
        out += std::string(t == 0 ? " " : ", ") + problem.targets[t].name + " = " +
               Field(problem.targets[t].value);
    out += "\nbuilt with \"" + engine::Latin1ToUtf8(problem.asBuiltCaption) + "\";";
    for (size_t p = 0; p < problem.parts.size(); ++p) {
        const DesignPart& part = problem.parts[p];
        out += std::string(p == 0 ? " " : ", ") + part.name + " " +
               (part.fixed ? "fixed" : engine::parts::SeriesName(part.series));
    }
    out += "\n";
    if (report.result.candidates.empty())
        out += "No combination of these parts gives the targets.\n";
    for (size_t i = 0; i < report.result.candidates.size(); ++i) {
        const Candidate& candidate = report.result.candidates[i];
        out += "\n" + std::to_string(i + 1) + ".";
        for (size_t p = 0; p < problem.parts.size(); ++p)
            out += std::string(p == 0 ? " " : ", ") + problem.parts[p].name + " = " +
                   PartText(problem.parts[p], candidate.parts[p]);
        out += ";  score " + Percent(candidate.score, "%.3f %%") + "\n";
        for (size_t t = 0; t < problem.targets.size(); ++t)
            out += "   " + problem.targets[t].name + " = " + Field(candidate.outputs[t]) + " (" +
                   Percent(candidate.errors[t]) + "), worst case " + Field(candidate.low[t]) + " to " +
                   Field(candidate.high[t]) + "\n";
        if (i < report.yields.size()) {
            const YieldResult& yield = report.yields[i];
            out += "   yield " + Percent(yield.share, "%.2f %%") + " (" + Percent(yield.low, "%.2f %%") +
                   " to " + Percent(yield.high, "%.2f %%") + " at " + Percent(yield.confidence, "%g %%") +
                   ") of " + std::to_string(yield.samples) + " " +
                   DistributionName(report.yieldOptions.distribution) + " builds\n";
        }
    }
    if (!report.yields.empty()) {
        out += "\nBest candidate:\n";
        for (const Histogram& histogram : report.yields.front().histograms)
            AppendHistogram(out, histogram);
    }
    return out;
}

}  // namespace cli
