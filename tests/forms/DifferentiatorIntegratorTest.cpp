#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/opamp/RcTimeStage.h"
#include "tests/support/FormHarness.h"

using namespace rc_time;

namespace {

// Both forms share the computation; each is driven through its menu command.
TEST(RcTimeStageForms, OpenThenComputeTheCapacitanceFromTheShownTime) {
    struct Ids {
        int command, radioRAndDeltaT, r, c, deltaT;
    };
    for (const Ids& ids : {Ids{32783, 1128, 1115, 1116, 1117}, Ids{32799, 1121, 1122, 1123, 1124}}) {
        SCOPED_TRACE(ids.command);
        const auto form = harness::OpenCommand(ids.command);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(harness::Text(*form, ids.r), "2.20 K");
        EXPECT_EQ(harness::Text(*form, ids.c), "10.00 n");
        EXPECT_EQ(harness::Text(*form, ids.deltaT), "15.40 \xb5");
        EXPECT_FALSE(harness::Enabled(*form, ids.deltaT));

        harness::Click(*form, ids.radioRAndDeltaT);
        EXPECT_FALSE(harness::Enabled(*form, ids.c));
        EXPECT_TRUE(harness::Enabled(*form, ids.deltaT));
        EXPECT_EQ(harness::Text(*form, ids.c), "10.00 n");  // back from 15.40 micro as shown

        harness::Type(*form, ids.r, "10k");
        harness::Enter(*form, ids.deltaT, "-1m");
        EXPECT_EQ(harness::Text(*form, ids.deltaT), "1.00 m");
        EXPECT_EQ(harness::Text(*form, ids.c), "142.86 n");

        harness::Enter(*form, ids.r, "0");
        EXPECT_EQ(harness::Text(*form, ids.c), "Error");
        EXPECT_EQ(harness::Text(*form, ids.r), "0  ");
    }
}

}  // namespace
