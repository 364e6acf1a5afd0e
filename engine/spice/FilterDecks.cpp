// The RC filters, each into a voltage follower, swept two decades either side.
#include "engine/filters/RcFilter.h"
#include "engine/spice/DeckBuilders.h"
#include "engine/spice/SpiceParts.h"

namespace engine::spice {
namespace {

bool StartFilter(const DeckInput& in, Netlist& deck) {
    using namespace rc_filter;
    if (!Require(in, deck, {kR, kC, kFc}))
        return false;
    AddOpamp(deck, in.options.opamp);
    deck << "Vin in 0 DC 0 AC 1";
    return true;
}

void FinishFilter(const DeckInput& in, Netlist& deck, const std::string& fc) {
    using namespace rc_filter;
    deck << Opamp("1", "f", "out", "out");
    const double f = in.v[kFc];
    deck << ".ac dec 200 " + Num(f / 100) + " " + Num(f * 100);
    deck.Measure("ac", "fc", fc, in, kFc);
}

}  // namespace

void RcLowPassDeck(const DeckInput& in, Netlist& deck) {
    using namespace rc_filter;
    if (!StartFilter(in, deck))
        return;
    deck << "R1 in f " + Num(in.v[kR]);
    deck << "C1 f 0 " + Num(in.v[kC]);
    FinishFilter(in, deck, "when vm(out)=0.7071068 fall=1");
}

void RcHighPassDeck(const DeckInput& in, Netlist& deck) {
    using namespace rc_filter;
    if (!StartFilter(in, deck))
        return;
    deck << "C1 in f " + Num(in.v[kC]);
    deck << "R1 f 0 " + Num(in.v[kR]);
    FinishFilter(in, deck, "when vm(out)=0.7071068 rise=1");
}

// Twin T: R, R and 2C to ground; C, C and R/2 to ground. At the notch the
// output's imaginary part changes sign while its real part touches zero.
void RcNotchDeck(const DeckInput& in, Netlist& deck) {
    using namespace rc_filter;
    if (!StartFilter(in, deck))
        return;
    const double r = in.v[kR];
    const double c = in.v[kC];
    deck << "R1 in m1 " + Num(r);
    deck << "R2 m1 f " + Num(r);
    deck << "C3 m1 0 " + Num(2 * c);
    deck << "C1 in m2 " + Num(c);
    deck << "C2 m2 f " + Num(c);
    deck << "R3 m2 0 " + Num(r / 2);
    FinishFilter(in, deck, "when vi(out)=0");
}

}  // namespace engine::spice
