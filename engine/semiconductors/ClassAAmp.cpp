#include "engine/semiconductors/ClassAAmp.h"

#include <cmath>

#include "core/EngValue.h"
#include "engine/Constants.h"
#include "engine/parts/ClassAAsBuilt.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

using namespace class_a;

namespace {

// The numbers of the design procedure.
constexpr double kSupplyReserve = 0.5;      // volts of Vcc the output swing may not use
constexpr double kStartMargin = 0.5;        // volts of swing margin of the first pass
constexpr double kHalf = 0.5;               // the collector current for half the swing and margins
constexpr double kReTolerance = -0.1;       // ohm: a slightly negative Re counts as none
constexpr double kSaturationDrop = 0.03;    // volts between collector and emitter at the swing's end
constexpr double kEmitterFloor = 0.5;       // the emitter stays above this share of Vin
constexpr double kOutputStep = 0.95;        // each pass short of Vcc keeps this share of Vout
constexpr double kMinimumRvVolts = 0.0001;  // the least voltage across Rv
constexpr double kMarginStep = 0.25;        // share of Rv's voltage added to the margin
constexpr double kDividerShare = 10;        // the divider carries this many base currents

// The procedure divides by these; an infinite one gives no numbers either.
bool UsableDivisor(double value) {
    return value > kTinyValue && std::isfinite(value);
}

bool InputsMakeADesign(const ClassAInputs& in, double rl, double vout) {
    return UsableDivisor(in.vin) && UsableDivisor(in.beta) && UsableDivisor(in.rc) && UsableDivisor(rl) &&
           std::isfinite(in.vcc) && std::isfinite(vout);
}

// The components and the impedances that follow from the last pass.
void FinishDesign(const ClassAInputs& in, double alpha, double vRv, ClassADesign& d) {
    d.Rv = vRv / d.Ie;
    d.Vb = d.Ve + constants::kBaseEmitterVoltage;
    // The divider carries ten times the base current; Rb also the base current.
    d.Rb = (in.vcc - d.Vb) / ((kDividerShare + 1) * d.Ib);
    d.Rx = d.Vb / (kDividerShare * d.Ib);
    d.Zin = 1 / (alpha / (in.beta * (d.rIntrinsic + d.Re)) + 1 / d.Rx + 1 / d.Rb);
    d.Cin = 1 / (d.Zin * in.fmin * constants::kTwoPiClassA);
    if (d.Rv < 1) {
        d.Cby = 0;
    } else {
        const double intoEmitter = d.Rx * d.Rb / ((d.Rx + d.Rb) * in.beta) + d.rIntrinsic + d.Re;
        d.Cby = 1 / ((d.Rv * intoEmitter / (d.Rv + intoEmitter)) * in.fmin * constants::kTwoPiClassA);
    }
    d.Cout = 1 / (d.rl * in.fmin * constants::kTwoPiClassA);
    d.pmax = d.Ic * d.Vs;
}

std::string Line(const char* caption, double value, const char* unit) {
    return caption + FormatEngValue(value) + unit;
}

}  // namespace

ClassADesign DesignClassA(const ClassAInputs& in) {
    ClassADesign d;
    d.rl = in.withLoad ? in.rl : kNoLoad;
    double vout = in.maxGain ? in.vin * in.beta : in.vout;
    d.vout = vout;
    if (!InputsMakeADesign(in, d.rl, vout))
        return d;

    // The goal: the wanted gain, cut by beta and by the supply.
    d.rac = in.rc * d.rl / (in.rc + d.rl);
    double gain = in.maxGain ? in.beta : vout / in.vin;
    int reason = kNotReduced;
    if (gain > in.beta) {
        vout = in.vin * in.beta;
        gain = in.beta;
        reason = kLowBeta;
    }
    const double room = in.vcc - in.vin - kSupplyReserve;
    if (room < vout) {
        vout = room;
        gain = room / in.vin;
        reason = kLowVcc;
    }
    const double targetGain = gain;
    const double alpha = in.beta / (in.beta + 1);
    double margin = kStartMargin;
    double previousGain = 0;
    double vRv = 0;

    for (;;) {
        if (d.passes == kMaxPasses) {
            d.vout = vout;
            return d;
        }
        ++d.passes;
        if (vout < in.vin) {
            d.vout = vout;
            return d;
        }
        d.Ic = (2 * margin + vout) / d.rac * kHalf;
        d.Ib = d.Ic / in.beta;
        d.Ie = d.Ib + d.Ic;
        d.rIntrinsic = constants::kIntrinsicEmitterVolts / d.Ie;
        d.Re = alpha / gain * d.rac - d.rIntrinsic;
        if (d.Re < kReTolerance) {
            // Not this gain at this current.
            gain = alpha / d.rIntrinsic * d.rac;
            vout = gain * in.vin;
            reason = kOutputImpedance;
            continue;
        }
        if (d.Re < 0)
            d.Re = 0;
        d.Vs = d.Ic * d.rac + d.Re * d.Ie;
        d.Vc = in.vcc - in.rc * d.Ic;
        d.Ve = d.Vc - d.Vs - kSaturationDrop;
        if (d.Ve < in.vin * kEmitterFloor) {
            vout = vout * kOutputStep;
            gain = vout / in.vin;
            reason = kLowVcc;
            continue;
        }
        vRv = d.Ve - d.Re * d.Ie;
        if (vRv < kMinimumRvVolts) {
            vout = vout + vRv;
            gain = vout / in.vin;
            reason = kLowVcc;
            continue;
        }
        if (reason == kOutputImpedance && gain > previousGain) {
            // Buy gain with current: raise the margin and try the full target again.
            margin = margin + vRv * kMarginStep;
            previousGain = gain;
            gain = targetGain;
            vout = in.vin * targetGain;
            reason = kNotReduced;
            continue;
        }
        break;
    }
    d.operating = true;
    d.reason = reason;
    d.vout = vout;
    d.gain = gain;
    FinishDesign(in, alpha, vRv, d);
    return d;
}

const char* ClassAStatusText(const ClassADesign& design) {
    if (!design.operating)
        return "Non operating conditions ! Lower Vin or raise Vcc.";
    switch (design.reason) {
        case kLowBeta:
            return "Gain reduced by low transistor beta.";
        case kOutputImpedance:
            return "Gain reduced by output impedance.";
        case kLowVcc:
            return "Gain reduced by low Vcc.";
        default:
            return "Ok !";
    }
}

std::vector<std::string> ClassAComponentLines(const ClassAInputs& in, const ClassADesign& d) {
    if (!d.operating)
        return {"Non operating !"};
    return {
        "Resistors :",
        "",
        Line("Rc = ", in.rc, " ohm"),
        Line("Re = ", d.Re, " ohm"),
        Line("Rv = ", d.Rv, " ohm"),
        Line("Rb = ", d.Rb, " ohm"),
        Line("Rx = ", d.Rx, " ohm"),
        "",
        "Capacitors :",
        Line("Cin  = ", d.Cin, " F"),
        Line("Cout = ", d.Cout, " F"),
        Line("Cby  = ", d.Cby, " F"),
    };
}

std::vector<std::string> ClassAOperatingLines(const ClassAInputs& in, const ClassADesign& d) {
    if (!d.operating)
        return {"Non operating !"};
    return {
        "Impedances :",
        "",
        Line("in = ", d.Zin, " ohm"),
        Line("out= ", in.rc, " ohm"),
        Line("w/l= ", d.rac, " ohm"),
        "",
        "Quiescent current :",
        Line("C = ", d.Ic, " A"),
        Line("B = ", d.Ib, " A"),
        "",
        "Quiescent voltages :",
        Line("Vcc = ", in.vcc, " V"),
        Line("C = ", d.Vc, " V"),
        Line("E = ", d.Ve, " V"),
        Line("B = ", d.Vb, " V"),
        "",
        "Signal voltages :",
        Line("Inp = ", in.vin, " V"),
        Line("Out = ", d.gain * in.vin, " V"),
        Line("Gain= ", d.gain, ""),
        "",
        "Max power :",
        Line("Pmax= ", d.pmax, " W"),
    };
}

ClassAInputs ClassAInputsOf(std::span<const double> v, std::span<const int> checks) {
    const auto checked = [checks](size_t i) { return i < checks.size() && checks[i] != 0; };
    return {.vcc = v[kVcc],
            .beta = v[kBeta],
            .vin = v[kVin],
            .vout = v[kVout],
            .fmin = v[kFmin],
            .rc = v[kRc],
            .rl = v[kRl],
            .maxGain = checked(kMaxGain),
            .withLoad = checked(kWithLoad)};
}

void RecalculateClassA(std::span<double> v, std::span<const int> checks, engine::FormExtras* extras) {
    const ClassAInputs in = ClassAInputsOf(v, checks);
    const ClassADesign design = DesignClassA(in);
    // The Rl field keeps the user's load (normalised) also while no load is
    // connected, so checking "With load" again brings it back.
    v[kVout] = design.vout;
    if (extras == nullptr)
        return;
    extras->status = ClassAStatusText(design);
    extras->lists = {ClassAComponentLines(in, design), ClassAOperatingLines(in, design)};
}

namespace {

void EnableClassA(std::span<const int> checks, std::vector<bool>& enabled) {
    enabled[kVout] = checks[kMaxGain] == 0;
    enabled[kRl] = checks[kWithLoad] != 0;
}

}  // namespace

const engine::FormModel& ClassAAmpModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CClassAAmpDlg",
        .alias = "class-a-amp",
        .caption = "Class A amplifier",
        .fields = {
            {"Vcc", "Vcc (V)", "V", Quantity::kVoltage, "12"},
            {"B", "B (T1 beta)", "", Quantity::kGain, "100"},
            {"Vin", "Vin (V)", "V", Quantity::kVoltage, "100m"},
            {"Vout", "Vout (V)", "V", Quantity::kVoltage, "1"},
            {"Fmin", "Freq min (Hz)", "Hz", Quantity::kFrequency, "20"},
            {"Rc", "Rc (ohm)", "ohm", Quantity::kResistance, "220"},
            {"Rl", "Rl (ohm)", "ohm", Quantity::kResistance, "47K"},
        },
        .radioGroups = {},
        .inputsByMode = {},
        .compute = nullptr,
        .checks = {{"Maximum gain", 1}, {"With load", 0}},
        .lists = {{"Components values"}, {"Operating parameters"}},
        .hasStatus = true,
        .statusDefault = "Not calculated yet",
        .design = RecalculateClassA,
        .enable = EnableClassA,
        // Its parts are not fields: they come out of its design.
        .parts = {.analyse = engine::parts::class_a_stage::AnalyseClassA},
        .plot = {{class_a::kVcc, class_a::kBeta, class_a::kVin, class_a::kFmin, class_a::kRc}, engine::plot::ClassAPlot},
        .deck = engine::spice::ClassAAmpDeck,
    };
    // clang-format on
    return model;
}
