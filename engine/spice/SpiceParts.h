#pragma once
// The parts the decks share, written into each deck that uses them: the
// op-amp, the behavioural 555, the CMOS inverter and the semiconductor models.

#include "engine/spice/SpiceNetlist.h"

namespace engine::spice {

// ".subckt opamp inp inn out params: rail=15". The ideal one is linear
// unless `railed` (a comparator needs its rails); the single-pole one always
// clips at +-rail.
void AddOpamp(Netlist& deck, OpampModel model, bool railed = false);
// An op-amp instance: "X<name> inp inn out opamp params: rail=<rail>".
std::string Opamp(const std::string& name, const std::string& inp, const std::string& inn,
                  const std::string& out, double rail = 15);

// ".subckt ne555 gnd trig out reset ctrl thresh disch vcc": the divider,
// the two comparators, the latch and the discharge switch.
void AddNe555(Netlist& deck);

// ".subckt cmosinv in out vdd": switches at half the supply, 10 ohm output.
void AddCmosInverter(Netlist& deck);

}  // namespace engine::spice
