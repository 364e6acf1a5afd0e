#include "app/FormTable.h"

#include "forms/passive/OhmsLawDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"

namespace {

template <class Form>
std::unique_ptr<CCalcFormDlg> Make() {
    return std::make_unique<Form>();
}

// In the order of the main menu.
constexpr FormCommand kFormCommands[] = {
    {32772, "COhmsLawDlg", &Make<COhmsLawDlg>},
    {32785, "CTwoResistorsDlg", nullptr},
    {32776, "CTwoCapacitorsDlg", nullptr},
    {32778, "CSingleLayerCoilDlg", nullptr},
    {32780, "CMultiLayerCoilDlg", nullptr},
    {32779, "CPrintedCoilDlg", nullptr},
    {32793, "CFilterCapDlg", nullptr},
    {32775, "CDecibelDlg", nullptr},
    {32794, "CHeatsinkDlg", nullptr},
    {32796, "CZenerDlg", nullptr},
    {32797, "CClassAAmpDlg", &Make<CClassAAmpDlg>},
    {32781, "CInvertingAmpDlg", nullptr},
    {32782, "CNonInvertingAmpDlg", nullptr},
    {32783, "CDifferentiatorDlg", nullptr},
    {32799, "CIntegratorDlg", nullptr},
    {32786, "CSummatorDlg", nullptr},
    {32798, "CSubtractorDlg", nullptr},
    {32800, "CSchmittTriggerDlg", nullptr},
    {32801, "CAstable555Dlg", nullptr},
    {32803, "CGateAstableDlg", nullptr},
    {32802, "CMonostable555Dlg", nullptr},
    {32807, "CRcLowPassDlg", nullptr},
    {32808, "CRcHighPassDlg", nullptr},
    {32809, "CRcNotchDlg", nullptr},
};

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
