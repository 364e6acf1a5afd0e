// Ohm's law, the two resistors and the two capacitors, the reservoir capacitor.
#include <algorithm>

#include "engine/passive/FilterCap.h"
#include "engine/passive/OhmsLaw.h"
#include "engine/passive/TwoCapacitors.h"
#include "engine/passive/TwoResistors.h"
#include "engine/spice/DeckBuilders.h"

namespace engine::spice {

void OhmsLawDeck(const DeckInput& in, Netlist& deck) {
    using namespace ohms_law;
    const double u = in.v[kU];
    if (!Require(in, deck, {kU, kR}))
        return;
    deck << "V1 n1 0 DC " + Num(u);
    deck.Note("VI measures the current");
    deck << "VI n1 n2 DC 0";
    deck << "R1 n2 0 " + Num(in.v[kR]);
    DcAnalysis(deck, "V1", u);
    deck.Measure("dc", "i", "find i(VI) at=" + Num(u), in, kI);
    deck.Measure("dc", "p", "param='i*" + Num(u) + "'", in, kP);
}

void TwoResistorsDeck(const DeckInput& in, Netlist& deck) {
    using namespace two_resistors;
    const double u = in.v[kU];
    if (!Require(in, deck, {kU, kR1, kR2}))
        return;
    deck << "V1 in 0 DC " + Num(u);
    const std::string at = " at=" + Num(u);
    if (in.Mode(1) == kParallel) {
        deck << "VI1 in a 0";
        deck << "R1 a 0 " + Num(in.v[kR1]);
        deck << "VI2 in b 0";
        deck << "R2 b 0 " + Num(in.v[kR2]);
        DcAnalysis(deck, "V1", u);
        deck.Measure("dc", "i1", "find i(VI1)" + at, in, kI1);
        deck.Measure("dc", "i2", "find i(VI2)" + at, in, kI2);
        deck.Measure("dc", "i", "param='i1+i2'", in, kI);
    } else {
        deck << "VI in a 0";
        deck << "R1 a mid " + Num(in.v[kR1]);
        deck << "R2 mid 0 " + Num(in.v[kR2]);
        DcAnalysis(deck, "V1", u);
        deck.Measure("dc", "i", "find i(VI)" + at, in, kI);
        deck.Measure("dc", "u2", "find v(mid)" + at, in, kU2);
        deck.Measure("dc", "u1", "param='" + Num(u) + "-u2'", in, kU1);
    }
    deck.Measure("dc", "r", "param='" + Num(u) + "/i'", in, kR);
}

void TwoCapacitorsDeck(const DeckInput& in, Netlist& deck) {
    using namespace two_capacitors;
    const double u = in.v[kU];
    if (!Require(in, deck, {kU, kC1, kC2}))
        return;
    deck.Note("U as the amplitude of a 1 kHz sine: the charge splits as it does after a step");
    deck << "V1 v 0 DC 0 AC " + Num(u);
    deck.Note("VI and Hc turn the current into a voltage");
    deck << "VI v in DC 0";
    deck << "Hc ic 0 VI 1";
    if (in.Mode(1) == kParallel) {
        deck << "C1 in 0 " + Num(in.v[kC1]);
        deck << "C2 in 0 " + Num(in.v[kC2]);
        deck << ".ac dec 10 100 10k";
        deck.Measure("ac", "u1", "find vm(in) at=1k", in, kU1);
        deck.Measure("ac", "u2", "find vm(in) at=1k", in, kU2);
    } else {
        deck << "C1 in mid " + Num(in.v[kC1]);
        deck << "C2 mid 0 " + Num(in.v[kC2]);
        deck.Note("only gives the middle node a DC level");
        deck << "Rdc mid 0 1e15";
        deck << ".ac dec 10 100 10k";
        deck.Measure("ac", "u2", "find vm(mid) at=1k", in, kU2);
        deck.Note("both capacitors' voltages are in phase");
        deck.Measure("ac", "u1", "param='" + Num(u) + "-u2'", in, kU1);
    }
    deck.Helper("ac", "i", "find vm(ic) at=1k");
    deck.Measure("ac", "c", "param='i/(6.283185307e3*" + Num(u) + ")'", in, kC);
}

// A transformer's winding (0.1 ohm) and silicon diodes feed the capacitor;
// the load draws a steady current. The peak is twenty times the ripple the
// form expects, at least 12 V.
void FilterCapDeck(const DeckInput& in, Netlist& deck) {
    using namespace filter_cap;
    const double c = in.v[kC];
    const double i = in.v[kI];
    const double ripple = in.v[kDeltaU];
    if (!Require(in, deck, {kC, kI, kDeltaU}))
        return;
    const double peak = std::max(12.0, 20 * ripple);
    deck << "Vs a b SIN(0 " + Num(peak) + " 50)";
    deck << "Rs a a1 0.1";
    deck.Note("the winding's leakage to ground, so that it never floats");
    deck << "Rfa a 0 1meg";
    deck << "Rfb b 0 1meg";
    if (in.Mode(1) == kHalfWave) {
        deck << "D1 a1 out drect";
        deck << "Rg b 0 1m";
    } else {
        deck << "D1 a1 out drect";
        deck << "D2 b out drect";
        deck << "D3 0 a1 drect";
        deck << "D4 0 b drect";
    }
    deck << ".model drect D(IS=1e-9 N=1.7 RS=0.02 CJO=100p)";
    deck << "C1 out 0 " + Num(c);
    deck << "Iload out 0 DC " + Num(i);
    deck.Note("starts charged near the peak; 15 cycles, the last two measured");
    deck << ".ic v(out)=" + Num(peak * 0.9);
    deck << ".tran 50u 300m 0 50u";
    deck.Helper("tran", "vmax", "max v(out) from=260m to=300m");
    deck.Helper("tran", "vmin", "min v(out) from=260m to=300m");
    deck.Measure("tran", "ripple", "param='vmax-vmin'", in, kDeltaU);
}

}  // namespace engine::spice
