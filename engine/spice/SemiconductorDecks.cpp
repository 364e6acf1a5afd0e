// The zener regulator and the class A stage.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/semiconductors/ClassAAmp.h"
#include "engine/semiconductors/Zener.h"
#include "engine/spice/DeckBuilders.h"

namespace engine::spice {

// Two copies of the regulator, each on its own input: "a" at Umax unloaded
// (its zener takes all the current), "b" at Umin loaded with Rcmin (its
// zener takes none). The zener is a source of Uz less 66 mV behind a diode
// of emission coefficient 0.1 that drops those 66 mV at 1 mA: Uz at 1 mA,
// 6 mV more per decade of current. ngspice's own breakdown (BV, NBV) is
// solved by a Newton step that overflows that sharp and returns solutions
// that break Kirchhoff's current law; a forward junction it limits safely.
void ZenerDeck(const DeckInput& in, Netlist& deck) {
    using namespace zener;
    if (!Require(in, deck, {kUmin, kUmax, kUz, kR, kRcmin}))
        return;
    const double r = in.v[kR];
    const double rcmin = in.v[kRcmin];
    const std::string at = RampedOperatingPoint(deck);
    // N Vt ln(1 mA / IS) at 27 degrees C.
    const double knee = 0.1 * 0.025865 * std::log(1e-3 / 1e-14);
    deck << "Ea ina 0 op 0 " + Num(in.v[kUmax]);
    deck << "Ra ina za " + Num(r);
    deck << "Da za ka dzener";
    deck << "Vza ka a DC " + Num(in.v[kUz] - knee);
    deck << "VIa a 0 DC 0";
    deck << "Eb inb 0 op 0 " + Num(in.v[kUmin]);
    deck << "Rb inb zb " + Num(r);
    deck << "Db zb kb dzener";
    deck << "Vzb kb 0 DC " + Num(in.v[kUz] - knee);
    deck << "Rcmin zb 0 " + Num(rcmin);
    deck << ".model dzener D(IS=1e-14 N=0.1)";
    deck.Helper("dc", "iza", "find i(VIa)" + at);
    deck.Helper("dc", "uza", "find v(za)" + at);
    deck.Measure("dc", "pz", "param='iza*uza'", in, kPzmax);
    deck.Measure("dc", "uz", "find v(zb)" + at, in, kUz);
    deck.Measure("dc", "ic", "param='uz/" + Num(rcmin) + "'", in, kIcmax);
}

namespace {

using ClassAParts = std::vector<std::pair<std::string, double>>;

// One copy of the stage, its nodes suffixed with `tag`, its input a sine of
// `amplitude` at `f` on the shared supply.
void ClassAStage(Netlist& deck, const std::string& tag, double amplitude, double f,
                 const ClassAParts& parts) {
    auto node = [&tag](const char* name) { return std::string(name) + tag; };
    auto value = [&parts](const char* name) {
        for (const auto& [part, v] : parts) {
            if (part == name)
                return v;
        }
        return 0.0;
    };
    deck << "Vin" + tag + " " + node("in") + " 0 DC 0 SIN(0 " + Num(amplitude) + " " + Num(f) + ")";
    deck << "Cin" + tag + " " + node("in") + " " + node("b") + " " + Num(value("Cin"));
    deck << "Rb" + tag + " vcc " + node("b") + " " + Num(value("Rb"));
    deck << "Rx" + tag + " " + node("b") + " 0 " + Num(value("Rx"));
    deck << "VIc" + tag + " vcc " + node("rc") + " DC 0";
    deck << "Rc" + tag + " " + node("rc") + " " + node("c") + " " + Num(value("Rc"));
    deck << "Q" + tag + " " + node("c") + " " + node("b") + " " + node("e") + " qnpn";
    if (value("Re") > 0)
        deck << "Re" + tag + " " + node("e") + " " + node("v") + " " + Num(value("Re"));
    else
        deck << "Vre" + tag + " " + node("e") + " " + node("v") + " DC 0";
    deck << "Rv" + tag + " " + node("v") + " 0 " + Num(value("Rv"));
    if (value("Cby") > 0)
        deck << "Cby" + tag + " " + node("v") + " 0 " + Num(value("Cby"));
    deck << "Cout" + tag + " " + node("c") + " " + node("out") + " " + Num(value("Cout"));
    deck << "Rl" + tag + " " + node("out") + " 0 " + Num(value("Rl"));
}

// The stage's parts by name: those the form designed, or the standard ones
// fitted in their place.
ClassAParts BuiltClassAParts(const DeckInput& in, const ClassADesign& d) {
    auto built = [&in](const char* name, double designed) {
        const auto found = in.options.namedParts.find(name);
        return found != in.options.namedParts.end() ? found->second : designed;
    };
    return {
        {"Rc", in.v[class_a::kRc]},
        {"Re", built("Re", d.Re)},
        {"Rv", built("Rv", d.Rv)},
        {"Rb", built("Rb", d.Rb)},
        {"Rx", built("Rx", d.Rx)},
        {"Cin", built("Cin", d.Cin)},
        {"Cout", built("Cout", d.Cout)},
        {"Cby", d.Cby > 0 ? built("Cby", d.Cby) : 0},
        {"Rl", d.rl},
    };
}

// Every fitted part has a value the simulator takes; Re and Cby of zero are not fitted.
bool RequireClassAParts(Netlist& deck, const ClassAParts& parts) {
    for (const auto& [name, value] : parts) {
        const bool fitted = !((name == "Re" || name == "Cby") && value == 0);
        if (fitted &&
            !Require(deck, name, value, name[0] == 'C' ? Quantity::kCapacitance : Quantity::kResistance))
            return false;
    }
    return true;
}

// The operating point at the start; the gains from the swing over the last
// two cycles of eight.
void MeasureClassA(Netlist& deck, const ClassADesign& d, double vin, double period) {
    const std::string window = " from=" + Num(6 * period) + " to=" + Num(8 * period);
    deck.Measure("tran", "ic", "find i(VIca) at=0", d.Ic);
    deck.Measure("tran", "vc", "find v(ca) at=0", d.Vc);
    deck.Measure("tran", "ve", "find v(ea) at=0", d.Ve);
    deck.Measure("tran", "vb", "find v(ba) at=0", d.Vb);
    deck.Helper("tran", "outmax", "max v(outa)" + window);
    deck.Helper("tran", "outmin", "min v(outa)" + window);
    deck.Measure("tran", "gain", "param='(outmax-outmin)/" + Num(vin) + "'", d.gain);
    deck.Helper("tran", "ssmax", "max v(outs)" + window);
    deck.Helper("tran", "ssmin", "min v(outs)" + window);
    deck.Measure("tran", "gain_ss", "param='(ssmax-ssmin)/" + Num(vin / 100) + "'", d.gain);
}

}  // namespace

// The designed stage with a generic NPN of the form's beta, in two copies on
// one supply, each driven by a sine at fifty times the lowest frequency: "a"
// with the form's Vin (the design budgets Vin and Vout peak to peak, so a
// peak of Vin / 2), "s" with a hundredth of it, for the small-signal gain.
// The operating point is read at the start, before the signal; the gains
// from the outputs' swing over the last two cycles of eight. ngspice
// measures only the last analysis of a deck, so everything comes from this one.
void ClassAAmpDeck(const DeckInput& in, Netlist& deck) {
    using namespace class_a;
    if (!Require(in, deck, {kVcc, kBeta, kVin, kFmin}))
        return;
    // The design is the form's, from its own values; the parts may be the standard ones.
    const ClassAInputs inputs = ClassAInputsOf(in.shown, in.checks);
    const ClassADesign d = DesignClassA(inputs);
    if (!d.operating) {
        deck.Refuse("the design has no operating point");
        return;
    }
    const ClassAParts parts = BuiltClassAParts(in, d);
    if (!RequireClassAParts(deck, parts))
        return;
    const double f = 50 * inputs.fmin;
    deck << "Vcc vcc 0 DC " + Num(inputs.vcc);
    deck.Note("VIc measures the collector current");
    deck.Note(inputs.withLoad ? "Rl: the load" : "Rl: no load, the design's stand-in for an open output");
    ClassAStage(deck, "a", inputs.vin / 2, f, parts);
    ClassAStage(deck, "s", inputs.vin / 200, f, parts);
    deck << ".model qnpn NPN(IS=1e-14 BF=" + Num(inputs.beta) + " VAF=100)";
    const double period = 1 / f;
    deck << ".tran " + Num(period / 200) + " " + Num(8 * period) + " 0 " + Num(period / 200);
    MeasureClassA(deck, d, inputs.vin, period);
}

}  // namespace engine::spice
