#include "res/menus/MainMenu.h"

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

namespace menus {

const std::vector<Menu>& MainMenu() {
    static const std::vector<Menu> menu{
        {"&File", {{"&Quit", kQuitCommand}}},
        {"&Units", {{"&Decibels", ids::decibel::kCommand}}},
        {"&Passive components",
         {
             {"&Ohms'law", ids::ohms_law::kCommand},
             kSeparator,
             {"Two &resistors", ids::two_resistors::kCommand},
             {"Two &capacitors", ids::two_capacitors::kCommand},
             kSeparator,
             {"&Cylindric self, monocoated", ids::single_layer_coil::kCommand},
             {"Cylindric self, &multi-coated", ids::multi_layer_coil::kCommand},
             {"&PCB printed self", ids::printed_coil::kCommand},
             kSeparator,
             {"&Filtering capacitor", ids::filter_cap::kCommand},
         }},
        {"&Semi-conductors",
         {
             {"&Heatsink", ids::heatsink::kCommand},
             {"&Zener diode", ids::zener::kCommand},
             {"Class A &Transistor amplifier", ids::class_a_amp::kCommand},
         }},
        {"&AOP's",
         {
             {"&Inverting amplifier", ids::inverting_amp::kCommand},
             {"&Non-inverting amplifier", ids::non_inverting_amp::kCommand},
             kSeparator,
             {"&Differentiator", ids::differentiator::kCommand},
             {"&Integrator", ids::integrator::kCommand},
             kSeparator,
             {"&Summator", ids::summator::kCommand},
             {"&Substractor", ids::subtractor::kCommand},
             kSeparator,
             {"&Schmitt trigger", ids::schmitt_trigger::kCommand},
         }},
        {"&Oscillators",
         {
             {"Astable, &NE555", ids::astable555::kCommand},
             {"Astable, CMOS &logic gates", ids::gate_astable::kCommand},
             kSeparator,
             {"&Monostable, NE555", ids::monostable555::kCommand},
         }},
        {"&Filters",
         {
             {"RC &Low pass filter (6dB/octave)", ids::rc_low_pass::kCommand},
             {"RC &High pass filter (6dB/octave)", ids::rc_high_pass::kCommand},
             {"RC &Notch filter (6dB/octave)", ids::rc_notch::kCommand},
         }},
        {"&Help", {{"&Contents", kContentsCommand}, {"&About Voltaris", kAboutCommand}}},
    };
    return menu;
}

}  // namespace menus
