#include "engine/semiconductors/Zener.h"

#include "core/EngValue.h"
#include "engine/plot/PlotBuilders.h"
#include "engine/spice/DeckBuilders.h"

using namespace zener;

void ComputeZener(std::span<double> v, std::span<const int> modes) {
    double& umax = v[kUmax];
    double& umin = v[kUmin];
    const double uz = v[kUz];
    double& pzmax = v[kPzmax];
    double& r = v[kR];
    double& icmax = v[kIcmax];
    double& rcmin = v[kRcmin];
    switch (modes[0]) {
        case kFromZenerPower:
            if (umax > umin && uz < umin && uz > kTinyValue && pzmax > kTinyValue) {
                // Unloaded at the highest input, the zener takes the whole current.
                r = (umax - uz) / pzmax * uz;
                // At the lowest input the load may take all the current through R.
                rcmin = uz / (umin - uz) * r;
                icmax = uz / rcmin;
            } else {
                r = icmax = rcmin = kErrorValue;
            }
            break;
        case kFromLoadCurrent:
            if (umax > umin && uz < umin && uz > kTinyValue && icmax > kTinyValue) {
                rcmin = uz / icmax;
                r = (umin - uz) / uz * rcmin;
                pzmax = (umax - uz) / r * uz;
            } else {
                r = pzmax = rcmin = kErrorValue;
            }
            break;
        case kFromResistor:
            if (uz > kTinyValue && icmax > kTinyValue) {
                rcmin = uz / icmax;
                umin = (r / rcmin + 1.0) * uz;
                umax = pzmax / uz * r + uz;
                // Umax - Umin = R * (Pzmax / Uz - Icmax): no range when R is 0 or
                // the zener cannot carry more than the load current.
                if (umax - umin < kTinyValue)
                    umax = umin = rcmin = kErrorValue;
            } else {
                umax = umin = rcmin = kErrorValue;
            }
            break;
        default:
            break;
    }
}

const engine::FormModel& ZenerModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CZenerDlg",
        .alias = "zener",
        .caption = "Zener diode",
        .fields = {
            {"Umax", "Umax (V)", "V", Quantity::kVoltage, "13"},
            {"Umin", "Umin (V)", "V", Quantity::kVoltage, "10"},
            {"Uz", "Uz (V)", "V", Quantity::kVoltage, "5.6"},
            {"Pzmax", "Pzmax (W)", "W", Quantity::kPower, "400m"},
            {"R", "R (ohm)", "ohm", Quantity::kResistance, "0"},
            {"Icmax", "Icmax (A)", "A", Quantity::kCurrent, "10m"},
            {"Rcmin", "Rcmin (ohm)", "ohm", Quantity::kResistance, "0"},
        },
        .radioGroups = {
            {{{"Umin/max, Uz, Pzmax"}, {"Umin/max, Uz, Icmax"}, {"R, Uz, Icmax, Pmax"}}, 0},
        },
        .inputsByMode = {{kUmax, kUmin, kUz, kPzmax}, {kUmax, kUmin, kUz, kIcmax}, {kUz, kPzmax, kR, kIcmax}},
        .compute = ComputeZener,
        // The input range a standard R tolerates.
        .parts = {{kR}, {kFromResistor, kFromResistor, kFromResistor}},
        .plot = {{kUmax, kUmin, kUz, kPzmax, kR, kRcmin}, engine::plot::ZenerPlot},
        .deck = engine::spice::ZenerDeck,
    };
    // clang-format on
    return model;
}
