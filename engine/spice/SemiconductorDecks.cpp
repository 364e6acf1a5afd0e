// The zener regulator and the class A stage.
#include "engine/semiconductors/ClassAAmp.h"
#include "engine/semiconductors/Zener.h"
#include "engine/spice/DeckBuilders.h"

namespace engine::spice {

// Two copies of the regulator on one input swept from Umin to Umax: "a"
// unloaded (its zener takes all the current at Umax), "b" loaded with Rcmin
// (its zener takes none at Umin). The zener breaks down sharply at Uz.
void ZenerDeck(const DeckInput& in, Netlist& deck) {
    using namespace zener;
    const double umin = in.v[kUmin];
    const double umax = in.v[kUmax];
    const double uz = in.v[kUz];
    const double r = in.v[kR];
    const double rcmin = in.v[kRcmin];
    if (!Require(deck, {{"Umin", umin}, {"Umax", umax}, {"Uz", uz}, {"R", r}, {"Rcmin", rcmin}}))
        return;
    deck << "V1 in 0 DC " + Num(umax);
    deck << "Ra in za " + Num(r);
    deck << "VIa a 0 DC 0";
    deck << "Da a za dzener";
    deck << "Rb in zb " + Num(r);
    deck << "Db 0 zb dzener";
    deck << "Rcmin zb 0 " + Num(rcmin);
    deck << ".model dzener D(IS=1e-14 BV=" + Num(uz) + " IBV=1m NBV=0.05)";
    deck << ".dc V1 " + Num(umin) + " " + Num(umax) + " " + Num(umax - umin);
    deck.Helper("dc", "iza", "find i(VIa) at=" + Num(umax));
    deck.Helper("dc", "uza", "find v(za) at=" + Num(umax));
    deck.Measure("dc", "pz", "param='iza*uza'", in.v[kPzmax]);
    deck.Measure("dc", "uz", "find v(zb) at=" + Num(umin), uz);
    deck.Measure("dc", "ic", "param='uz/" + Num(rcmin) + "'", in.v[kIcmax]);
}

// The designed stage with a generic NPN of the form's beta, driven by the
// form's input (a peak) as a sine at fifty times the lowest frequency: the
// operating point at the start, before the signal, the gain from the
// output's swing over the last two cycles of eight. ngspice measures only the last analysis of a deck, so
// everything comes from this one.
void ClassAAmpDeck(const DeckInput& in, Netlist& deck) {
    using namespace class_a;
    const ClassAInputs inputs{in.v[kVcc],
                              in.v[kBeta],
                              in.v[kVin],
                              in.v[kVout],
                              in.v[kFmin],
                              in.v[kRc],
                              in.v[kRl],
                              in.checks[kMaxGain] != 0,
                              in.checks[kWithLoad] != 0};
    const ClassADesign d = DesignClassA(inputs);
    if (!d.operating) {
        deck.Refuse("the design has no operating point");
        return;
    }
    const double f = 50 * inputs.fmin;
    deck << "Vcc vcc 0 DC " + Num(inputs.vcc);
    deck << "Vin in 0 DC 0 SIN(0 " + Num(inputs.vin) + " " + Num(f) + ")";
    deck << "Cin in b " + Num(d.Cin);
    deck << "Rb vcc b " + Num(d.Rb);
    deck << "Rx b 0 " + Num(d.Rx);
    deck.Note("VIc measures the collector current");
    deck << "VIc vcc rc DC 0";
    deck << "Rc rc c " + Num(inputs.rc);
    deck << "Q1 c b e qnpn";
    deck << "Re e v " + Num(d.Re);
    deck << "Rv v 0 " + Num(d.Rv);
    if (d.Cby > 0)
        deck << "Cby v 0 " + Num(d.Cby);
    deck << "Cout c out " + Num(d.Cout);
    deck.Note(inputs.withLoad ? "the load" : "no load: the design's stand-in for an open output");
    deck << "Rl out 0 " + Num(d.rl);
    deck << ".model qnpn NPN(IS=1e-14 BF=" + Num(inputs.beta) + " VAF=100)";
    const double period = 1 / f;
    deck << ".tran " + Num(period / 200) + " " + Num(8 * period) + " 0 " + Num(period / 200);
    const std::string window = " from=" + Num(6 * period) + " to=" + Num(8 * period);
    deck.Measure("tran", "ic", "find i(VIc) at=0", d.Ic);
    deck.Measure("tran", "vc", "find v(c) at=0", d.Vc);
    deck.Measure("tran", "ve", "find v(e) at=0", d.Ve);
    deck.Measure("tran", "vb", "find v(b) at=0", d.Vb);
    deck.Helper("tran", "outmax", "max v(out)" + window);
    deck.Helper("tran", "outmin", "min v(out)" + window);
    deck.Measure("tran", "gain", "param='(outmax-outmin)/" + Num(2 * inputs.vin) + "'", d.gain);
}

}  // namespace engine::spice
