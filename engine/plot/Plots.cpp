#include "engine/plot/Plots.h"

#include <algorithm>
#include <vector>

#include "core/EngValue.h"
#include "engine/filters/RcHighPass.h"
#include "engine/filters/RcLowPass.h"
#include "engine/filters/RcNotch.h"
#include "engine/opamp/Differentiator.h"
#include "engine/opamp/Integrator.h"
#include "engine/opamp/SchmittTrigger.h"
#include "engine/oscillators/Astable555.h"
#include "engine/oscillators/GateAstable.h"
#include "engine/oscillators/Monostable555.h"
#include "engine/passive/FilterCap.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/plot/PlotChecks.h"
#include "engine/semiconductors/ClassAAmp.h"
#include "engine/semiconductors/Zener.h"

namespace engine::plot {

namespace {

struct PlotRow {
    const FormModel& (*model)();
    // Fields the curve is drawn from: each must be a number above zero.
    std::vector<int> needs;
    PlotBuilder build;
};

const std::vector<PlotRow>& PlotTable() {
    // clang-format off
    static const std::vector<PlotRow> table{
        {RcLowPassModel, {rc_filter::kR, rc_filter::kC, rc_filter::kFc}, RcLowPassPlot},
        {RcHighPassModel, {rc_filter::kR, rc_filter::kC, rc_filter::kFc}, RcHighPassPlot},
        {RcNotchModel, {rc_filter::kR, rc_filter::kC, rc_filter::kFc}, RcNotchPlot},
        {DifferentiatorModel, {rc_time::kR, rc_time::kC}, DifferentiatorPlot},
        {IntegratorModel, {rc_time::kR, rc_time::kC}, IntegratorPlot},
        {SchmittTriggerModel, {schmitt_trigger::kR1, schmitt_trigger::kR2, schmitt_trigger::kUpwr,
                               schmitt_trigger::kUtrig}, SchmittTriggerPlot},
        {Astable555Model, {astable555::kR1, astable555::kR2, astable555::kC, astable555::kTh,
                           astable555::kTl, astable555::kT}, Astable555Plot},
        {Monostable555Model, {monostable555::kR1, monostable555::kC, monostable555::kT}, Monostable555Plot},
        {GateAstableModel, {gate_astable::kR, gate_astable::kC, gate_astable::kT}, GateAstablePlot},
        {FilterCapModel, {filter_cap::kC, filter_cap::kDeltaU, filter_cap::kI}, FilterCapPlot},
        {ZenerModel, {zener::kUmax, zener::kUmin, zener::kUz, zener::kPzmax, zener::kR, zener::kRcmin},
         ZenerPlot},
        {ClassAAmpModel, {class_a::kVcc, class_a::kBeta, class_a::kVin, class_a::kFmin, class_a::kRc},
         ClassAPlot},
    };
    // clang-format on
    return table;
}

const PlotRow* FindRow(const FormModel& form) {
    const std::vector<PlotRow>& table = PlotTable();
    const auto row =
        std::find_if(table.begin(), table.end(), [&](const PlotRow& r) { return &r.model() == &form; });
    return row == table.end() ? nullptr : &*row;
}

PlotResult PlotOf(const FormModel& form, const PlotRow& row, const FormState& state) {
    // The texts are those the recalculation was given: worked out again, the
    // computed fields take exactly the values the form shows.
    const FormState normalised = Normalised(form, state);
    const std::vector<double> given = ParseFields(form, normalised.texts);
    std::vector<double> values = given;
    const std::vector<int>& modes = normalised.modes;
    const std::vector<int>& checks = normalised.checks;
    Compute(form, values, modes, checks, nullptr);
    for (const int field : row.needs) {
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
    return row.build({values, modes, checks, given});
}

}  // namespace

bool HasPlot(const FormModel& form) {
    return FindRow(form) != nullptr;
}

PlotResult MakePlot(const FormModel& form, const FormState& state, const FormState* asBuilt) {
    const PlotRow* row = FindRow(form);
    if (row == nullptr)
        return {std::nullopt, std::string(form.caption) + " has no plot."};
    PlotResult result = PlotOf(form, *row, state);
    if (!result.plot)
        return result;
    if (asBuilt != nullptr) {
        PlotResult built = PlotOf(form, *row, *asBuilt);
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
