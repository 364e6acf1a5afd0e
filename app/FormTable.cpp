#include "app/FormTable.h"

#include "forms/filters/RcHighPassDlg.h"
#include "forms/filters/RcLowPassDlg.h"
#include "forms/filters/RcNotchDlg.h"
#include "forms/inductors/MultiLayerCoilDlg.h"
#include "forms/inductors/PrintedCoilDlg.h"
#include "forms/inductors/SingleLayerCoilDlg.h"
#include "forms/opamp/DifferentiatorDlg.h"
#include "forms/opamp/IntegratorDlg.h"
#include "forms/opamp/InvertingAmpDlg.h"
#include "forms/opamp/NonInvertingAmpDlg.h"
#include "forms/opamp/SchmittTriggerDlg.h"
#include "forms/opamp/SubtractorDlg.h"
#include "forms/opamp/SummatorDlg.h"
#include "forms/oscillators/Astable555Dlg.h"
#include "forms/oscillators/GateAstableDlg.h"
#include "forms/oscillators/Monostable555Dlg.h"
#include "forms/passive/DecibelDlg.h"
#include "forms/passive/FilterCapDlg.h"
#include "forms/passive/OhmsLawDlg.h"
#include "forms/passive/TwoCapacitorsDlg.h"
#include "forms/passive/TwoResistorsDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "forms/semiconductors/HeatsinkDlg.h"
#include "forms/semiconductors/ZenerDlg.h"

namespace {

template <class Form>
std::unique_ptr<CCalcFormDlg> Make() {
    return std::make_unique<Form>();
}

// In the order of the main menu.
// clang-format off
constexpr FormCommand kFormCommands[] = {
    {32772, "COhmsLawDlg", &Make<COhmsLawDlg>},
    {32785, "CTwoResistorsDlg", &Make<CTwoResistorsDlg>},
    {32776, "CTwoCapacitorsDlg", &Make<CTwoCapacitorsDlg>},
    {32778, "CSingleLayerCoilDlg", &Make<CSingleLayerCoilDlg>},
    {32780, "CMultiLayerCoilDlg", &Make<CMultiLayerCoilDlg>},
    {32779, "CPrintedCoilDlg", &Make<CPrintedCoilDlg>},
    {32793, "CFilterCapDlg", &Make<CFilterCapDlg>},
    {32775, "CDecibelDlg", &Make<CDecibelDlg>},
    {32794, "CHeatsinkDlg", &Make<CHeatsinkDlg>},
    {32796, "CZenerDlg", &Make<CZenerDlg>},
    {32797, "CClassAAmpDlg", &Make<CClassAAmpDlg>},
    {32781, "CInvertingAmpDlg", &Make<CInvertingAmpDlg>},
    {32782, "CNonInvertingAmpDlg", &Make<CNonInvertingAmpDlg>},
    {32783, "CDifferentiatorDlg", &Make<CDifferentiatorDlg>},
    {32799, "CIntegratorDlg", &Make<CIntegratorDlg>},
    {32786, "CSummatorDlg", &Make<CSummatorDlg>},
    {32798, "CSubtractorDlg", &Make<CSubtractorDlg>},
    {32800, "CSchmittTriggerDlg", &Make<CSchmittTriggerDlg>},
    {32801, "CAstable555Dlg", &Make<CAstable555Dlg>},
    {32803, "CGateAstableDlg", &Make<CGateAstableDlg>},
    {32802, "CMonostable555Dlg", &Make<CMonostable555Dlg>},
    {32807, "CRcLowPassDlg", &Make<CRcLowPassDlg>},
    {32808, "CRcHighPassDlg", &Make<CRcHighPassDlg>},
    {32809, "CRcNotchDlg", &Make<CRcNotchDlg>},
};
// clang-format on

}  // namespace

std::span<const FormCommand> FormCommands() {
    return kFormCommands;
}

const FormCommand* FindFormCommand(int commandId) {
    for (const FormCommand& command : kFormCommands) {
        if (command.commandId == commandId)
            return &command;
    }
    return nullptr;
}
