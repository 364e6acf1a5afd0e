#include "res/menus/MainMenu.h"

namespace menus {

const std::vector<Menu>& MainMenu() {
    static const std::vector<Menu> menu{
        {"&File", {{"&Quit", kQuitCommand}}},
        {"&Units", {{"&Decibels", 32775}}},
        {"&Passive components",
         {
             {"&Ohms'law", 32772},
             kSeparator,
             {"Two &resistors", 32785},
             {"Two &capacitors", 32776},
             kSeparator,
             {"&Cylindric self, monocoated", 32778},
             {"Cylindric self, &multi-coated", 32780},
             {"&PCB printed self", 32779},
             kSeparator,
             {"&Filtering capacitor", 32793},
         }},
        {"&Semi-conductors",
         {
             {"&Heatsink", 32794},
             {"&Zener diode", 32796},
             {"Class A &Transistor amplifier", 32797},
         }},
        {"&AOP's",
         {
             {"&Inverting amplifier", 32781},
             {"&Non-inverting amplifier", 32782},
             kSeparator,
             {"&Differentiator", 32783},
             {"&Integrator", 32799},
             kSeparator,
             {"&Summator", 32786},
             {"&Substractor", 32798},
             kSeparator,
             {"&Schmitt trigger", 32800},
         }},
        {"&Oscillators",
         {
             {"Astable, &NE555", 32801},
             {"Astable, CMOS &logic gates", 32803},
             kSeparator,
             {"&Monostable, NE555", 32802},
         }},
        {"&Filters",
         {
             {"RC &Low pass filter (6dB/octave)", 32807},
             {"RC &High pass filter (6dB/octave)", 32808},
             {"RC &Notch filter (6dB/octave)", 32809},
         }},
        {"&Help", {{"&Contents", kContentsCommand}, {"&About Voltaris", kAboutCommand}}},
    };
    return menu;
}

}  // namespace menus
