#include "res/menus/MainMenu.h"

#include "res/menus/CommandIds.h"

namespace menus {

const std::vector<Menu>& MainMenu() {
    static const std::vector<Menu> menu{
        {"&File", {{"&Quit", kQuitCommand}}},
        {"&Units", {{"&Decibels", kDecibelCommand}}},
        {"&Passive components",
         {
             {"&Ohms'law", kOhmsLawCommand},
             kSeparator,
             {"Two &resistors", kTwoResistorsCommand},
             {"Two &capacitors", kTwoCapacitorsCommand},
             kSeparator,
             {"&Cylindric self, monocoated", kSingleLayerCoilCommand},
             {"Cylindric self, &multi-coated", kMultiLayerCoilCommand},
             {"&PCB printed self", kPrintedCoilCommand},
             kSeparator,
             {"&Filtering capacitor", kFilterCapCommand},
         }},
        {"&Semi-conductors",
         {
             {"&Heatsink", kHeatsinkCommand},
             {"&Zener diode", kZenerCommand},
             {"Class A &Transistor amplifier", kClassAAmpCommand},
         }},
        {"&AOP's",
         {
             {"&Inverting amplifier", kInvertingAmpCommand},
             {"&Non-inverting amplifier", kNonInvertingAmpCommand},
             kSeparator,
             {"&Differentiator", kDifferentiatorCommand},
             {"&Integrator", kIntegratorCommand},
             kSeparator,
             {"&Summator", kSummatorCommand},
             {"&Substractor", kSubtractorCommand},
             kSeparator,
             {"&Schmitt trigger", kSchmittTriggerCommand},
         }},
        {"&Oscillators",
         {
             {"Astable, &NE555", kAstable555Command},
             {"Astable, CMOS &logic gates", kGateAstableCommand},
             kSeparator,
             {"&Monostable, NE555", kMonostable555Command},
         }},
        {"&Filters",
         {
             {"RC &Low pass filter (6dB/octave)", kRcLowPassCommand},
             {"RC &High pass filter (6dB/octave)", kRcHighPassCommand},
             {"RC &Notch filter (6dB/octave)", kRcNotchCommand},
         }},
        {"&Help", {{"&Contents", kContentsCommand}, {"&About Voltaris", kAboutCommand}}},
    };
    return menu;
}

}  // namespace menus
