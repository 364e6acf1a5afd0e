#include "bind/FormRows.h"

#include "res/ids/Astable555Ids.h"
#include "res/ids/ClassAAmpIds.h"
#include "res/ids/DecibelIds.h"
#include "res/ids/DifferentiatorIds.h"
#include "res/ids/FilterCapIds.h"
#include "res/ids/GateAstableIds.h"
#include "res/ids/HeatsinkIds.h"
#include "res/ids/IntegratorIds.h"
#include "res/ids/InvertingAmpIds.h"
#include "res/ids/Monostable555Ids.h"
#include "res/ids/MultiLayerCoilIds.h"
#include "res/ids/NonInvertingAmpIds.h"
#include "res/ids/OhmsLawIds.h"
#include "res/ids/PrintedCoilIds.h"
#include "res/ids/RcHighPassIds.h"
#include "res/ids/RcLowPassIds.h"
#include "res/ids/RcNotchIds.h"
#include "res/ids/SchmittTriggerIds.h"
#include "res/ids/SingleLayerCoilIds.h"
#include "res/ids/SubtractorIds.h"
#include "res/ids/SummatorIds.h"
#include "res/ids/TwoCapacitorsIds.h"
#include "res/ids/TwoResistorsIds.h"
#include "res/ids/ZenerIds.h"
#include "res/templates/Templates.h"

namespace bind {

namespace {

// clang-format off
FormRow OhmsLaw() {
    using namespace ids::ohms_law;
    return {"COhmsLawDlg", templates::OhmsLaw, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("I", kEditI), Field("P", kEditP), Field("R", kEditR), Field("U", kEditU), Mode("R and I", kModeRAndI), Mode("R and U", kModeRAndU), Mode("R and P", kModeRAndP), Mode("I and U", kModeIAndU), Mode("I and P", kModeIAndP), Mode("U and P", kModeUAndP)}};
}

FormRow TwoResistors() {
    using namespace ids::two_resistors;
    return {"CTwoResistorsDlg", templates::TwoResistors, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("I", kEditI), Field("I1", kEditI1), Field("I2", kEditI2), Field("R", kEditR), Field("R1", kEditR1), Field("R2", kEditR2), Field("U", kEditU), Field("U1", kEditU1), Field("U2", kEditU2), Mode("R1 and R2", kModeR1AndR2), Mode("R and R1", kModeRAndR1), Mode("Serial", kModeSerial), Mode("Parallel", kModeParallel)}};
}

FormRow TwoCapacitors() {
    using namespace ids::two_capacitors;
    return {"CTwoCapacitorsDlg", templates::TwoCapacitors, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("C1", kEditC1), Field("C2", kEditC2), Field("U", kEditU), Field("U1", kEditU1), Field("U2", kEditU2), Mode("C1 and C2", kModeC1AndC2), Mode("C and C1", kModeCAndC1), Mode("Serial", kModeSerial), Mode("Parallel", kModeParallel)}};
}

FormRow SingleLayerCoil() {
    using namespace ids::single_layer_coil;
    return {"CSingleLayerCoilDlg", templates::SingleLayerCoil, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("D", kEditD), Field("L", kEditL), Field("N", kEditN), Field("P", kEditP), Mode("P, D, N", kModePDN), Mode("L, P, D", kModeLPD)}};
}

FormRow MultiLayerCoil() {
    using namespace ids::multi_layer_coil;
    return {"CMultiLayerCoilDlg", templates::MultiLayerCoil, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("D", kEditD), Field("E", kEditE), Field("L", kEditL), Field("N", kEditN), Field("P", kEditP), Mode("P, D, E, N", kModePDEN), Mode("L, P, D, E", kModeLPDE)}};
}

FormRow PrintedCoil() {
    using namespace ids::printed_coil;
    return {"CPrintedCoilDlg", templates::PrintedCoil, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("D1", kEditD1), Field("D2", kEditD2), Field("L", kEditL), Field("N", kEditN), Mode("D1, D2, N", kModeD1D2N), Mode("L, D1, D2", kModeLD1D2)}};
}

FormRow FilterCap() {
    using namespace ids::filter_cap;
    return {"CFilterCapDlg", templates::FilterCap, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("DeltaU", kEditDeltaU), Field("I", kEditI), Mode("I, DeltaU", kModeIDeltaU), Mode("C, I", kModeCI), Mode("C, DeltaU", kModeCDeltaU), Mode("Mono-alternance", kModeMonoAlternance), Mode("Bi-alternance", kModeBiAlternance)}};
}

FormRow Decibel() {
    using namespace ids::decibel;
    return {"CDecibelDlg", templates::Decibel, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("Gain", kEditGain), Field("Pi", kEditPi), Field("Po", kEditPo), Field("Ui", kEditUi), Field("Uo", kEditUo), Mode("Input and gain", kModeInputAndGain), Mode("Output and gain", kModeOutputAndGain), Mode("Input and output level", kModeInputAndOutputLevel), Mode("Input and output power", kModeInputAndOutputPower)}};
}

FormRow Heatsink() {
    using namespace ids::heatsink;
    return {"CHeatsinkDlg", templates::Heatsink, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("RthHA", kEditRthHA), Field("RthPH", kEditRthPH), Field("RthJP", kEditRthJP), Field("Ta", kEditTa), Field("Tjmax", kEditTjmax), Field("Pmax", kEditPmax), Mode("All but RthHA", kModeAllButRthHA), Mode("All but Ta", kModeAllButTa), Mode("All but Tjmax", kModeAllButTjmax)}};
}

FormRow Zener() {
    using namespace ids::zener;
    return {"CZenerDlg", templates::Zener, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("Umax", kEditUmax), Field("Umin", kEditUmin), Field("Uz", kEditUz), Field("Pzmax", kEditPzmax), Field("R", kEditR), Field("Icmax", kEditIcmax), Field("Rcmin", kEditRcmin), Mode("Umin/max, Uz, Pzmax", kModeUminMaxUzPzmax), Mode("Umin/max, Uz, Icmax", kModeUminMaxUzIcmax), Mode("R, Uz, Icmax, Pmax", kModeRUzIcmaxPmax)}};
}

FormRow ClassAAmp() {
    using namespace ids::class_a_amp;
    return {"CClassAAmpDlg", templates::ClassAAmp, kCommand, kHelpTopic, kClose, kHelp, kStatus,
            {Field("Vcc", kEditVcc), Field("B", kEditBeta), Field("Vin", kEditVin), Field("Vout", kEditVout), Field("Fmin", kEditFmin), Field("Rc", kEditRc), Field("Rl", kEditRl), Check("Maximum gain", kCheckMaxGain), Check("With load", kCheckWithLoad), List("Components values", kListComponents), List("Operating parameters", kListOperating)}};
}

FormRow InvertingAmp() {
    using namespace ids::inverting_amp;
    return {"CInvertingAmpDlg", templates::InvertingAmp, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("G", kEditG), Field("R1", kEditR1), Field("R2", kEditR2), Mode("R1 and R2", kModeR1AndR2), Mode("R1 and G", kModeR1AndG)}};
}

FormRow NonInvertingAmp() {
    using namespace ids::non_inverting_amp;
    return {"CNonInvertingAmpDlg", templates::NonInvertingAmp, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("G", kEditG), Field("R1", kEditR1), Field("R2", kEditR2), Mode("R1 and R2", kModeR1AndR2), Mode("R1 and G", kModeR1AndG)}};
}

FormRow Differentiator() {
    using namespace ids::differentiator;
    return {"CDifferentiatorDlg", templates::Differentiator, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("DeltaT", kEditDeltaT), Field("R", kEditR), Mode("R and C", kModeRAndC), Mode("R and DeltaT", kModeRAndDeltaT)}};
}

FormRow Integrator() {
    using namespace ids::integrator;
    return {"CIntegratorDlg", templates::Integrator, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("DeltaT", kEditDeltaT), Field("R", kEditR), Mode("R and C", kModeRAndC), Mode("R and DeltaT", kModeRAndDeltaT)}};
}

FormRow Summator() {
    using namespace ids::summator;
    return {"CSummatorDlg", templates::Summator, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("G1", kEditG1), Field("G2", kEditG2), Field("R1", kEditR1), Field("R2", kEditR2), Field("R3", kEditR3), Mode("R1, R2 and R3", kModeR1R2AndR3), Mode("G1, G2 and R3", kModeG1G2AndR3)}};
}

FormRow Subtractor() {
    using namespace ids::subtractor;
    return {"CSubtractorDlg", templates::Subtractor, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("G1", kEditG1), Field("G2", kEditG2), Field("R1", kEditR1), Field("R2", kEditR2), Field("R3", kEditR3), Mode("R1, R2 and R3", kModeR1R2AndR3), Mode("G1, G2 and R2", kModeG1G2AndR2)}};
}

FormRow SchmittTrigger() {
    using namespace ids::schmitt_trigger;
    return {"CSchmittTriggerDlg", templates::SchmittTrigger, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("R1", kEditR1), Field("R2", kEditR2), Field("Upwr", kEditUpwr), Field("Utrig", kEditUtrig), Mode("R1, R2, Upwr", kModeR1R2Upwr), Mode("R2, Utrig, Upwr", kModeR2UtrigUpwr)}};
}

FormRow Astable555() {
    using namespace ids::astable555;
    return {"CAstable555Dlg", templates::Astable555, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("Duty", kEditDuty), Field("F", kEditF), Field("R1", kEditR1), Field("R2", kEditR2), Field("T", kEditT), Field("Th", kEditTh), Field("Tl", kEditTl), Mode("R1, R2 and C", kModeR1R2AndC), Mode("C, Th and Tl", kModeCThAndTl), Mode("C,  F and duty%", kModeCFAndDuty)}};
}

FormRow GateAstable() {
    using namespace ids::gate_astable;
    return {"CGateAstableDlg", templates::GateAstable, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("F", kEditF), Field("R", kEditR), Field("T", kEditT), Mode("R and C", kModeRAndC), Mode("R and T", kModeRAndT)}};
}

FormRow Monostable555() {
    using namespace ids::monostable555;
    return {"CMonostable555Dlg", templates::Monostable555, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("R1", kEditR1), Field("T", kEditT), Mode("R1 and C", kModeR1AndC), Mode("R1 and T", kModeR1AndT)}};
}

FormRow RcLowPass() {
    using namespace ids::rc_low_pass;
    return {"CRcLowPassDlg", templates::RcLowPass, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("Fc", kEditFc), Field("R", kEditR), Mode("R and C", kModeRAndC), Mode("C and Fc", kModeCAndFc)}};
}

FormRow RcHighPass() {
    using namespace ids::rc_high_pass;
    return {"CRcHighPassDlg", templates::RcHighPass, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("Fc", kEditFc), Field("R", kEditR), Mode("R and C", kModeRAndC), Mode("C and Fc", kModeCAndFc)}};
}

FormRow RcNotch() {
    using namespace ids::rc_notch;
    return {"CRcNotchDlg", templates::RcNotch, kCommand, kHelpTopic, kClose, kHelp, kNoStatus,
            {Field("C", kEditC), Field("Fc", kEditFc), Field("R", kEditR), Mode("R and C", kModeRAndC), Mode("C and Fc", kModeCAndFc)}};
}
// clang-format on

}  // namespace

std::span<const FormRow> FormRows() {
    static const FormRow rows[] = {
        OhmsLaw(),       TwoResistors(), TwoCapacitors(),   SingleLayerCoil(), MultiLayerCoil(),
        PrintedCoil(),   FilterCap(),    Decibel(),         Heatsink(),        Zener(),
        ClassAAmp(),     InvertingAmp(), NonInvertingAmp(), Differentiator(),  Integrator(),
        Summator(),      Subtractor(),   SchmittTrigger(),  Astable555(),      GateAstable(),
        Monostable555(), RcLowPass(),    RcHighPass(),      RcNotch(),
    };
    return rows;
}

}  // namespace bind
