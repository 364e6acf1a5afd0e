// The op-amp stages. The gain stages are read in DC with the input that
// gives 1 V out; the differentiator and integrator in AC, where their gain is 1.
#include <algorithm>

#include "core/EngValue.h"
#include "engine/opamp/GainStage.h"
#include "engine/opamp/RcTimeStage.h"
#include "engine/opamp/SchmittTrigger.h"
#include "engine/opamp/Subtractor.h"
#include "engine/opamp/Summator.h"
#include "engine/spice/DeckBuilders.h"
#include "engine/spice/SpiceParts.h"

namespace engine::spice {
namespace {

// Sweeps the input from 0 to `vin`; `gain` is +-v(out)/vin there.
void MeasureDcGain(Netlist& deck, const std::string& name, const std::string& out, double vin, bool inverts,
                   const DeckInput& in, int gainField) {
    deck.Helper("dc", "vo_" + name, "find v(" + out + ") at=" + Num(vin));
    deck.Measure("dc", name,
                 "param='" + std::string(inverts ? "-" : "") + "vo_" + name + "/" + Num(vin) + "'", in,
                 gainField);
}

void GainStageDeck(const DeckInput& in, Netlist& deck, bool inverting) {
    using namespace gain_stage;
    const double g = in.v[kG];
    if (!Require(in, deck, {kR1, kR2, kG}))
        return;
    const double vin = 1 / g;
    AddOpamp(deck, in.options.opamp);
    deck << "Vin in 0 DC " + Num(vin);
    if (inverting) {
        deck << "R1 in n " + Num(in.v[kR1]);
        deck << Opamp("1", "0", "n", "out");
    } else {
        deck << "R1 n 0 " + Num(in.v[kR1]);
        deck << Opamp("1", "in", "n", "out");
    }
    deck << "R2 out n " + Num(in.v[kR2]);
    DcAnalysis(deck, "Vin", vin);
    MeasureDcGain(deck, "gain", "out", vin, inverting, in, kG);
}

// The stage's time constant: 1 / (2 pi f) where its gain is 1.
void RcTimeDeck(const DeckInput& in, Netlist& deck, bool differentiator) {
    using namespace rc_time;
    const double r = in.v[kR];
    const double c = in.v[kC];
    if (!Require(in, deck, {kR, kC, kDeltaT}))
        return;
    const double f1 = 1 / (6.283185307 * r * c);
    AddOpamp(deck, in.options.opamp);
    deck << "Vin in 0 DC 0 AC 1";
    deck << (differentiator ? "C1 in n " + Num(c) : "R1 in n " + Num(r));
    deck << (differentiator ? "R1 out n " + Num(r) : "C1 out n " + Num(c));
    deck << Opamp("1", "0", "n", "out");
    deck << ".ac dec 200 " + Num(f1 / 100) + " " + Num(f1 * 100);
    deck.Helper("ac", "funity", "when vm(out)=1");
    deck.Note("deltat: the time constant the stage shows, 1 / (2 pi funity)");
    deck.Measure("ac", "deltat", "param='1/(6.283185307*funity)'", in, kDeltaT);
}

// Two copies of a stage with inputs u1 and u2, one driven at a time, so that
// each gain is read on its own.
// g1 and g2: the fields of the two gains.
void TwoInputDeck(const DeckInput& in, Netlist& deck, int g1, int g2, bool secondInverts,
                  void (*stage)(const DeckInput&, Netlist&)) {
    AddOpamp(deck, in.options.opamp);
    deck << ".subckt stage u1 u2 out";
    stage(in, deck);
    deck << ".ends stage";
    const double vin = 1 / std::max(in.v[static_cast<size_t>(g1)], in.v[static_cast<size_t>(g2)]);
    deck << "Vin in 0 DC " + Num(vin);
    deck << "X1 in 0 out1 stage";
    deck << "X2 0 in out2 stage";
    DcAnalysis(deck, "Vin", vin);
    MeasureDcGain(deck, "g1", "out1", vin, true, in, g1);
    MeasureDcGain(deck, "g2", "out2", vin, secondInverts, in, g2);
}

void SummatorStage(const DeckInput& in, Netlist& deck) {
    using namespace summator;
    deck << "R1 u1 n " + Num(in.v[kR1]);
    deck << "R2 u2 n " + Num(in.v[kR2]);
    deck << "R3 out n " + Num(in.v[kR3]);
    deck << Opamp("1", "0", "n", "out");
}

void SubtractorStage(const DeckInput& in, Netlist& deck) {
    using namespace subtractor;
    deck << "R1 u1 n " + Num(in.v[kR1]);
    deck << "R2 out n " + Num(in.v[kR2]);
    deck << "R3 u2 p " + Num(in.v[kR3]);
    deck << "R2p p 0 " + Num(in.v[kR2]);
    deck << Opamp("1", "p", "n", "out");
}

}  // namespace

void InvertingAmpDeck(const DeckInput& in, Netlist& deck) {
    GainStageDeck(in, deck, true);
}

void NonInvertingAmpDeck(const DeckInput& in, Netlist& deck) {
    GainStageDeck(in, deck, false);
}

void DifferentiatorDeck(const DeckInput& in, Netlist& deck) {
    RcTimeDeck(in, deck, true);
}

void IntegratorDeck(const DeckInput& in, Netlist& deck) {
    RcTimeDeck(in, deck, false);
}

void SummatorDeck(const DeckInput& in, Netlist& deck) {
    using namespace summator;
    if (Require(in, deck, {kR1, kR2, kR3, kG1, kG2}))
        TwoInputDeck(in, deck, kG1, kG2, true, SummatorStage);
}

void SubtractorDeck(const DeckInput& in, Netlist& deck) {
    using namespace subtractor;
    if (Require(in, deck, {kR1, kR2, kR3, kG1, kG2}))
        TwoInputDeck(in, deck, kG1, kG2, false, SubtractorStage);
}

// A triangle of twice the threshold sweeps the input up and down once; the
// output crosses zero where the input passes +Utrig and -Utrig.
void SchmittTriggerDeck(const DeckInput& in, Netlist& deck) {
    using namespace schmitt_trigger;
    const double upwr = in.v[kUpwr];
    const double utrig = in.v[kUtrig];
    if (!Require(in, deck, {kR1, kR2, kUpwr, kUtrig}))
        return;
    AddOpamp(deck, in.options.opamp, true);
    const std::string a = Num(2 * utrig);
    deck << "Vin in 0 PWL(0 -" + a + " 1m " + a + " 2m -" + a + ")";
    deck << "R1 in p " + Num(in.v[kR1]);
    deck << "R2 out p " + Num(in.v[kR2]);
    deck.Note("output swings between -Upwr and +Upwr");
    deck << Opamp("1", "p", "0", "out", upwr);
    deck << ".tran 1u 2m 0 1u";
    deck.Measure("tran", "utrig", "find v(in) when v(out)=0 rise=1", in, kUtrig);
    deck.Helper("tran", "ulow", "find v(in) when v(out)=0 fall=1");
    deck.Measure("tran", "utrig_fall", "param='-ulow'", in, kUtrig);
}

}  // namespace engine::spice
