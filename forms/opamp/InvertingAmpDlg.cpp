#include "forms/opamp/InvertingAmpDlg.h"

#include "res/templates/Templates.h"

using namespace gain_stage;

void ComputeInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kInverting);
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::InvertingAmp(),
        1106,
        1107,
        130,
        {{1105, "1"}, {1103, "2.2k"}, {1104, "4.7k"}},
        {{1101}},
        {{kR1, kR2}, {kR1, kG}},
        ComputeInvertingAmp,
    };
    return form;
}

}  // namespace

CInvertingAmpDlg::CInvertingAmpDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CInvertingAmpDlg"));
}
