#include "engine/parts/FormParts.h"

#include "engine/filters/RcFilter.h"
#include "engine/filters/RcHighPass.h"
#include "engine/filters/RcLowPass.h"
#include "engine/filters/RcNotch.h"
#include "engine/inductors/MultiLayerCoil.h"
#include "engine/inductors/PrintedCoil.h"
#include "engine/inductors/SingleLayerCoil.h"
#include "engine/opamp/Differentiator.h"
#include "engine/opamp/GainStage.h"
#include "engine/opamp/Integrator.h"
#include "engine/opamp/InvertingAmp.h"
#include "engine/opamp/NonInvertingAmp.h"
#include "engine/opamp/RcTimeStage.h"
#include "engine/opamp/SchmittTrigger.h"
#include "engine/opamp/Subtractor.h"
#include "engine/opamp/Summator.h"
#include "engine/oscillators/Astable555.h"
#include "engine/oscillators/GateAstable.h"
#include "engine/oscillators/Monostable555.h"
#include "engine/passive/Decibel.h"
#include "engine/passive/FilterCap.h"
#include "engine/passive/OhmsLaw.h"
#include "engine/passive/TwoCapacitors.h"
#include "engine/passive/TwoResistors.h"
#include "engine/semiconductors/Heatsink.h"
#include "engine/semiconductors/Zener.h"

namespace engine::parts {

namespace {

// clang-format off
const FormParts kForms[] = {
    // The one resistor of Ohm's law is a part: a typed voltage is kept as the
    // supply, else the current.
    {OhmsLawModel, {ohms_law::kR},
     {ohms_law::kRAndI, ohms_law::kRAndU, ohms_law::kRAndP, ohms_law::kRAndU, ohms_law::kRAndI, ohms_law::kRAndU}},
    {TwoResistorsModel, {two_resistors::kR1, two_resistors::kR2}, {two_resistors::kR1AndR2, two_resistors::kR1AndR2}},
    {TwoCapacitorsModel, {two_capacitors::kC1, two_capacitors::kC2}, {two_capacitors::kC1AndC2, two_capacitors::kC1AndC2}},
    {SingleLayerCoilModel, {}, {}, {}, "a wound coil has no standard values"},
    {MultiLayerCoilModel, {}, {}, {}, "a wound coil has no standard values"},
    {PrintedCoilModel, {}, {}, {}, "an etched coil has no standard values"},
    // The load current stays what the form was given or worked out.
    {FilterCapModel, {filter_cap::kC}, {filter_cap::kCAndI, filter_cap::kCAndI, filter_cap::kCAndDeltaU}},
    {DecibelModel, {}, {}, {}, "levels and gains only"},
    {HeatsinkModel, {}, {}, {}, "heatsinks are chosen by their thermal resistance, not from a series"},
    // The input range a standard R tolerates.
    {ZenerModel, {zener::kR}, {zener::kFromResistor, zener::kFromResistor, zener::kFromResistor}},
    {InvertingAmpModel, {gain_stage::kR1, gain_stage::kR2}, {gain_stage::kR1AndR2, gain_stage::kR1AndR2}},
    {NonInvertingAmpModel, {gain_stage::kR1, gain_stage::kR2}, {gain_stage::kR1AndR2, gain_stage::kR1AndR2}},
    {DifferentiatorModel, {rc_time::kR, rc_time::kC}, {rc_time::kRAndC, rc_time::kRAndC}},
    {IntegratorModel, {rc_time::kR, rc_time::kC}, {rc_time::kRAndC, rc_time::kRAndC}},
    {SummatorModel, {summator::kR1, summator::kR2, summator::kR3}, {summator::kResistors, summator::kResistors}},
    {SubtractorModel, {subtractor::kR1, subtractor::kR2, subtractor::kR3}, {subtractor::kResistors, subtractor::kResistors}},
    {SchmittTriggerModel, {schmitt_trigger::kR1, schmitt_trigger::kR2},
     {schmitt_trigger::kResistorsAndSupply, schmitt_trigger::kResistorsAndSupply}},
    {Astable555Model, {astable555::kR1, astable555::kR2, astable555::kC},
     {astable555::kR1R2AndC, astable555::kR1R2AndC, astable555::kR1R2AndC},
     {{astable555::kR1, astable555::kMinR1, true, true, "under 100 ohm the discharge transistor shorts the supply"},
      {astable555::kDuty, 50, true, false, "at or below 50 % this circuit cannot oscillate"}}},
    {GateAstableModel, {gate_astable::kR, gate_astable::kC}, {gate_astable::kRAndC, gate_astable::kRAndC}},
    {Monostable555Model, {monostable555::kR1, monostable555::kC}, {monostable555::kR1AndC, monostable555::kR1AndC}},
    {RcLowPassModel, {rc_filter::kR, rc_filter::kC}, {rc_filter::kRAndC, rc_filter::kRAndC}},
    {RcHighPassModel, {rc_filter::kR, rc_filter::kC}, {rc_filter::kRAndC, rc_filter::kRAndC}},
    {RcNotchModel, {rc_filter::kR, rc_filter::kC}, {rc_filter::kRAndC, rc_filter::kRAndC}},
};
// clang-format on

}  // namespace

const FormParts* FindFormParts(const FormModel& form) {
    for (const FormParts& row : kForms) {
        if (&row.model() == &form)
            return &row;
    }
    return nullptr;
}

}  // namespace engine::parts
