#include <algorithm>

#include "core/EngValue.h"
#include "engine/parts/FormParts.h"
#include "engine/parts/PartLines.h"
#include "engine/parts/PartsReport.h"

namespace engine::parts {

namespace {

// The modes of the normalised state; a group with no button checked is built
// as in its default mode, since a form without a mode builds nothing.
std::vector<int> SizedModes(const FormModel& form, const FormState& state) {
    std::vector<int> modes = Normalised(form, state).modes;
    for (size_t g = 0; g < modes.size(); ++g) {
        if (modes[g] < 0)
            modes[g] = form.radioGroups[g].defaultIndex;
    }
    return modes;
}

PartKind KindOf(const FieldModel& field) {
    return field.quantity == Quantity::kCapacitance ? PartKind::kCapacitor : PartKind::kResistor;
}

}  // namespace

const char* PartKindName(PartKind kind) {
    return kind == PartKind::kCapacitor ? "capacitor" : "resistor";
}

bool HasParts(const FormModel& form) {
    return form.parts.analyse != nullptr || !form.parts.parts.empty();
}

PartsReport AnalyseParts(const FormModel& form, const FormState& state, const PartsOptions& options) {
    if (form.parts.analyse != nullptr)
        return form.parts.analyse(form, state, options);
    PartsReport report;
    report.form = form.className;
    report.seriesR = options.seriesR;
    report.seriesC = options.seriesC;
    const FormParts* declared = &form.parts;
    if (declared->parts.empty()) {
        report.noParts = *declared->noParts != '\0' ? declared->noParts : "no parts declared";
        return report;
    }
    report.hasParts = true;
    report.canApply = true;
    std::vector<int> modes = SizedModes(form, state);
    const std::vector<int> checks = Normalised(form, state).checks;
    // The form's values at full precision: its own compute step on what it
    // was given, rather than the outputs rounded to their texts.
    std::vector<double> values = ParseFields(form, state.texts);
    Compute(form, values, modes, checks, nullptr);
    modes[0] = declared->asBuiltMode[static_cast<size_t>(modes[0])];
    report.asBuiltMode = modes[0];
    report.asBuiltCaption = form.radioGroups[0].modes[static_cast<size_t>(modes[0])].caption;

    for (const int field : declared->parts) {
        const FieldModel& model = form.fields[static_cast<size_t>(field)];
        report.parts.push_back(
            ChoosePart(model.name, field, KindOf(model), values[static_cast<size_t>(field)], options));
    }
    const std::vector<int>& inputs = form.inputsByMode[static_cast<size_t>(modes[0])];
    for (size_t f = 0; f < form.fields.size(); ++f) {
        if (std::find(inputs.begin(), inputs.end(), static_cast<int>(f)) == inputs.end())
            report.outputs.push_back(
                MakeOutput(form.fields[f].name, form.fields[f].unit, static_cast<int>(f), values[f]));
    }

    std::vector<size_t> outputFields;
    for (const OutputLine& output : report.outputs)
        outputFields.push_back(static_cast<size_t>(output.field));
    std::vector<double> scratch;
    SpreadOutputs(report, [&](std::span<const double> parts, std::span<double> outputs) {
        scratch = values;
        for (size_t p = 0; p < parts.size(); ++p)
            scratch[static_cast<size_t>(declared->parts[p])] = parts[p];
        Compute(form, scratch, modes, checks, nullptr);
        for (size_t o = 0; o < outputs.size(); ++o)
            outputs[o] = scratch[outputFields[o]];
    });
    MarkReport(report, declared->limits);
    return report;
}

std::optional<FormState> StandardValuesState(const FormModel& form, const FormState& state,
                                             const PartsOptions& options) {
    const PartsReport report = AnalyseParts(form, state, options);
    if (!report.canApply)
        return std::nullopt;
    FormState standard = state;
    standard.texts.resize(form.fields.size());
    standard.modes = SizedModes(form, state);
    standard.modes[0] = report.asBuiltMode;
    for (const PartLine& part : report.parts) {
        if (part.standardised)
            standard.texts[static_cast<size_t>(part.field)] = FormatEngValue(part.standard);
    }
    standard.texts = Recalculate(form, standard).texts;
    return standard;
}

}  // namespace engine::parts
