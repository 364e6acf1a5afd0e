#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "core/EngValue.h"
#include "forms/opamp/DifferentiatorDlg.h"
#include "forms/opamp/IntegratorDlg.h"
#include "tests/support/FormHarness.h"

using namespace rc_time;

namespace {

constexpr double E = kErrorValue;

struct Row {
    int mode;
    double c, deltaT, r;
    double wantC, wantDeltaT, wantR;
};

TEST(RcTimeStageCompute, EveryModeAndGuard) {
    const Row rows[] = {
        // mode            C     DeltaT  R     -> C                       DeltaT                R
        {kRAndC, 1e-8, 0, 2200, 1e-8, 1.5399999999999998e-05, 2200},
        {kRAndC, 1e-8, 5, 0, 1e-8, 0, 0},
        {kRAndC, 0, 5, 2200, 0, 0, 2200},
        {kRAndDeltaT, 0, 1e-3, 10000, 1.4285714285714285e-07, 1e-3, 10000},
        {kRAndDeltaT, 3, 0, 10000, E, 0, 10000},
        {kRAndDeltaT, 3, 1e-12, 10000, E, 1e-12, 10000},  // exactly tiny is absent
        {kRAndDeltaT, 3, 1e-3, 0, E, 1e-3, 0},            // infinite capacitance
        {-1, 1, 2, 3, 1, 2, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << row.mode << " C " << row.c << " DeltaT " << row.deltaT << " R " << row.r);
        std::array<double, 3> v{};
        v[kC] = row.c;
        v[kDeltaT] = row.deltaT;
        v[kR] = row.r;
        const int modes[] = {row.mode};
        ComputeRcTimeStage(v, modes);
        EXPECT_EQ(v[kC], row.wantC);
        EXPECT_EQ(v[kDeltaT], row.wantDeltaT);
        EXPECT_EQ(v[kR], row.wantR);
    }
}

struct FormIds {
    const char* title;
    std::unique_ptr<CCalcFormDlg> (*make)();
    int radioRAndDeltaT, r, c, deltaT;
};

template <class Form>
std::unique_ptr<CCalcFormDlg> Make() {
    return std::make_unique<Form>();
}

const FormIds kForms[] = {
    {"Differentiator", &Make<CDifferentiatorDlg>, 1128, 1115, 1116, 1117},
    {"Integrator", &Make<CIntegratorDlg>, 1121, 1122, 1123, 1124},
};

TEST(RcTimeStageForms, OpenThenComputeTheCapacitanceFromTheShownTime) {
    for (const FormIds& ids : kForms) {
        SCOPED_TRACE(ids.title);
        std::unique_ptr<CCalcFormDlg> form = ids.make();
        harness::Open(*form);
        EXPECT_EQ(form->windowTitle(), ids.title);
        EXPECT_EQ(harness::Text(*form, ids.r), "2.20 K");
        EXPECT_EQ(harness::Text(*form, ids.c), "10.00 n");
        EXPECT_EQ(harness::Text(*form, ids.deltaT), "15.40 \xb5");
        EXPECT_FALSE(harness::Enabled(*form, ids.deltaT));

        harness::Click(*form, ids.radioRAndDeltaT);
        EXPECT_FALSE(harness::Enabled(*form, ids.c));
        EXPECT_TRUE(harness::Enabled(*form, ids.deltaT));
        EXPECT_EQ(harness::Text(*form, ids.c), "10.00 n");

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
