#include "engine/parts/PartLines.h"

#include <cmath>
#include <cstdio>

#include "core/EngValue.h"

namespace engine::parts {

namespace {

bool IsValue(double value) {
    return std::isfinite(value) && value != kErrorValue;
}

std::string Percent(double percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f %%", percent);
    return text;
}

// The range a limited field takes: a part's tolerance band or an output's corners.
bool RangeOf(const PartsReport& report, int field, double& low, double& high) {
    for (const PartLine& part : report.parts) {
        if (part.field == field && part.standardised) {
            low = part.standard * (1 - part.tolerancePercent / 100);
            high = part.standard * (1 + part.tolerancePercent / 100);
            return true;
        }
    }
    for (const OutputLine& output : report.outputs) {
        if (output.field == field && IsValue(output.min)) {
            low = output.min;
            high = output.max;
            return true;
        }
    }
    return false;
}

std::string NameOf(const PartsReport& report, int field) {
    for (const PartLine& part : report.parts) {
        if (part.field == field)
            return part.name;
    }
    for (const OutputLine& output : report.outputs) {
        if (output.field == field)
            return output.name;
    }
    return {};
}

bool Inside(const FieldLimit& limit, double low, double high) {
    if (limit.lower)
        return limit.boundAllowed ? low >= limit.bound : low > limit.bound;
    return limit.boundAllowed ? high <= limit.bound : high < limit.bound;
}

}  // namespace

std::optional<double> DeviationPercent(double value, double reference) {
    if (!IsValue(value) || !IsValue(reference) || std::fabs(reference) <= kTinyValue)
        return std::nullopt;
    return (value - reference) / std::fabs(reference) * 100;
}

PartLine ChoosePart(std::string name, int field, PartKind kind, double formValue,
                    const PartsOptions& options) {
    PartLine part;
    part.name = std::move(name);
    part.field = field;
    part.kind = kind;
    part.series = kind == PartKind::kResistor ? options.seriesR : options.seriesC;
    part.formValue = formValue;
    part.standard = formValue;
    const auto tolerance = options.tolerancePercent.find(part.name);
    part.tolerancePercent = tolerance != options.tolerancePercent.end() ? tolerance->second
                            : kind == PartKind::kResistor ? DefaultResistorTolerance(part.series)
                                                          : kDefaultCapacitorTolerance;
    const std::optional<StandardValue> nearest = Nearest(formValue, part.series);
    if (!nearest)
        return part;
    const auto step = options.steps.find(part.name);
    const StandardValue chosen = Step(*nearest, step != options.steps.end() ? step->second : 0);
    part.standardised = true;
    part.standard = chosen.Value();
    part.step = chosen.rank - nearest->rank;
    const StandardValue below = Step(chosen, -1);
    const StandardValue above = Step(chosen, 1);
    part.below = below.rank != chosen.rank ? below.Value() : 0;
    part.above = above.rank != chosen.rank ? above.Value() : 0;
    part.deviationPercent = DeviationPercent(part.standard, formValue);
    part.pair = BestPair(formValue, nearest->Value(), part.series);
    if (part.pair)
        part.pairDeviationPercent = DeviationPercent(part.pair->value, formValue);
    return part;
}

OutputLine MakeOutput(std::string name, std::string unit, int field, double formValue) {
    OutputLine output;
    output.name = std::move(name);
    output.unit = std::move(unit);
    output.field = field;
    output.formValue = formValue;
    return output;
}

void SpreadOutputs(PartsReport& report, const CircuitFunction& circuit) {
    std::vector<double> values, tolerances;
    for (const PartLine& part : report.parts) {
        values.push_back(part.standard);
        tolerances.push_back(part.standardised ? part.tolerancePercent / 100 : 0);
    }
    const CornerResult corners = EvaluateCorners(circuit, values, tolerances, report.outputs.size());
    report.corners = corners.corners;
    for (size_t o = 0; o < report.outputs.size(); ++o) {
        OutputLine& output = report.outputs[o];
        const OutputSpread& spread = corners.outputs[o];
        output.nominal = spread.nominal;
        output.min = spread.min;
        output.max = spread.max;
        output.failedCorners = spread.failedCorners;
        output.deviationPercent = DeviationPercent(spread.nominal, output.formValue);
        if (spread.mostSensitive >= 0)
            output.mostSensitive = report.parts[static_cast<size_t>(spread.mostSensitive)].name;
    }
}

void MarkReport(PartsReport& report, const std::vector<FieldLimit>& limits) {
    for (const PartLine& part : report.parts) {
        if (!part.standardised)
            report.marks.push_back({part.name, "no value to choose a part for"});
        else if (part.deviationPercent && std::fabs(*part.deviationPercent) > kMarkedDeviation)
            report.marks.push_back({part.name, Percent(*part.deviationPercent) + " from the form's value"});
    }
    for (const OutputLine& output : report.outputs) {
        if (!IsValue(output.nominal))
            report.marks.push_back({output.name, "Error with the standard values"});
        else if (output.deviationPercent && std::fabs(*output.deviationPercent) > kMarkedDeviation)
            report.marks.push_back(
                {output.name, Percent(*output.deviationPercent) + " from the form's value"});
        if (output.failedCorners > 0)
            report.marks.push_back({output.name, "Error at " + std::to_string(output.failedCorners) + " of " +
                                                     std::to_string(report.corners) + " tolerance corners"});
    }
    for (const FieldLimit& limit : limits) {
        double low = 0, high = 0;
        if (RangeOf(report, limit.field, low, high) && !Inside(limit, low, high))
            report.marks.push_back({NameOf(report, limit.field), limit.why});
    }
}

}  // namespace engine::parts
