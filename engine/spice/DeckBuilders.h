#pragma once
// One function per form that is a circuit: the circuit, its source, its
// analysis and its measurements, from the form's values.

#include "engine/FormFeatures.h"
#include "engine/spice/SpiceNetlist.h"

namespace engine::spice {

void OhmsLawDeck(const DeckInput& in, Netlist& deck);
void TwoResistorsDeck(const DeckInput& in, Netlist& deck);
void TwoCapacitorsDeck(const DeckInput& in, Netlist& deck);
void FilterCapDeck(const DeckInput& in, Netlist& deck);

void ZenerDeck(const DeckInput& in, Netlist& deck);
void ClassAAmpDeck(const DeckInput& in, Netlist& deck);

void InvertingAmpDeck(const DeckInput& in, Netlist& deck);
void NonInvertingAmpDeck(const DeckInput& in, Netlist& deck);
void DifferentiatorDeck(const DeckInput& in, Netlist& deck);
void IntegratorDeck(const DeckInput& in, Netlist& deck);
void SummatorDeck(const DeckInput& in, Netlist& deck);
void SubtractorDeck(const DeckInput& in, Netlist& deck);
void SchmittTriggerDeck(const DeckInput& in, Netlist& deck);

void Astable555Deck(const DeckInput& in, Netlist& deck);
void Monostable555Deck(const DeckInput& in, Netlist& deck);
void GateAstableDeck(const DeckInput& in, Netlist& deck);

void RcLowPassDeck(const DeckInput& in, Netlist& deck);
void RcHighPassDeck(const DeckInput& in, Netlist& deck);
void RcNotchDeck(const DeckInput& in, Netlist& deck);

}  // namespace engine::spice
