#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/oscillators/GateAstableDlg.h"
#include "tests/support/FormHarness.h"

using namespace gate_astable;

namespace {

// Field ids: R 1163, C 1164, T 1165, F 1166. Radios: 1161, 1162.
TEST(GateAstableForm, OpensAndSolvesForTheCapacitor) {
    CGateAstableDlg form;
    harness::Open(form);
    EXPECT_EQ(form.windowTitle(), "Astable oscillator, CMOS gate based");
    EXPECT_EQ(harness::Text(form, 1163), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1164), "10.00 n");
    EXPECT_EQ(harness::Text(form, 1165), "15.40 \xb5");
    EXPECT_EQ(harness::Text(form, 1166), "64.94 K");
    EXPECT_FALSE(harness::Enabled(form, 1165));
    EXPECT_FALSE(harness::Enabled(form, 1166));

    harness::Click(form, 1162);  // "R and T" from the period as shown
    EXPECT_TRUE(harness::Enabled(form, 1165));
    EXPECT_FALSE(harness::Enabled(form, 1164));
    EXPECT_FALSE(harness::Enabled(form, 1166));
    EXPECT_EQ(harness::Text(form, 1164), "10.00 n");
    harness::Type(form, 1163, "10k");
    harness::Enter(form, 1165, "1m");
    EXPECT_EQ(harness::Text(form, 1164), "142.86 n");
    EXPECT_EQ(harness::Text(form, 1166), "1.00 K");
    harness::Enter(form, 1163, "0");
    EXPECT_EQ(harness::Text(form, 1164), "Error");
    EXPECT_EQ(harness::Text(form, 1166), "1.00 K");
}

TEST(GateAstableForm, OpenedFromItsMenuCommand) {
    const auto form = harness::OpenCommand(32803);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CGateAstableDlg");
    EXPECT_EQ(harness::Text(*form, 1166), "64.94 K");
}

}  // namespace
