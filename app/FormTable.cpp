#include "app/FormTable.h"

#include <vector>

#include "bind/FormBindings.h"

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

// A dialog class beside its row of the binding table, which gives the
// command that opens it.
template <class Form>
FormCommand Command() {
    const bind::FormBinding* binding = bind::FindBinding(Form::kName);
    return {binding != nullptr ? binding->CommandId() : 0, Form::kName, &Make<Form>};
}

// Each dialog class, in the order of the main menu.
std::vector<FormCommand> BuildTable() {
    return {
        Command<COhmsLawDlg>(),         Command<CTwoResistorsDlg>(),   Command<CTwoCapacitorsDlg>(),
        Command<CSingleLayerCoilDlg>(), Command<CMultiLayerCoilDlg>(), Command<CPrintedCoilDlg>(),
        Command<CFilterCapDlg>(),       Command<CDecibelDlg>(),        Command<CHeatsinkDlg>(),
        Command<CZenerDlg>(),           Command<CClassAAmpDlg>(),      Command<CInvertingAmpDlg>(),
        Command<CNonInvertingAmpDlg>(), Command<CDifferentiatorDlg>(), Command<CIntegratorDlg>(),
        Command<CSummatorDlg>(),        Command<CSubtractorDlg>(),     Command<CSchmittTriggerDlg>(),
        Command<CAstable555Dlg>(),      Command<CGateAstableDlg>(),    Command<CMonostable555Dlg>(),
        Command<CRcLowPassDlg>(),       Command<CRcHighPassDlg>(),     Command<CRcNotchDlg>(),
    };
}

}  // namespace

std::span<const FormCommand> FormCommands() {
    static const std::vector<FormCommand> table = BuildTable();
    return table;
}

const FormCommand* FindFormCommand(int commandId) {
    for (const FormCommand& command : FormCommands()) {
        if (command.commandId == commandId)
            return &command;
    }
    return nullptr;
}
