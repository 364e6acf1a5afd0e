#include "forms/semiconductors/ClassAAmpDlg.h"

#include <QListWidget>
#include <cmath>

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace class_a;

namespace {

constexpr int kCloseId = 1099;
constexpr int kHelpId = 1098;
constexpr int kVoutId = 1104;
constexpr int kRlId = 1106;
constexpr int kMaxGainId = 1094;
constexpr int kWithLoadId = 1093;
constexpr int kComponentsListId = 1095;
constexpr int kOperatingListId = 1096;

constexpr double kTwoPi = 6.2831854;

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
    d.Vb = d.Ve + 0.7;
    // The divider carries ten times the base current; Rb also the base current.
    d.Rb = (in.vcc - d.Vb) / (11 * d.Ib);
    d.Rx = d.Vb / (10 * d.Ib);
    d.Zin = 1 / (alpha / (in.beta * (d.rIntrinsic + d.Re)) + 1 / d.Rx + 1 / d.Rb);
    d.Cin = 1 / (d.Zin * in.fmin * kTwoPi);
    if (d.Rv < 1) {
        d.Cby = 0;
    } else {
        const double intoEmitter = d.Rx * d.Rb / ((d.Rx + d.Rb) * in.beta) + d.rIntrinsic + d.Re;
        d.Cby = 1 / ((d.Rv * intoEmitter / (d.Rv + intoEmitter)) * in.fmin * kTwoPi);
    }
    d.Cout = 1 / (d.rl * in.fmin * kTwoPi);
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
    const double room = in.vcc - in.vin - 0.5;
    if (room < vout) {
        vout = room;
        gain = room / in.vin;
        reason = kLowVcc;
    }
    const double targetGain = gain;
    const double alpha = in.beta / (in.beta + 1);
    double margin = 0.5;
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
        d.Ic = (2 * margin + vout) / d.rac * 0.5;
        d.Ib = d.Ic / in.beta;
        d.Ie = d.Ib + d.Ic;
        d.rIntrinsic = 0.03 / d.Ie;
        d.Re = alpha / gain * d.rac - d.rIntrinsic;
        if (d.Re < -0.1) {
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
        d.Ve = d.Vc - d.Vs - 0.03;
        if (d.Ve < in.vin * 0.5) {
            vout = vout * 0.95;
            gain = vout / in.vin;
            reason = kLowVcc;
            continue;
        }
        vRv = d.Ve - d.Re * d.Ie;
        if (vRv < 0.0001) {
            vout = vout + vRv;
            gain = vout / in.vin;
            reason = kLowVcc;
            continue;
        }
        if (reason == kOutputImpedance && gain > previousGain) {
            // Buy gain with current: raise the margin and try the full target again.
            margin = margin + vRv * 0.25;
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

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::ClassAAmp(),
        kCloseId,
        kHelpId,
        160,
        {{1100, "12"},
         {1102, "100"},
         {1103, "100m"},
         {kVoutId, "1"},
         {1105, "20"},
         {1101, "220"},
         {kRlId, "47K"},
         {1097, "Not calculated yet"}},
        {},
        {},
        nullptr,  // the design replaces the common compute step, see Recalculate
        {kMaxGainId, kWithLoadId},
    };
    return form;
}

}  // namespace

CClassAAmpDlg::CClassAAmpDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CClassAAmpDlg"));
}

bool CClassAAmpDlg::OnInitDialog() {
    maxGain_ = 1;
    withLoad_ = 0;
    return CCalcFormDlg::OnInitDialog();
}

void CClassAAmpDlg::DoDataExchange(platform::CDataExchange& dx) {
    CCalcFormDlg::DoDataExchange(dx);
    platform::DDX_Check(dx, kMaxGainId, maxGain_);
    platform::DDX_Check(dx, kWithLoadId, withLoad_);
    platform::DDX_LBString(dx, kComponentsListId, componentsSelection_);
    platform::DDX_LBString(dx, kOperatingListId, operatingSelection_);
}

void CClassAAmpDlg::EnableByMode() {
    EnableItem(kVoutId, maxGain_ == 0);
    EnableItem(kRlId, withLoad_ != 0);
}

void CClassAAmpDlg::FillList(int id, const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items << platform::FromFieldText(line);
    auto* list = Item<QListWidget>(id);
    list->clear();
    list->addItems(items);  // one insertion for the view to handle, not one per line
}

void CClassAAmpDlg::Recalculate() {
    UpdateData(true);
    std::vector<double> values = ParseFields();
    EnableByMode();
    const ClassAInputs in{values[kVcc], values[kBeta], values[kVin],  values[kVout], values[kFmin],
                          values[kRc],  values[kRl],   maxGain_ != 0, withLoad_ != 0};
    const ClassADesign design = DesignClassA(in);
    // The Rl field keeps the user's load (normalised) also while no load is
    // connected, so checking "With load" again brings it back.
    values[kVout] = design.vout;
    FormatFields(values);
    texts_[kStatus] = ClassAStatusText(design);
    FillList(kComponentsListId, ClassAComponentLines(in, design));
    FillList(kOperatingListId, ClassAOperatingLines(in, design));
    UpdateData(false);
}
