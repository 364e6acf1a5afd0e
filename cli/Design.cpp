#include "cli/Design.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/Calculation.h"
#include "cli/DesignOutput.h"
#include "engine/Text.h"
#include "engine/design/Search.h"
#include "engine/design/Yield.h"

namespace cli {

namespace {

using namespace engine::design;

constexpr int kMaxTop = 100;

struct DesignArguments {
    std::string form;
    std::vector<std::string> modes;
    std::vector<std::string> assignments;
    std::string seriesR = "E24", seriesC = "E12";
    std::vector<std::string> fixed;
    bool pairs = false;
    int top = kDefaultTop;
    std::vector<std::string> tolerances;
    std::vector<std::string> windows;
    int samples = 10000;
    std::uint64_t seed = 1;
    std::string distribution = "uniform";
    bool json = false;
};

engine::parts::Series SeriesOrFail(const std::string& name) {
    const auto series = engine::parts::ParseSeries(name);
    if (!series)
        throw UsageError("unknown series \"" + name + "\" (E3, E6, E12, E24, E48, E96, E192)");
    return *series;
}

// One value per occurrence, so that field texts after an option stay field texts.
CLI::Option* Repeated(CLI::App& command, const char* name, std::vector<std::string>& into, const char* about,
                      const char* type) {
    return command.add_option(name, into, about)
        ->type_name(type)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

engine::FormState Calculated(const engine::FormModel& form, const DesignArguments& arguments) {
    FormRequest request;
    for (const std::string& mode : arguments.modes)
        request.modes.push_back(ParseModeOption(mode));
    for (const std::string& assignment : arguments.assignments)
        request.texts.push_back(ParseFieldAssignment(assignment));
    const Calculation calculation = Calculate(form, request);
    engine::FormState state = calculation.state;
    state.texts = calculation.result.texts;
    return state;
}

std::string Names(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

std::string PartNames(const DesignProblem& problem) {
    std::vector<std::string> names;
    for (const DesignPart& part : problem.parts)
        names.push_back(part.name);
    return Names(names);
}

std::string TargetNames(const DesignProblem& problem) {
    std::vector<std::string> names;
    for (const DesignTarget& target : problem.targets)
        names.push_back(target.name);
    return Names(names);
}

void Run(const DesignArguments& arguments) {
    const engine::FormModel& form = FindFormOrFail(arguments.form);
    DesignOptions options;
    options.seriesR = SeriesOrFail(arguments.seriesR);
    options.seriesC = SeriesOrFail(arguments.seriesC);
    options.pairs = arguments.pairs;
    options.fixed.insert(arguments.fixed.begin(), arguments.fixed.end());
    for (const std::string& tolerance : arguments.tolerances) {
        std::string part;
        double percent = 0;
        if (!ParseNamedNumber(tolerance, part, percent) || percent < 0 || percent >= 100)
            throw UsageError("--tol takes PART=PERCENT (0 to below 100), not \"" + tolerance + "\"");
        options.tolerancePercent[part] = percent;
    }
    YieldOptions yieldOptions;
    for (const std::string& window : arguments.windows) {
        std::string output;
        double percent = 0;
        if (!ParseNamedNumber(window, output, percent) || percent <= 0 || percent > 1000)
            throw UsageError("--window takes OUTPUT=PERCENT (above 0, at most 1000), not \"" + window + "\"");
        yieldOptions.windowPercent[output] = percent;
    }
    yieldOptions.samples = arguments.samples;
    yieldOptions.seed = arguments.seed;
    yieldOptions.distribution =
        arguments.distribution == "normal" ? Distribution::kNormal : Distribution::kUniform;

    const engine::FormState state = Calculated(form, arguments);
    // The names first, from the form's parts whatever else is wrong.
    const DesignProblem named = MakeProblem(form, state);
    for (const std::string& name : arguments.fixed) {
        if (named.Searchable() && named.PartIndex(name) < 0)
            throw UsageError("--fix " + name + ": no such part (parts: " + PartNames(named) + ")");
    }
    for (const auto& [name, percent] : options.tolerancePercent) {
        if (named.Searchable() && named.PartIndex(name) < 0)
            throw UsageError("--tol " + name + ": no such part (parts: " + PartNames(named) + ")");
    }
    for (const auto& [name, percent] : yieldOptions.windowPercent) {
        if (named.Searchable() && named.TargetIndex(name) < 0)
            throw UsageError("--window " + name + ": no target of this mode (targets: " + TargetNames(named) +
                             ")");
    }
    const DesignProblem problem = MakeProblem(form, state, options);
    if (!problem.Searchable())
        throw UsageError(std::string(form.className) + ": " + engine::Latin1ToUtf8(problem.why));

    const SearchResult result = Search(problem, arguments.top);
    std::vector<YieldResult> yields;
    if (!yieldOptions.windowPercent.empty()) {
        for (const Candidate& candidate : result.candidates)
            yields.push_back(EstimateYield(problem, candidate, yieldOptions));
    }
    const DesignReport report{problem, result, yields, yieldOptions, arguments.pairs};
    const std::string out = arguments.json ? DesignJson(report).dump(2) + "\n" : DesignText(report);
    std::fwrite(out.data(), 1, out.size(), stdout);
}

}  // namespace

bool ParseNamedNumber(const std::string& text, std::string& name, double& number) {
    const size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == text.size())
        return false;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + equals + 1, end, number);
    if (error != std::errc() || stop != end || !std::isfinite(number))
        return false;
    name = text.substr(0, equals);
    return true;
}

void AddDesignCommand(CLI::App& app) {
    auto arguments = std::make_shared<DesignArguments>();
    CLI::App* command = app.add_subcommand(
        "design", "The best combinations of standard parts for what the form is given, and their yield");
    command->add_option("FORM", arguments->form, "Form alias or class name (see: voltaris-cli list)")
        ->required();
    Repeated(*command, "--mode", arguments->modes, "Mode INDEX of the first group, or GROUP:INDEX", "MODE");
    command->add_option("FIELD=TEXT", arguments->assignments, "Text typed into a field (control id or name)");
    command->add_option("--series-r", arguments->seriesR, "Series of the resistors (default E24)");
    command->add_option("--series-c", arguments->seriesC, "Series of the capacitors (default E12)");
    Repeated(*command, "--fix", arguments->fixed, "Hold a part at the form's value", "PART");
    command->add_flag("--pairs", arguments->pairs, "A part may also be two, in series or in parallel");
    command->add_option("--top", arguments->top, "How many combinations to print (default 10)")
        ->check(CLI::Range(1, kMaxTop));
    Repeated(*command, "--tol", arguments->tolerances, "Tolerance of a part in percent", "PART=PCT");
    Repeated(*command, "--window", arguments->windows, "Yield window of a target, plus or minus percent",
             "OUTPUT=PCT");
    command->add_option("--samples", arguments->samples, "Monte Carlo builds per combination (default 10000)")
        ->check(CLI::Range(1, kMaxSamples));
    command->add_option("--seed", arguments->seed, "Seed of the Monte Carlo (default 1)")
        ->check(CLI::NonNegativeNumber);
    command
        ->add_option("--distribution", arguments->distribution,
                     "uniform (default) or normal, within the tolerance")
        ->check(CLI::IsMember({"uniform", "normal"}));
    command->add_flag("--json", arguments->json, "Print JSON");
    command->callback([arguments] {
        try {
            Run(*arguments);
        } catch (const UsageError& error) {
            throw CLI::ValidationError(error.what());
        }
    });
}

}  // namespace cli
