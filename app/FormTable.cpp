#include "app/FormTable.h"

#include <vector>

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

struct Binding {
    const engine::FormModel& (*model)();
    std::unique_ptr<CCalcFormDlg> (*create)();
};

// Each dialog beside its engine model, in the order of the main menu; the
// command id and class name come from the model.
std::vector<FormCommand> BuildTable() {
    // clang-format off
    const Binding bindings[] = {
        {&OhmsLawModel, &Make<COhmsLawDlg>},
        {&TwoResistorsModel, &Make<CTwoResistorsDlg>},
        {&TwoCapacitorsModel, &Make<CTwoCapacitorsDlg>},
        {&SingleLayerCoilModel, &Make<CSingleLayerCoilDlg>},
        {&MultiLayerCoilModel, &Make<CMultiLayerCoilDlg>},
        {&PrintedCoilModel, &Make<CPrintedCoilDlg>},
        {&FilterCapModel, &Make<CFilterCapDlg>},
        {&DecibelModel, &Make<CDecibelDlg>},
        {&HeatsinkModel, &Make<CHeatsinkDlg>},
        {&ZenerModel, &Make<CZenerDlg>},
        {&ClassAAmpModel, &Make<CClassAAmpDlg>},
        {&InvertingAmpModel, &Make<CInvertingAmpDlg>},
        {&NonInvertingAmpModel, &Make<CNonInvertingAmpDlg>},
        {&DifferentiatorModel, &Make<CDifferentiatorDlg>},
        {&IntegratorModel, &Make<CIntegratorDlg>},
        {&SummatorModel, &Make<CSummatorDlg>},
        {&SubtractorModel, &Make<CSubtractorDlg>},
        {&SchmittTriggerModel, &Make<CSchmittTriggerDlg>},
        {&Astable555Model, &Make<CAstable555Dlg>},
        {&GateAstableModel, &Make<CGateAstableDlg>},
        {&Monostable555Model, &Make<CMonostable555Dlg>},
        {&RcLowPassModel, &Make<CRcLowPassDlg>},
        {&RcHighPassModel, &Make<CRcHighPassDlg>},
        {&RcNotchModel, &Make<CRcNotchDlg>},
    };
    // clang-format on
    std::vector<FormCommand> table;
    for (const Binding& binding : bindings) {
        const engine::FormModel& model = binding.model();
        table.push_back({model.commandId, model.className, binding.create});
    }
    return table;
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
