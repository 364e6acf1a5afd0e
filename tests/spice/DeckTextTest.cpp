// What the decks and the copied values read like, without the simulator:
// one golden deck per kind of analysis, the part values of a built circuit,
// values that make no circuit, and the text "Copy values" puts on the clipboard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "engine/filters/RcFilter.h"
#include "engine/spice/CopyValues.h"
#include "engine/spice/SpiceDeck.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// VOLTARIS_UPDATE_GOLDEN=1 writes the decks of today instead, to review with git diff.
TEST(SpiceDeckText, OneGoldenDeckPerAnalysis) {
    for (const char* alias : {"two-resistors", "rc-low-pass", "astable-555"}) {
        const engine::FormModel& form = *engine::FindForm(alias);
        const std::string deck = engine::SpiceDeck(form, engine::OpenedState(form));
        const std::string path = std::string(VOLTARIS_GOLDEN_DIR) + "/" + alias + ".cir";
        if (std::getenv("VOLTARIS_UPDATE_GOLDEN") != nullptr)
            std::ofstream(path) << deck;
        EXPECT_EQ(deck, ReadFile(path)) << alias;
    }
}

TEST(SpiceDeckText, BuiltPartsReplaceTheFormsValues) {
    const engine::FormModel& form = *engine::FindForm("rc-low-pass");
    engine::SpiceOptions options;
    options.partValues[rc_filter::kR] = 2400;
    const std::string deck = engine::SpiceDeck(form, engine::OpenedState(form), options);
    EXPECT_NE(deck.find("\nR1 in f 2400\n"), std::string::npos) << deck;
    EXPECT_NE(deck.find("* As built: R = 2.40 K\n"), std::string::npos) << deck;
    EXPECT_NE(deck.find("*   R (ohm) = 2.20 K\n"), std::string::npos) << deck;
}

TEST(SpiceDeckText, ValuesThatMakeNoCircuitAreSaidSo) {
    const engine::FormModel& form = *engine::FindForm("rc-low-pass");
    engine::FormState state = engine::DefaultState(form);
    state.modes = {rc_filter::kCAndFc};
    state.texts[rc_filter::kC] = "0";
    state.texts = engine::Recalculate(form, state).texts;
    const engine::SpiceDeckResult deck = engine::BuildSpiceDeck(form, state, {});
    EXPECT_TRUE(deck.measures.empty());
    EXPECT_NE(deck.text.find("* Nothing to simulate: R shows Error.\n.end\n"), std::string::npos)
        << deck.text;
}

TEST(SpiceDeckText, OnlyCircuitsHaveDecks) {
    const std::set<std::string> noCircuit = {"decibel", "single-layer-coil", "multi-layer-coil",
                                             "printed-coil", "heatsink"};
    for (const engine::FormModel* form : engine::AllForms()) {
        const bool circuit = !noCircuit.contains(form->alias);
        EXPECT_EQ(engine::HasSpiceDeck(*form), circuit) << form->alias;
        if (!circuit) {
            EXPECT_EQ(engine::SpiceDeck(*form, engine::OpenedState(*form)), "") << form->alias;
        }
    }
}

TEST(CopyValues, CaptionThenOneLinePerField) {
    const engine::FormModel& form = *engine::FindForm("astable-555");
    engine::FormState state = engine::OpenedState(form);
    EXPECT_EQ(engine::CopyValuesText(form, state.texts),
              "Astable oscillator, 555 based\n"
              "C (Farad) 10.00 n\n"
              "Duty (%) 66.67\n"
              "F (Hz) 21.86 K\n"
              "R1 (ohm) 2.20 K\n"
              "R2 (ohm) 2.20 K\n"
              "T (s) 45.74 \xc2\xb5\n"
              "Th (s) 30.49 \xc2\xb5\n"
              "Tl (s) 15.25 \xc2\xb5\n");
}

}  // namespace
