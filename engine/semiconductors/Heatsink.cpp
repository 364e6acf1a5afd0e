#include "engine/semiconductors/Heatsink.h"

#include "core/EngValue.h"

using namespace heatsink;

// Tjmax - Ta = (RthJP + RthPH + RthHA) * Pmax. Temperatures in degrees
// Celsius; only Ta may be below zero.
void ComputeHeatsink(std::span<double> v, std::span<const int> modes) {
    double& rthHA = v[kRthHA];
    const double rthPH = v[kRthPH];
    const double rthJP = v[kRthJP];
    double& ta = v[kTa];
    double& tjmax = v[kTjmax];
    const double pmax = v[kPmax];
    const double rsum = rthPH + rthHA + rthJP;
    switch (modes[0]) {
        case kAllButRthHA:
            if (tjmax > ta && pmax > kTinyValue) {
                rthHA = (tjmax - ta) / pmax - rthPH - rthJP;
                // The package alone already runs too hot: no heatsink will do.
                if (rthHA < 0)
                    rthHA = kErrorValue;
            } else {
                rthHA = kErrorValue;
            }
            break;
        case kAllButTa:
            ta = tjmax - rsum * pmax;
            if (ta > tjmax)
                ta = kErrorValue;
            break;
        case kAllButTjmax:
            tjmax = rsum * pmax + ta;
            break;
        default:
            break;
    }
}

const engine::FormModel& HeatsinkModel() {
    using engine::Quantity;
    // clang-format off
    static const engine::FormModel model{
        .className = "CHeatsinkDlg",
        .alias = "heatsink",
        .caption = "Heatsink",
        .fields = {
            {"RthHA", "RthHA (°C/W)", "°C/W", Quantity::kThermalResistance, "3"},
            {"RthPH", "RthPH (°C/W)", "°C/W", Quantity::kThermalResistance, "0.6"},
            {"RthJP", "RthJP (°C/W)", "°C/W", Quantity::kThermalResistance, "2"},
            {"Ta", "Ta (°C)", "°C", Quantity::kTemperature, "25", true},
            {"Tjmax", "Tjmax (°C)", "°C", Quantity::kTemperature, "175"},
            {"Pmax", "Pmax (W)", "W", Quantity::kPower, "10"},
        },
        .radioGroups = {
            {{{"All but RthHA"}, {"All but Ta"}, {"All but Tjmax"}}, 0},
        },
        .inputsByMode = {{kRthPH, kRthJP, kTa, kTjmax, kPmax}, {kRthHA, kRthPH, kRthJP, kTjmax, kPmax}, {kRthHA, kRthPH, kRthJP, kTa, kPmax}},
        .compute = ComputeHeatsink,
        .parts = {{}, {}, {}, "heatsinks are chosen by their thermal resistance, not from a series"},
    };
    // clang-format on
    return model;
}
