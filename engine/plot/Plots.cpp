#include "engine/plot/Plots.h"

#include <algorithm>
#include <vector>

#include "core/EngValue.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/plot/PlotChecks.h"

namespace engine::plot {

namespace {

PlotResult PlotOf(const FormModel& form, const FormPlot& declared, const FormState& state) {
    // The texts are those the recalculation was given: worked out again, the
    // computed fields take exactly the values the form shows.
    const FormState normalised = Normalised(form, state);
    const std::vector<double> given = ParseFields(form, normalised.texts);
    std::vector<double> values = given;
    const std::vector<int>& modes = normalised.modes;
    const std::vector<int>& checks = normalised.checks;
    Compute(form, values, modes, checks, nullptr);
    for (const int field : declared.needs) {
        const std::string name = form.fields[static_cast<size_t>(field)].name;
        const double value = values[static_cast<size_t>(field)];
        const size_t index = static_cast<size_t>(field);
        const bool errorText =
            index < state.texts.size() && state.texts[index] == FormatEngValue(kErrorValue);
        if (value == kErrorValue || !std::isfinite(value) || errorText)
            return {std::nullopt, name + " shows Error: no curve to draw."};
        // Zero as the field shows it: 1.00 p (kTinyValue itself) is a value.
        if (value < kTinyValue)
            return {std::nullopt, name + " is zero: no curve to draw."};
    }
    return declared.build({values, modes, checks, given});
}

}  // namespace

bool HasPlot(const FormModel& form) {
    return form.plot.build != nullptr;
}

PlotResult MakePlot(const FormModel& form, const FormState& state, const FormState* asBuilt) {
    if (!HasPlot(form))
        return {std::nullopt, std::string(form.caption) + " has no plot."};
    PlotResult result = PlotOf(form, form.plot, state);
    if (!result.plot)
        return result;
    if (asBuilt != nullptr) {
        PlotResult built = PlotOf(form, form.plot, *asBuilt);
        if (built.plot) {
            for (Curve& s : built.plot->curves) {
                s.name += " (as built)";
                s.asBuilt = true;
                result.plot->curves.push_back(std::move(s));
            }
        } else {
            result.message = "As built: " + built.message;
        }
    }
    FitAxes(*result.plot);
    if (const std::string why = Unreadable(*result.plot); !why.empty())
        return {std::nullopt, why};
    return result;
}

}  // namespace engine::plot
