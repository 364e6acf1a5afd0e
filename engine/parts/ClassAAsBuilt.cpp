#include "engine/parts/ClassAAsBuilt.h"

#include <algorithm>
#include <cmath>

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "engine/parts/PartLines.h"

namespace engine::parts::class_a_stage {

namespace {

struct PartName {
    const char* name;
    PartKind kind;
};
const PartName kParts[kPartCount] = {
    {"Rc", PartKind::kResistor},    {"Re", PartKind::kResistor},   {"Rv", PartKind::kResistor},
    {"Rb", PartKind::kResistor},    {"Rx", PartKind::kResistor},   {"Cin", PartKind::kCapacitor},
    {"Cout", PartKind::kCapacitor}, {"Cby", PartKind::kCapacitor},
};

struct OutputName {
    const char* name;
    const char* unit;
};
const OutputName kOutputs[kOutputCount] = {
    {"Ic", "A"},      {"VE", "V"},    {"VB", "V"},     {"Vc", "V"},     {"Vce", "V"},     {"Gain", ""},
    {"Gain w/l", ""}, {"Zin", "ohm"}, {"Zout", "ohm"}, {"F Cin", "Hz"}, {"F Cout", "Hz"}, {"F Cby", "Hz"},
};

double Parallel(double a, double b) {
    return a * b / (a + b);
}

double CornerFrequency(double c, double r) {
    return c > kTinyValue && r > kTinyValue ? 1 / (c * r * constants::kTwoPiClassA) : kErrorValue;
}

}  // namespace

void AnalyseStage(const Stage& stage, std::span<const double> p, std::span<double> out) {
    std::fill(out.begin(), out.end(), kErrorValue);
    const double beta = stage.beta;
    const double divider = p[kRb] + p[kRx];
    if (divider <= kTinyValue || beta <= kTinyValue)
        return;
    const double vth = stage.vcc * p[kRx] / divider;
    const double rth = p[kRb] * p[kRx] / divider;
    const double emitter = p[kRe] + p[kRv];
    const double ib = (vth - constants::kBaseEmitterVoltage) / (rth + (beta + 1) * emitter);
    if (!(ib > 0))
        return;  // cut off
    const double ic = beta * ib;
    const double ie = (beta + 1) * ib;
    const double ve = ie * emitter;
    const double vc = stage.vcc - p[kRc] * ic;
    if (!(vc > ve))
        return;  // saturated: none of this holds
    const double re = constants::kIntrinsicEmitterVolts / ie;
    const double alpha = beta / (beta + 1);
    out[kIc] = ic;
    out[kVe] = ve;
    out[kVb] = ve + constants::kBaseEmitterVoltage;
    out[kVc] = vc;
    out[kVce] = vc - ve;
    out[kGain] = alpha * p[kRc] / (re + p[kRe]);
    out[kGainLoaded] = alpha * Parallel(p[kRc], stage.rl) / (re + p[kRe]);
    out[kZin] = 1 / (1 / p[kRb] + 1 / p[kRx] + 1 / ((beta + 1) * (re + p[kRe])));
    out[kZout] = p[kRc];
    out[kFCin] = CornerFrequency(p[kCin], out[kZin]);
    out[kFCout] = CornerFrequency(p[kCout], stage.rl);
    out[kFCby] = CornerFrequency(p[kCby], Parallel(p[kRv], rth / beta + re + p[kRe]));
}

std::vector<double> DesignedParts(const ClassAInputs& in, const ClassADesign& d) {
    return {in.rc, d.Re, d.Rv, d.Rb, d.Rx, d.Cin, d.Cout, d.Cby};
}

PartsReport AnalyseClassA(const FormModel& form, const FormState& state, const PartsOptions& options) {
    PartsReport report;
    report.form = form.className;
    report.seriesR = options.seriesR;
    report.seriesC = options.seriesC;
    const std::vector<double> v = ParseFields(form, state.texts);
    const ClassAInputs in = ClassAInputsOf(v, state.checks);
    const ClassADesign design = DesignClassA(in);
    if (!design.operating) {
        report.noParts = "no working design to build";
        return report;
    }
    report.hasParts = true;
    const Stage stage{in.vcc, in.beta, design.rl};
    const std::vector<double> designed = DesignedParts(in, design);

    // A part the design leaves at zero (no Re, no bypass) is not fitted.
    std::vector<int> fitted;
    for (int i = 0; i < kPartCount; ++i) {
        if (designed[static_cast<size_t>(i)] > kTinyValue)
            fitted.push_back(i);
    }
    for (const int i : fitted)
        report.parts.push_back(ChoosePart(kParts[i].name, i == kRc ? static_cast<int>(class_a::kRc) : -1,
                                          kParts[i].kind, designed[static_cast<size_t>(i)], options));

    std::vector<double> atDesign(kOutputCount);
    AnalyseStage(stage, designed, atDesign);
    std::vector<int> shown;
    for (int o = 0; o < kOutputCount; ++o) {
        if (o == kFCby && designed[kCby] <= kTinyValue)
            continue;
        shown.push_back(o);
        report.outputs.push_back(
            MakeOutput(kOutputs[o].name, kOutputs[o].unit, -1, atDesign[static_cast<size_t>(o)]));
    }

    std::vector<double> all = designed;
    std::vector<double> outputs(kOutputCount);
    SpreadOutputs(report, [&](std::span<const double> parts, std::span<double> result) {
        for (size_t k = 0; k < fitted.size(); ++k)
            all[static_cast<size_t>(fitted[k])] = parts[k];
        AnalyseStage(stage, all, outputs);
        for (size_t k = 0; k < shown.size(); ++k)
            result[k] = outputs[static_cast<size_t>(shown[k])];
    });
    MarkReport(report, {});
    return report;
}

}  // namespace engine::parts::class_a_stage
