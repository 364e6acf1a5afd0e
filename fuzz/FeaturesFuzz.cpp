// What a form offers beside its recalculation, reached as the Parts and Plot
// panels and voltaris-cli's parts, plot, spice and design commands reach it:
// the standard parts (series, tolerances, steps from the nearest value,
// pairs, corners, the form as built), the plot with its SVG, CSV and JSON,
// the SPICE deck (ngspice is not run) and the design search with its yield,
// on budgets small enough for one input to take well under a second. The
// bytes choose the form, the feature, the modes and checks, which fields keep
// the opened form's text and what is typed into the others, then the
// feature's options. Invariants: no crash, no undefined behaviour, no hang,
// no number that is none ("nan", "inf") in any text or JSON written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/DesignOutput.h"
#include "cli/Features.h"
#include "cli/FormRequest.h"
#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/design/Search.h"
#include "engine/design/Yield.h"
#include "engine/parts/PartsText.h"
#include "engine/plot/PlotChecks.h"
#include "engine/plot/PlotFiles.h"
#include "engine/plot/Plots.h"
#include "engine/spice/SpiceDeck.h"
#include "fuzz/Finite.h"
#include "fuzz/Notation.h"

namespace {

using engine::parts::Series;

// What the form was given and what its recalculation wrote back.
struct Input {
    const engine::FormModel& form;
    engine::FormState given;
    engine::FormState shown;
};

[[noreturn]] void Fail(const engine::FormModel& form, const char* what, const std::string& text = {}) {
    std::fprintf(stderr, "%s: %s\n%s\n", form.className, what, text.c_str());
    std::abort();
}

void CheckText(const engine::FormModel& form, const char* what, const std::string& text) {
    if (nonfinite::NonFiniteWord(text) != std::string::npos)
        Fail(form, what, text);
}

void CheckJson(const engine::FormModel& form, const char* what, const cli::Json& json) {
    if (const std::string at = nonfinite::NonFinitePath(json); !at.empty())
        Fail(form, what, at + " in " + json.dump(2));
}

// The form as opened, then some modes and checks changed and texts typed.
engine::FormState Typed(FuzzedDataProvider& bytes, const engine::FormModel& form) {
    engine::FormState state = engine::OpenedState(form);
    for (size_t g = 0; g < form.radioGroups.size(); ++g) {
        const int last = static_cast<int>(form.radioGroups[g].modes.size()) - 1;
        if (const int mode = bytes.ConsumeIntegralInRange<int>(-1, last); mode >= 0)
            state.modes[g] = mode;
    }
    for (int& check : state.checks) {
        if (bytes.ConsumeBool())
            check = check == 0 ? 1 : 0;
    }
    for (std::string& text : state.texts) {
        if (bytes.ConsumeBool())
            text = bytes.ConsumeRandomLengthString(24);
    }
    return state;
}

// One of the first series up to `finest`, or `otherwise`.
Series SeriesFrom(FuzzedDataProvider& bytes, Series otherwise, Series finest = Series::kE192) {
    const int index = bytes.ConsumeIntegralInRange<int>(-1, static_cast<int>(finest));
    return index < 0 ? otherwise : engine::parts::kAllSeries[index];
}

// A percentage in hundredths from `low` up to below `high`.
double PercentFrom(FuzzedDataProvider& bytes, int low, int high) {
    return bytes.ConsumeIntegralInRange<int>(low * 100, high * 100 - 1) / 100.0;
}

// The Parts panel's choices: the two series, a tolerance and a step for some parts.
engine::parts::PartsOptions PartsOptionsFrom(FuzzedDataProvider& bytes, const Input& input) {
    engine::parts::PartsOptions options;
    options.seriesR = SeriesFrom(bytes, options.seriesR);
    options.seriesC = SeriesFrom(bytes, options.seriesC);
    for (const auto& part : engine::parts::AnalyseParts(input.form, input.given, options).parts) {
        if (bytes.ConsumeBool())
            options.tolerancePercent[part.name] = PercentFrom(bytes, 0, 100);
        if (bytes.ConsumeBool())
            options.steps[part.name] = bytes.ConsumeIntegralInRange<int>(-40, 40);
    }
    return options;
}

void FuzzParts(FuzzedDataProvider& bytes, const Input& input) {
    const engine::parts::PartsOptions options = PartsOptionsFrom(bytes, input);
    const engine::parts::PartsReport report = engine::parts::AnalyseParts(input.form, input.given, options);
    CheckText(input.form, "parts text", engine::parts::PartsText(report));
    CheckJson(input.form, "parts JSON", cli::PartsJson(report));
    if (const auto standard = engine::parts::StandardValuesState(input.form, input.given, options)) {
        for (const std::string& text : standard->texts) {
            if (!notation::IsFieldText(text))
                Fail(input.form, "standard values: a text that is not field notation", text);
        }
    }
}

void FuzzPlot(FuzzedDataProvider& bytes, const Input& input) {
    if (!engine::plot::HasPlot(input.form))
        return;
    std::optional<engine::FormState> asBuilt;
    if (bytes.ConsumeBool())
        asBuilt = engine::parts::StandardValuesState(input.form, input.given, PartsOptionsFrom(bytes, input));
    const engine::plot::PlotResult result =
        engine::plot::MakePlot(input.form, input.given, asBuilt ? &*asBuilt : nullptr);
    CheckText(input.form, "plot message", result.message);
    if (!result.plot) {
        if (result.message.empty())
            Fail(input.form, "no plot and no reason");
        return;
    }
    if (const std::string why = engine::plot::Unreadable(*result.plot); !why.empty())
        Fail(input.form, "made a plot it cannot show", why);
    CheckText(input.form, "plot SVG", engine::plot::PlotSvg(*result.plot));
    CheckText(input.form, "plot CSV", engine::plot::PlotCsv(*result.plot));
    CheckJson(input.form, "plot JSON", cli::PlotJson(*result.plot));
}

// The window copies the deck of what it was given, the command line of what it shows.
void FuzzDeck(FuzzedDataProvider& bytes, const Input& input) {
    if (!engine::HasSpiceDeck(input.form))
        return;
    engine::SpiceOptions options;
    options.opamp = bytes.ConsumeBool() ? engine::OpampModel::kGbw : engine::OpampModel::kIdeal;
    const bool asBuilt = bytes.ConsumeBool();
    const engine::FormState& state = bytes.ConsumeBool() ? input.shown : input.given;
    try {
        CheckText(input.form, "deck", cli::SpiceDeckOrRefuse(input.form, state, options, asBuilt));
    } catch (const cli::UsageError& refusal) {
        CheckText(input.form, "deck refusal", refusal.what());
    }
}

engine::design::DesignOptions DesignOptionsFrom(FuzzedDataProvider& bytes, const Input& input) {
    engine::design::DesignOptions options;
    options.pairs = bytes.ConsumeBool();
    // Pairs of a finer series are hundreds of thousands of choices per part: too slow here.
    const Series finest = options.pairs ? Series::kE24 : Series::kE192;
    options.seriesR = SeriesFrom(bytes, options.seriesR, finest);
    options.seriesC = SeriesFrom(bytes, options.seriesC, finest);
    for (const auto& part : engine::design::MakeProblem(input.form, input.shown).parts) {
        if (bytes.ConsumeBool())
            options.fixed.insert(part.name);
        if (bytes.ConsumeBool())
            options.tolerancePercent[part.name] = PercentFrom(bytes, 0, 100);
    }
    return options;
}

engine::design::YieldOptions YieldOptionsFrom(FuzzedDataProvider& bytes,
                                              const engine::design::DesignProblem& problem) {
    engine::design::YieldOptions options;
    for (const auto& target : problem.targets) {
        if (bytes.ConsumeBool())
            options.windowPercent[target.name] = PercentFrom(bytes, 0, 1000) + 0.01;
    }
    options.samples = bytes.ConsumeIntegralInRange<int>(1, 200);
    options.seed = bytes.ConsumeIntegral<std::uint16_t>();
    options.distribution =
        bytes.ConsumeBool() ? engine::design::Distribution::kNormal : engine::design::Distribution::kUniform;
    return options;
}

// As `voltaris-cli design` runs it, on what the form shows; the search stops
// after a few reports of its progress (some thousand circuit runs each).
void FuzzDesign(FuzzedDataProvider& bytes, const Input& input) {
    using namespace engine::design;
    const DesignOptions options = DesignOptionsFrom(bytes, input);
    const DesignProblem problem = MakeProblem(input.form, input.shown, options);
    CheckText(input.form, "design: why not", problem.why);
    if (!problem.Searchable())
        return;
    const int top = bytes.ConsumeIntegralInRange<int>(1, 12);
    int reports = bytes.ConsumeIntegralInRange<int>(0, 3);
    const SearchResult result = Search(problem, top, [&](double done) {
        if (!(done >= 0 && done <= 1))
            Fail(input.form, "design: progress beyond 0 to 1", std::to_string(done));
        return reports-- > 0;
    });
    const YieldOptions yieldOptions = YieldOptionsFrom(bytes, problem);
    std::vector<YieldResult> yields;
    if (!yieldOptions.windowPercent.empty()) {
        for (const Candidate& candidate : result.candidates)
            yields.push_back(EstimateYield(problem, candidate, yieldOptions));
    }
    const cli::DesignReport report{problem, result, yields, yieldOptions, options.pairs};
    CheckJson(input.form, "design JSON", cli::DesignJson(report));
    CheckText(input.form, "design text", cli::DesignText(report));
}

using Feature = void (*)(FuzzedDataProvider&, const Input&);
constexpr Feature kFeatures[] = {FuzzParts, FuzzPlot, FuzzDeck, FuzzDesign};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider bytes(data, size);
    const auto forms = engine::AllForms();
    const engine::FormModel& form = *forms[bytes.ConsumeIntegralInRange<size_t>(0, forms.size() - 1)];
    const Feature feature = kFeatures[bytes.ConsumeIntegralInRange<size_t>(0, std::size(kFeatures) - 1)];
    Input input{form, Typed(bytes, form), {}};
    input.shown = input.given;
    input.shown.texts = engine::Recalculate(form, input.given).texts;
    feature(bytes, input);
    return 0;
}
