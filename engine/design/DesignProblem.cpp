#include "engine/design/DesignProblem.h"

#include <algorithm>
#include <cmath>

#include "core/EngValue.h"
#include "engine/design/PartChoices.h"

namespace engine::design {

namespace {

bool IsValue(double value) {
    return std::isfinite(value) && value != kErrorValue;
}

std::vector<int> CompletedModes(const FormModel& form, const FormState& state) {
    std::vector<int> modes;
    for (size_t g = 0; g < form.radioGroups.size(); ++g) {
        const int mode = g < state.modes.size() ? state.modes[g] : -1;
        const int count = static_cast<int>(form.radioGroups[g].modes.size());
        modes.push_back(mode >= 0 && mode < count ? mode : form.radioGroups[g].defaultIndex);
    }
    return modes;
}

bool Contains(const std::vector<int>& fields, int field) {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

std::string Quoted(const char* text) {
    return std::string("\"") + text + "\"";
}

void AddParts(DesignProblem& problem, const parts::FormParts& declared, const DesignOptions& options) {
    const FormModel& form = *problem.form;
    for (const int field : declared.parts) {
        const FieldModel& model = form.fields[static_cast<size_t>(field)];
        DesignPart part;
        part.name = model.name;
        part.field = field;
        part.kind = model.quantity == Quantity::kCapacitance ? parts::PartKind::kCapacitor
                                                             : parts::PartKind::kResistor;
        const bool resistor = part.kind == parts::PartKind::kResistor;
        part.series = resistor ? options.seriesR : options.seriesC;
        part.fixed = options.fixed.count(part.name) != 0;
        part.formValue = problem.values[static_cast<size_t>(field)];
        const auto tolerance = options.tolerancePercent.find(part.name);
        part.tolerance = (tolerance != options.tolerancePercent.end() ? tolerance->second
                          : resistor ? parts::DefaultResistorTolerance(part.series)
                                     : parts::kDefaultCapacitorTolerance) /
                         100;
        if (part.fixed) {
            if (!IsValue(part.formValue) || part.formValue <= kTinyValue) {
                problem.why = part.name + " has no value to hold it at";
                return;
            }
            part.choices = {{part.formValue, 1, std::nullopt}};
        } else {
            part.choices = StandardChoices(part.series, resistor ? options.minR : options.minC,
                                           resistor ? options.maxR : options.maxC, options.pairs);
        }
        problem.parts.push_back(std::move(part));
    }
}

bool Inside(const parts::FieldLimit& limit, double value) {
    if (!IsValue(value))
        return false;
    if (limit.lower)
        return limit.boundAllowed ? value >= limit.bound : value > limit.bound;
    return limit.boundAllowed ? value <= limit.bound : value < limit.bound;
}

// A bound on a part narrows its choices before any circuit is run.
void KeepChoicesWithinLimits(DesignProblem& problem) {
    for (DesignPart& part : problem.parts) {
        for (const parts::FieldLimit& limit : problem.limits) {
            if (limit.field != part.field)
                continue;
            std::erase_if(part.choices,
                          [&](const PartChoice& choice) { return !Inside(limit, choice.value); });
            if (part.choices.empty()) {
                problem.why = part.name +
                              (part.fixed ? " is held at a value the form refuses: "
                                          : " has no standard value the form accepts: ") +
                              limit.why;
                return;
            }
        }
    }
}

}  // namespace

const parts::FormParts* DeclaredParts(const FormModel& form) {
    return parts::FindFormParts(form);
}

int DesignProblem::PartIndex(std::string_view name) const {
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int DesignProblem::TargetIndex(std::string_view name) const {
    for (size_t i = 0; i < targets.size(); ++i) {
        if (targets[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

DesignProblem MakeProblem(const FormModel& form, const FormState& state, const DesignOptions& options) {
    DesignProblem problem;
    problem.form = &form;
    const parts::FormParts* declared = DeclaredParts(form);
    if (declared == nullptr || declared->parts.empty() || form.radioGroups.empty()) {
        problem.why = parts::HasParts(form) ? "its parts come out of its own design, not from its fields"
                      : declared != nullptr ? std::string("no standard parts: ") + declared->noParts
                                            : "no parts declared";
        return problem;
    }
    std::vector<int> modes = CompletedModes(form, state);
    problem.checks.assign(form.checks.size(), 0);
    std::copy_n(state.checks.begin(), std::min(state.checks.size(), problem.checks.size()),
                problem.checks.begin());
    // The form's own values at full precision, as its compute step gives them.
    problem.values = ParseFields(form, state.texts);
    Compute(form, problem.values, modes, problem.checks, nullptr);
    problem.mode = modes[0];
    problem.asBuiltMode = declared->asBuiltMode[static_cast<size_t>(problem.mode)];
    problem.modeCaption = form.radioGroups[0].modes[static_cast<size_t>(problem.mode)].caption;
    problem.asBuiltCaption = form.radioGroups[0].modes[static_cast<size_t>(problem.asBuiltMode)].caption;
    modes[0] = problem.asBuiltMode;
    problem.modes = modes;
    problem.limits = declared->limits;

    const std::vector<int>& given = form.inputsByMode[static_cast<size_t>(problem.mode)];
    const std::vector<int>& built = form.inputsByMode[static_cast<size_t>(problem.asBuiltMode)];
    for (const int field : given) {
        if (Contains(built, field))
            continue;
        const FieldModel& model = form.fields[static_cast<size_t>(field)];
        const double value = problem.values[static_cast<size_t>(field)];
        if (!IsValue(value) || std::fabs(value) <= kTinyValue) {
            problem.why = std::string(model.name) + " is " + (IsValue(value) ? "0" : "Error") +
                          ": there is nothing to aim at";
            return problem;
        }
        problem.targets.push_back({model.name, model.unit, field, value});
    }
    if (problem.targets.empty()) {
        problem.why = "with " + Quoted(problem.modeCaption.c_str()) +
                      " the parts are what the form is given: choose a mode that is given what the "
                      "circuit should do";
        return problem;
    }
    AddParts(problem, *declared, options);
    if (problem.why.empty())
        KeepChoicesWithinLimits(problem);
    return problem;
}

AsBuiltCircuit::AsBuiltCircuit(const DesignProblem& problem) : problem_(problem), scratch_(problem.values) {}

bool AsBuiltCircuit::Run(std::span<const double> parts, std::span<double> targets) {
    std::copy(problem_.values.begin(), problem_.values.end(), scratch_.begin());
    for (size_t p = 0; p < parts.size(); ++p)
        scratch_[static_cast<size_t>(problem_.parts[p].field)] = parts[p];
    Compute(*problem_.form, scratch_, problem_.modes, problem_.checks, nullptr);
    bool all = true;
    for (size_t t = 0; t < targets.size(); ++t) {
        targets[t] = scratch_[static_cast<size_t>(problem_.targets[t].field)];
        all = all && IsValue(targets[t]);
    }
    return all;
}

bool AsBuiltCircuit::WithinLimits() const {
    return std::all_of(problem_.limits.begin(), problem_.limits.end(), [&](const parts::FieldLimit& limit) {
        return Inside(limit, scratch_[static_cast<size_t>(limit.field)]);
    });
}

}  // namespace engine::design
