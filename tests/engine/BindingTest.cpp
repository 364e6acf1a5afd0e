// The binding table against the models and the templates: every element of
// every form has exactly one control, of its kind, unique in its dialog, and
// the dialog shows the model's labels and captions. No Qt.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "bind/FormBindings.h"
#include "engine/Forms.h"
#include "engine/filters/RcHighPass.h"
#include "engine/filters/RcLowPass.h"
#include "engine/filters/RcNotch.h"
#include "engine/inductors/MultiLayerCoil.h"
#include "engine/inductors/PrintedCoil.h"
#include "engine/inductors/SingleLayerCoil.h"
#include "engine/opamp/Differentiator.h"
#include "engine/opamp/Integrator.h"
#include "engine/opamp/InvertingAmp.h"
#include "engine/opamp/NonInvertingAmp.h"
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
#include "engine/semiconductors/ClassAAmp.h"
#include "engine/semiconductors/Heatsink.h"
#include "engine/semiconductors/Zener.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate* ControlWithId(const platform::DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

// The label the dialog shows beside an edit field: the nearest static text on
// its row, ending left of it; its text without the " = " after it.
std::string LabelOf(const platform::DialogTemplate& dialog, const ControlTemplate& edit) {
    std::optional<std::pair<int, std::string>> nearest;  // (gap, text)
    for (const ControlTemplate& label : dialog.controls) {
        const int middle = label.y + label.cy / 2;
        const int gap = edit.x - (label.x + label.cx);
        if (label.kind != ControlKind::Label || gap < -4 || middle < edit.y || middle >= edit.y + edit.cy)
            continue;
        if (!nearest || gap < nearest->first)
            nearest = std::make_pair(gap, std::string(label.text));
    }
    std::string text = nearest ? nearest->second : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '=' || text.back() == ':'))
        text.pop_back();
    return text;
}

struct Expected {
    int id;
    ControlKind kind;
    std::string text;  // what the control shows; empty: not compared
    std::string what;
};

std::vector<Expected> ExpectedControls(const bind::FormBinding& b) {
    const engine::FormModel& form = *b.form;
    std::vector<Expected> out{{b.CloseId(), ControlKind::PushButton, "Close", "Close"},
                              {b.HelpId(), ControlKind::PushButton, "Help", "Help"}};
    if (b.HasStatus())
        out.push_back({b.StatusId(), ControlKind::Edit, "", "status line"});
    for (size_t i = 0; i < form.fields.size(); ++i)
        out.push_back({b.fieldIds[i], ControlKind::Edit, "", std::string("field ") + form.fields[i].name});
    for (size_t g = 0; g < form.radioGroups.size(); ++g) {
        for (size_t m = 0; m < form.radioGroups[g].modes.size(); ++m) {
            const char* caption = form.radioGroups[g].modes[m].caption;
            out.push_back(
                {b.modeIds[g][m], ControlKind::RadioButton, caption, std::string("mode ") + caption});
        }
    }
    for (size_t i = 0; i < form.checks.size(); ++i)
        out.push_back({b.checkIds[i], ControlKind::CheckBox, form.checks[i].caption,
                       std::string("check box ") + form.checks[i].caption});
    for (size_t i = 0; i < form.lists.size(); ++i)
        out.push_back({b.listIds[i], ControlKind::ListBox, "", std::string("list ") + form.lists[i].name});
    return out;
}

TEST(Bindings, EveryElementHasOneControlOfItsKindUniqueInItsDialog) {
    ASSERT_EQ(bind::AllBindings().size(), engine::AllForms().size());
    std::set<int> commands;
    for (const bind::FormBinding& binding : bind::AllBindings()) {
        SCOPED_TRACE(binding.form->className);
        const platform::DialogTemplate& dialog = binding.Dialog();
        EXPECT_STREQ(dialog.caption, binding.form->caption);
        EXPECT_EQ(binding.HasStatus(), binding.form->hasStatus);
        EXPECT_TRUE(commands.insert(binding.CommandId()).second) << "command " << binding.CommandId();
        EXPECT_GT(binding.HelpTopic(), 0);
        const std::vector<Expected> expected = ExpectedControls(binding);
        // Each control of the row names one element, and no element is left unnamed.
        EXPECT_EQ(binding.row.controls.size() + 2 + (binding.HasStatus() ? 1 : 0), expected.size());
        std::set<int> ids;
        for (const Expected& e : expected) {
            SCOPED_TRACE(e.what);
            ASSERT_NE(e.id, bind::kUnbound);
            EXPECT_TRUE(ids.insert(e.id).second) << "id " << e.id << " bound twice";
            const ControlTemplate* control = ControlWithId(dialog, e.id);
            ASSERT_NE(control, nullptr) << "no control " << e.id;
            EXPECT_EQ(control->kind, e.kind);
            if (!e.text.empty()) {
                EXPECT_EQ(control->text, e.text);
            }
        }
        for (size_t i = 0; i < binding.form->fields.size(); ++i)
            EXPECT_EQ(LabelOf(dialog, *ControlWithId(dialog, binding.fieldIds[i])),
                      binding.form->fields[i].label)
                << binding.form->fields[i].name;
    }
}

// The index constants the compute steps use name the fields they mean.
struct FieldConstants {
    const engine::FormModel& (*model)();
    std::vector<std::pair<int, const char*>> fields;
};

// clang-format off
const FieldConstants kFieldConstants[] = {
    {&OhmsLawModel, {{ohms_law::kI, "I"}, {ohms_law::kP, "P"}, {ohms_law::kR, "R"}, {ohms_law::kU, "U"}}},
    {&TwoResistorsModel, {{two_resistors::kI, "I"}, {two_resistors::kI1, "I1"}, {two_resistors::kI2, "I2"}, {two_resistors::kR, "R"}, {two_resistors::kR1, "R1"}, {two_resistors::kR2, "R2"}, {two_resistors::kU, "U"}, {two_resistors::kU1, "U1"}, {two_resistors::kU2, "U2"}}},
    {&TwoCapacitorsModel, {{two_capacitors::kC, "C"}, {two_capacitors::kC1, "C1"}, {two_capacitors::kC2, "C2"}, {two_capacitors::kU, "U"}, {two_capacitors::kU1, "U1"}, {two_capacitors::kU2, "U2"}}},
    {&SingleLayerCoilModel, {{single_layer_coil::kD, "D"}, {single_layer_coil::kL, "L"}, {single_layer_coil::kN, "N"}, {single_layer_coil::kP, "P"}}},
    {&MultiLayerCoilModel, {{multi_layer_coil::kD, "D"}, {multi_layer_coil::kE, "E"}, {multi_layer_coil::kL, "L"}, {multi_layer_coil::kN, "N"}, {multi_layer_coil::kP, "P"}}},
    {&PrintedCoilModel, {{printed_coil::kD1, "D1"}, {printed_coil::kD2, "D2"}, {printed_coil::kL, "L"}, {printed_coil::kN, "N"}}},
    {&FilterCapModel, {{filter_cap::kC, "C"}, {filter_cap::kDeltaU, "DeltaU"}, {filter_cap::kI, "I"}}},
    {&DecibelModel, {{decibel::kGain, "Gain"}, {decibel::kPi, "Pi"}, {decibel::kPo, "Po"}, {decibel::kUi, "Ui"}, {decibel::kUo, "Uo"}}},
    {&HeatsinkModel, {{heatsink::kRthHA, "RthHA"}, {heatsink::kRthPH, "RthPH"}, {heatsink::kRthJP, "RthJP"}, {heatsink::kTa, "Ta"}, {heatsink::kTjmax, "Tjmax"}, {heatsink::kPmax, "Pmax"}}},
    {&ZenerModel, {{zener::kUmax, "Umax"}, {zener::kUmin, "Umin"}, {zener::kUz, "Uz"}, {zener::kPzmax, "Pzmax"}, {zener::kR, "R"}, {zener::kIcmax, "Icmax"}, {zener::kRcmin, "Rcmin"}}},
    {&ClassAAmpModel, {{class_a::kVcc, "Vcc"}, {class_a::kBeta, "B"}, {class_a::kVin, "Vin"}, {class_a::kVout, "Vout"}, {class_a::kFmin, "Fmin"}, {class_a::kRc, "Rc"}, {class_a::kRl, "Rl"}}},
    {&InvertingAmpModel, {{gain_stage::kG, "G"}, {gain_stage::kR1, "R1"}, {gain_stage::kR2, "R2"}}},
    {&NonInvertingAmpModel, {{gain_stage::kG, "G"}, {gain_stage::kR1, "R1"}, {gain_stage::kR2, "R2"}}},
    {&DifferentiatorModel, {{rc_time::kC, "C"}, {rc_time::kDeltaT, "DeltaT"}, {rc_time::kR, "R"}}},
    {&IntegratorModel, {{rc_time::kC, "C"}, {rc_time::kDeltaT, "DeltaT"}, {rc_time::kR, "R"}}},
    {&SummatorModel, {{summator::kG1, "G1"}, {summator::kG2, "G2"}, {summator::kR1, "R1"}, {summator::kR2, "R2"}, {summator::kR3, "R3"}}},
    {&SubtractorModel, {{subtractor::kG1, "G1"}, {subtractor::kG2, "G2"}, {subtractor::kR1, "R1"}, {subtractor::kR2, "R2"}, {subtractor::kR3, "R3"}}},
    {&SchmittTriggerModel, {{schmitt_trigger::kR1, "R1"}, {schmitt_trigger::kR2, "R2"}, {schmitt_trigger::kUpwr, "Upwr"}, {schmitt_trigger::kUtrig, "Utrig"}}},
    {&Astable555Model, {{astable555::kC, "C"}, {astable555::kDuty, "Duty"}, {astable555::kF, "F"}, {astable555::kR1, "R1"}, {astable555::kR2, "R2"}, {astable555::kT, "T"}, {astable555::kTh, "Th"}, {astable555::kTl, "Tl"}}},
    {&GateAstableModel, {{gate_astable::kC, "C"}, {gate_astable::kF, "F"}, {gate_astable::kR, "R"}, {gate_astable::kT, "T"}}},
    {&Monostable555Model, {{monostable555::kC, "C"}, {monostable555::kR1, "R1"}, {monostable555::kT, "T"}}},
    {&RcLowPassModel, {{rc_filter::kC, "C"}, {rc_filter::kFc, "Fc"}, {rc_filter::kR, "R"}}},
    {&RcHighPassModel, {{rc_filter::kC, "C"}, {rc_filter::kFc, "Fc"}, {rc_filter::kR, "R"}}},
    {&RcNotchModel, {{rc_filter::kC, "C"}, {rc_filter::kFc, "Fc"}, {rc_filter::kR, "R"}}},
};
// clang-format on

TEST(Bindings, EachFieldIndexConstantMatchesItsName) {
    for (const FieldConstants& row : kFieldConstants) {
        const engine::FormModel& form = row.model();
        SCOPED_TRACE(form.className);
        ASSERT_EQ(row.fields.size(), form.fields.size());
        for (const auto& [index, name] : row.fields)
            EXPECT_EQ(form.FieldIndexByName(name), index) << name;
    }
}

}  // namespace
