#include <gtest/gtest.h>

#include <array>

#include "core/EngValue.h"
#include "forms/oscillators/Monostable555Dlg.h"
#include "tests/support/FormHarness.h"

using namespace monostable555;

namespace {

// Field ids: R1 1156, C 1157, T 1158. Radios: 1154, 1155.
TEST(Monostable555Form, OpensAndSolvesForTheCapacitor) {
    CMonostable555Dlg form;
    harness::Open(form);
    EXPECT_EQ(form.windowTitle(), "Monostable oscillator, 555 based");
    EXPECT_EQ(harness::Text(form, 1156), "2.20 K");
    EXPECT_EQ(harness::Text(form, 1157), "10.00 n");
    EXPECT_EQ(harness::Text(form, 1158), "24.20 \xb5");
    EXPECT_FALSE(harness::Enabled(form, 1158));

    harness::Click(form, 1155);  // "R1 and T": the shown pulse gives C back
    EXPECT_TRUE(harness::Enabled(form, 1158));
    EXPECT_FALSE(harness::Enabled(form, 1157));
    EXPECT_EQ(harness::Text(form, 1157), "10.00 n");
    harness::Type(form, 1156, "10k");
    harness::Enter(form, 1158, "1m");
    EXPECT_EQ(harness::Text(form, 1157), "90.91 n");
    harness::Enter(form, 1156, "0");
    EXPECT_EQ(harness::Text(form, 1157), "Error");
    harness::Type(form, 1156, "1p");
    harness::Enter(form, 1158, "38.93\xb5");
    EXPECT_EQ(harness::Text(form, 1157), "35.39 M");
}

TEST(Monostable555Form, OpenedFromItsMenuCommand) {
    const auto form = harness::OpenCommand(32802);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), "CMonostable555Dlg");
    EXPECT_EQ(harness::Text(*form, 1158), "24.20 \xb5");
}

}  // namespace
