#include "forms/opamp/NonInvertingAmpDlg.h"

#include "res/templates/Templates.h"

using namespace gain_stage;

void ComputeNonInvertingAmp(std::span<double> values, std::span<const int> modes) {
    ComputeGainStage(values, modes, Stage::kNonInverting);
}

namespace {

const FormDescription& Description() {
    static const FormDescription form{
        templates::NonInvertingAmp(),
        1114,
        1113,
        135,
        {{1112, "1"}, {1110, "2.2k"}, {1111, "4.7k"}},
        {{1108}},
        {{kR1, kR2}, {kR1, kG}},
        ComputeNonInvertingAmp,
    };
    return form;
}

}  // namespace

CNonInvertingAmpDlg::CNonInvertingAmpDlg() : CCalcFormDlg(Description()) {
    setObjectName(QStringLiteral("CNonInvertingAmpDlg"));
}
