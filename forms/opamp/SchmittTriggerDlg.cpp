#include "forms/opamp/SchmittTriggerDlg.h"

#include "core/EngValue.h"
#include "res/templates/Templates.h"

using namespace schmitt_trigger;

void ComputeSchmittTrigger(std::span<double> v, std::span<const int> modes) {
    double& r1 = v[kR1];
    const double r2 = v[kR2];
    const double upwr = v[kUpwr];
    double& utrig = v[kUtrig];
    switch (modes[0]) {
        case kResistorsAndSupply:
            if (r1 > kTinyValue && r2 > kTinyValue && upwr > kTinyValue)
                utrig = (upwr / r2) * r1;
            else
                utrig = kErrorValue;
            break;
        case kThresholdAndSupply:
            if (r2 > kTinyValue && utrig > kTinyValue && upwr > kTinyValue)
                r1 = (utrig / upwr) * r2;
            else
                r1 = kErrorValue;
            break;
        default:
            break;
    }
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::SchmittTrigger(),
        1153,
        1152,
        140,
        {{1149, "2.2k"}, {1150, "4.7k"}, {1154, "12"}, {1151, "1"}},
        {{1147}},
        {{kR1, kR2, kUpwr}, {kR2, kUpwr, kUtrig}},
        ComputeSchmittTrigger,
    };
    return form;
}

}  // namespace

CSchmittTriggerDlg::CSchmittTriggerDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CSchmittTriggerDlg"));
}
