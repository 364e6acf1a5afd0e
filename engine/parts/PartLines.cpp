#include "engine/parts/PartLines.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "core/EngValue.h"

namespace engine::parts {

namespace {

bool IsValue(double value) {
    return std::isfinite(value) && value != kErrorValue;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Values a part with none is tried at, by kind: any two that make a working circuit.
constexpr double kProbeResistor = 1e3;
constexpr double kProbeCapacitor = 10e-9;
// The second try scales each missing part by another factor, so that a
// ratio of two of them changes too.
constexpr double kSecondProbe[] = {3.3, 5.6, 8.2, 2.7, 4.7, 6.8, 1.5, 3.9};

std::string NoValueReason(const PartsReport& report, const std::vector<size_t>& missing) {
    std::string names;
    for (const size_t i : missing)
        names += (names.empty() ? "" : ", ") + report.parts[i].name;
    return "no as-built value: " + names + (missing.size() == 1 ? " has" : " have") + " no standard value";
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
    // A reference the form shows (1.00 p is kTinyValue itself) has a deviation.
    if (!IsValue(value) || !IsValue(reference) || std::fabs(reference) < kTinyValue)
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
    if (!IsValue(formValue) || formValue <= 0) {
        part.refused = "no value to choose a part for";
        return part;
    }
    if (!InRange(formValue, part.series)) {
        part.refused = std::string("beyond the ") + SeriesName(part.series) + " series (" +
                       Number(LowestValue(part.series)) + " to " + Number(HighestValue(part.series)) + ")";
        return part;
    }
    const std::optional<StandardValue> nearest = Nearest(formValue, part.series);
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
    std::vector<size_t> missing;
    for (size_t i = 0; i < report.parts.size(); ++i) {
        const PartLine& part = report.parts[i];
        values.push_back(part.standard);
        tolerances.push_back(part.standardised ? part.tolerancePercent / 100 : 0);
        if (!part.standardised)
            missing.push_back(i);
    }
    // A part with no value is tried at two unrelated values: the outputs that
    // come out the same at both do not depend on it, the others have no value.
    const auto atProbe = [&](bool second) {
        for (size_t m = 0; m < missing.size(); ++m) {
            const size_t i = missing[m];
            const double scale = second ? kSecondProbe[m % std::size(kSecondProbe)] : 1;
            values[i] =
                scale * (report.parts[i].kind == PartKind::kResistor ? kProbeResistor : kProbeCapacitor);
        }
        CornerResult result = EvaluateCorners(circuit, values, tolerances, report.outputs.size());
        SearchInside(circuit, values, tolerances, result);
        return result;
    };
    const CornerResult corners = atProbe(false);
    std::vector<bool> depends(report.outputs.size(), false);
    if (!missing.empty()) {
        const CornerResult other = atProbe(true);
        for (size_t o = 0; o < depends.size(); ++o) {
            const OutputSpread& a = corners.outputs[o];
            const OutputSpread& b = other.outputs[o];
            depends[o] =
                a.nominal == kErrorValue || a.nominal != b.nominal || a.min != b.min || a.max != b.max;
        }
    }
    report.corners = corners.corners;
    for (size_t o = 0; o < report.outputs.size(); ++o) {
        OutputLine& output = report.outputs[o];
        if (depends[o]) {
            output.nominal = output.min = output.max = kErrorValue;
            output.noValue = NoValueReason(report, missing);
            continue;
        }
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

// The table shows each deviation; marked is only what it cannot show, once
// per reason for all the lines it concerns.
void MarkReport(PartsReport& report, const std::vector<FieldLimit>& limits) {
    std::vector<Mark> marks;
    const auto add = [&marks](const std::string& subject, const std::string& why) {
        for (Mark& mark : marks) {
            if (mark.why == why) {
                mark.subject += ", " + subject;
                return;
            }
        }
        marks.push_back({subject, why});
    };
    for (const PartLine& part : report.parts) {
        if (!part.standardised)
            add(part.name, part.refused);
    }
    for (const OutputLine& output : report.outputs) {
        if (!output.noValue.empty())
            add(output.name, output.noValue);
        else if (!IsValue(output.nominal))
            add(output.name, "Error with the standard values");
        if (output.failedCorners > 0)
            add(output.name, "Error at " + std::to_string(output.failedCorners) + " of " +
                                 std::to_string(report.corners) +
                                 " tolerance corners: Min - Max is over the others only (*)");
    }
    for (const FieldLimit& limit : limits) {
        double low = 0, high = 0;
        if (RangeOf(report, limit.field, low, high) && !Inside(limit, low, high))
            add(NameOf(report, limit.field), limit.why);
    }
    report.marks = std::move(marks);
}

}  // namespace engine::parts
