// The 555 astable and monostable and the CMOS gate astable, run in time.
#include <algorithm>

#include "engine/oscillators/Astable555.h"
#include "engine/oscillators/GateAstable.h"
#include "engine/oscillators/Monostable555.h"
#include "engine/spice/DeckBuilders.h"
#include "engine/spice/SpiceParts.h"

namespace engine::spice {
namespace {

constexpr double kVcc555 = 12;
constexpr double kVddCmos = 5;

// Periods 3 and 4 of `node`, between its rising crossings of `level`: the
// start-up (the first charge from 0 V) is over by then.
void MeasurePeriod(Netlist& deck, const std::string& node, double level, const DeckInput& in, int periodField,
                   int fField) {
    const std::string cross = "when v(" + node + ")=" + Num(level);
    deck.Helper("tran", "rise3", cross + " rise=3");
    deck.Helper("tran", "rise4", cross + " rise=4");
    deck.Measure("tran", "period", "param='rise4-rise3'", in, periodField);
    deck.Measure("tran", "f", "param='1/period'", in, fField);
}

// `periods` periods from the initial conditions, in steps of a thousandth
// of the period and at most a hundredth of `shortest`, the shortest
// interval measured (a 1 % low time in ten steps came out 2.4 % long).
void RunFor(Netlist& deck, double period, double periods, double shortest) {
    const std::string step = Num(std::min(period / 1000, shortest / 100));
    deck << ".tran " + step + " " + Num(period * periods) + " 0 " + step + " uic";
}

}  // namespace

void Astable555Deck(const DeckInput& in, Netlist& deck) {
    using namespace astable555;
    const double r1 = in.v[kR1];
    const double r2 = in.v[kR2];
    const double c = in.v[kC];
    if (!Require(in, deck, {kR1, kR2, kC, kT, kTh, kTl}))
        return;
    AddNe555(deck);
    deck << "Vcc vcc 0 DC " + Num(kVcc555);
    deck << "X1 0 thr out vcc ctl thr dis vcc ne555";
    deck << "R1 vcc dis " + Num(r1);
    deck << "R2 dis thr " + Num(r2);
    deck << "C1 thr 0 " + Num(c);
    deck << "C2 ctl 0 10n";
    deck.Note("C2 starts at its working level, C1 halfway: the first period is a normal one");
    deck << ".ic v(ctl)=" + Num(kVcc555 * 2 / 3) + " v(thr)=" + Num(kVcc555 / 2);
    const double formPeriod = in.v[kT];
    RunFor(deck, formPeriod, 4, std::min(in.v[kTh], in.v[kTl]));
    const std::string cross = "when v(out)=" + Num(kVcc555 / 2);
    deck.Helper("tran", "rise2", cross + " rise=2");
    deck.Helper("tran", "fall2", cross + " fall=2");
    deck.Helper("tran", "rise3", cross + " rise=3");
    deck.Measure("tran", "th", "param='fall2-rise2'", in, kTh);
    deck.Measure("tran", "tl", "param='rise3-fall2'", in, kTl);
    deck.Measure("tran", "period", "param='rise3-rise2'", in, kT);
    deck.Measure("tran", "f", "param='1/period'", in, kF);
    deck.Measure("tran", "duty", "param='100*th/period'", in, kDuty);
}

// One trigger pulse, a hundredth of the expected output pulse long.
void Monostable555Deck(const DeckInput& in, Netlist& deck) {
    using namespace monostable555;
    const double r1 = in.v[kR1];
    const double c = in.v[kC];
    const double t = in.v[kT];
    if (!Require(in, deck, {kR1, kC, kT}))
        return;
    AddNe555(deck);
    deck << "Vcc vcc 0 DC " + Num(kVcc555);
    deck << "Vtrig trig 0 PULSE(" + Num(kVcc555) + " 0 " + Num(t / 10) + " " + Num(t / 1e4) + " " +
                Num(t / 1e4) + " " + Num(t / 100) + " " + Num(t * 100) + ")";
    deck << "X1 0 trig out vcc ctl thr thr vcc ne555";
    deck << "R1 vcc thr " + Num(r1);
    deck << "C1 thr 0 " + Num(c);
    deck << "C2 ctl 0 10n";
    deck << ".ic v(ctl)=" + Num(kVcc555 * 2 / 3) + " v(thr)=0";
    RunFor(deck, t, 2, t);
    const std::string cross = "when v(out)=" + Num(kVcc555 / 2);
    deck.Helper("tran", "start", cross + " rise=1");
    deck.Helper("tran", "stop", cross + " fall=1");
    deck.Measure("tran", "t", "param='stop-start'", in, kT);
}

// The working astable: R from the first inverter's output back to its input,
// C from the second inverter's output to that input.
void GateAstableDeck(const DeckInput& in, Netlist& deck) {
    using namespace gate_astable;
    const double r = in.v[kR];
    const double c = in.v[kC];
    const double t = in.v[kT];
    if (!Require(in, deck, {kR, kC, kT}))
        return;
    AddCmosInverter(deck);
    deck << "Vdd vdd 0 DC " + Num(kVddCmos);
    deck << "X1 a b vdd cmosinv";
    deck << "X2 b out vdd cmosinv";
    deck << "R1 b a " + Num(r);
    deck << "C1 out a " + Num(c);
    deck.Note("starts from one of its two states, not from the balance point");
    deck << ".ic v(a)=0 v(b)=" + Num(kVddCmos) + " v(out)=0";
    // The real period is about three times the form's.
    deck << ".tran " + Num(t / 300) + " " + Num(t * 15) + " 0 " + Num(t / 300);
    MeasurePeriod(deck, "out", kVddCmos / 2, in, kT, kF);
}

}  // namespace engine::spice
