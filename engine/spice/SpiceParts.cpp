#include "engine/spice/SpiceParts.h"

namespace engine::spice {

void AddOpamp(Netlist& deck, OpampModel model, bool railed) {
    deck << ".subckt opamp inp inn out params: rail=15";
    if (model == OpampModel::kGbw) {
        deck.Note("one pole: 100 dB from DC to 10 Hz, 1 MHz gain-bandwidth, 0.63 V/us slew;");
        deck.Note("the pole's node is clamped at the rails, so the output leaves them at once");
        deck << "B1 n1 0 V=max(-1e4,min(1e4,1e5*v(inp,inn)))";
        deck << "R1 n1 n2 1k";
        deck << "C1 n2 0 15.91549u";
        deck << "Dhi n2 hi dclamp";
        deck << "Vhi hi 0 {rail}";
        deck << "Dlo lo n2 dclamp";
        deck << "Vlo lo 0 {-rail}";
        deck << ".model dclamp D(IS=1e-15 N=0.01)";
        deck << "E1 out 0 n2 0 1";
    } else if (railed) {
        deck.Note("gain 10^5 up to the rails, settling in a nanosecond");
        deck << "B1 n1 0 V={rail}*tanh(1e5*v(inp,inn)/{rail})";
        deck << "R1 n1 n2 1k";
        deck << "C1 n2 0 1p";
        deck << "E1 out 0 n2 0 1";
    } else {
        deck.Note("ideal: gain 10^6, no rails");
        deck << "E1 out 0 inp inn 1e6";
    }
    deck << ".ends opamp";
}

std::string Opamp(const std::string& name, const std::string& inp, const std::string& inn,
                  const std::string& out, double rail) {
    return "X" + name + " " + inp + " " + inn + " " + out + " opamp params: rail=" + Num(rail);
}

void AddNe555(Netlist& deck) {
    deck << ".subckt ne555 gnd trig out reset ctrl thresh disch vcc";
    deck.Note("divider: thresholds at 2/3 (ctrl) and 1/3 (lo) of the supply");
    deck << "R1 vcc ctrl 5k";
    deck << "R2 ctrl lo 5k";
    deck << "R3 lo gnd 5k";
    deck.Note("comparators: set below the lower threshold, reset above the upper one");
    deck << "Bs s gnd V=v(trig,gnd) < v(lo,gnd) ? 1 : 0";
    deck << "Br r gnd V=v(thresh,gnd) > v(ctrl,gnd) ? 1 : 0";
    deck.Note("latch: reset pin low clears it, the trigger wins over the threshold");
    deck << "Bq qi gnd V=v(reset,gnd) < 0.7 ? 0 : (v(s,gnd) > 0.5 ? 1 : (v(r,gnd) > 0.5 ? 0 : "
            "(v(q,gnd) > 0.5 ? 1 : 0)))";
    deck << "Rq qi q 10";
    deck << "Cq q gnd 1p";
    deck << "Bo out gnd V=v(q,gnd) > 0.5 ? v(vcc,gnd) : 0";
    deck.Note("discharge switch: closed (1 ohm) while the output is low");
    deck << "Sd disch gnd gnd q sdischarge";
    deck << ".model sdischarge sw vt=-0.5 vh=0.1 ron=1 roff=1e14";
    deck << ".ends ne555";
}

void AddCmosInverter(Netlist& deck) {
    deck << ".subckt cmosinv in out vdd";
    deck.Note("switches at half the supply, 10 ohm output, no input protection diodes");
    deck << "B1 o 0 V=v(vdd)/2*(1-tanh(40*(v(in)-v(vdd)/2)/v(vdd)))";
    deck << "Ro o out 10";
    deck << "Co out 0 10p";
    deck << ".ends cmosinv";
}

}  // namespace engine::spice
