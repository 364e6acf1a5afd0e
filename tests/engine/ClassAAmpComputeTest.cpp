#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>
#include "core/EngValue.h"
#include "engine/semiconductors/ClassAAmp.h"
#include "platform/DataExchange.h"

using namespace class_a;

namespace {

// Inputs as typed: Vcc, B, Vin, Vout, Fmin, Rc, Rl.
ClassAInputs Typed(const std::array<const char*, 7>& texts, bool maxGain, bool withLoad) {
    ClassAInputs in;
    double* fields[] = {&in.vcc, &in.beta, &in.vin, &in.vout, &in.fmin, &in.rc, &in.rl};
    for (size_t i = 0; i < texts.size(); ++i)
        *fields[i] = std::fabs(ParseEngValue(texts[i]));
    in.maxGain = maxGain;
    in.withLoad = withLoad;
    return in;
}

struct Want {
    int reason, passes;
    double vout, gain, rac, Ic, Re, Rv, Rb, Rx, Cin, Cout, Cby;
};

struct Row {
    const char* what;
    std::array<const char*, 7> texts;
    bool maxGain, withLoad;
    Want want;
};

// Worked out apart from this code, with the inputs read as 32-bit floats.

// Worked out apart from this code, with the inputs read as 32-bit floats.
TEST(ClassADesign, OperatingDesigns) {
    // clang-format off
    const Row rows[] = {
        {"opening: no load means 999999 ohm in the AC load too",
         {"12", "100", "100m", "1", "20", "220", "47K"}, true, false,
         {kNotReduced, 1, 10, 100, 219.9516105972792, 0.025005500005500007, 0.9898812358113376,
          36.37971917813363, 3765.0662304955217, 657.3713776682903, 5.039851486505296e-05,
          7.957754994791337e-09, 0.0012423371635898355}},
        {"opening with the 47K load",
         {"12", "100", "100m", "1", "20", "220", "47K"}, true, true,
         {kNotReduced, 1, 10, 100, 218.9750105887336, 0.025117021276595743, 0.9854860962589271,
          35.25104734107466, 3757.229217203804, 644.6844557390938, 5.080250506169014e-05,
          1.6931376674545408e-07, 0.0012631610540179902}},
        {"maximum gain off, Vout 1",
         {"12", "100", "100m", "1", "20", "220", "47K"}, false, false,
         {kNotReduced, 1, 1, 10, 219.9516105972792, 0.004546454546454547, 15.2441710314946, 2140.669250265875,
          2799.824038535562, 23314.386829284387, 6.801508102098485e-06, 7.957754994791337e-09,
          0.00017384995633628488}},
        {"Vcc 5: cut to 4.4 V, then three 5% steps",
         {"5", "100", "100m", "1", "20", "220", "47K"}, true, false,
         {kLowVcc, 4, 3.7724499999999996, 37.72449999999999, 219.9516105972792, 0.010848863500113498,
          3.0348560241814853, 11.9113683755865, 3465.992674647884, 796.1857422481752, 2.593933649232748e-05,
          7.957754994791337e-09, 0.0013178348998102048}},
        {"wanted gain 200 above B 100",
         {"12", "100", "100m", "20", "20", "220", "47K"}, false, false,
         {kLowBeta, 1, 10, 100, 219.9516105972792, 0.025005500005500007, 0.9898812358113376,
          36.37971917813363, 3765.0662304955217, 657.3713776682903, 5.039851486505296e-05,
          7.957754994791337e-09, 0.0012423371635898355}},
        {"B 50, Rc 1K: four cuts, a margin raise, then the full gain",
         {"12", "50", "10m", "1", "20", "1K", "47K"}, true, true,
         {kNotReduced, 6, 0.5, 50, 979.1666666666666, 0.0035124255570645343, 10.82571279277353,
          1379.0689086599045, 8179.352363743482, 8084.924969290831, 1.0084237287886125e-05,
          1.6931376674545408e-07, 8.493776633608361e-05}},
        {"Rv below 1 ohm: no bypass capacitor",
         {"12", "30", "700m", "1", "20", "220", "47K"}, true, false,
         {kLowVcc, 2, 10.26, 14.657142857142855, 219.9516105972792, 0.025596539096539094, 13.388140372690748,
          0.020237535730659173, 1166.210750785094, 123.60831294670785, 8.887861651707585e-05,
          7.957754994791337e-09, 0}},
        {"maximum gain is B itself, however Vin x B / Vin rounds",
         {"24", "30", "700m", "1", "20", "220", "47K"}, true, false,
         {kNotReduced, 1, 21.000000000000004, 30, 219.9516105972792, 0.05001100001100002, 6.514695797749326,
          25.044425657877632, 1181.6902098440441, 139.8240385355605, 9.982632450982808e-05,
          7.957754994791337e-09, 0.0010242919828647148}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ClassADesign d = DesignClassA(Typed(row.texts, row.maxGain, row.withLoad));
        const Want& w = row.want;
        ASSERT_TRUE(d.operating);
        EXPECT_EQ(d.reason, w.reason);
        EXPECT_EQ(d.passes, w.passes);
        const std::pair<double, double> pairs[] = {
            {d.vout, w.vout}, {d.gain, w.gain}, {d.rac, w.rac}, {d.Ic, w.Ic},     {d.Re, w.Re},  {d.Rv, w.Rv},
            {d.Rb, w.Rb},     {d.Rx, w.Rx},     {d.Cin, w.Cin}, {d.Cout, w.Cout}, {d.Cby, w.Cby}};
        for (size_t i = 0; i < std::size(pairs); ++i)
            EXPECT_DOUBLE_EQ(pairs[i].first, pairs[i].second) << "quantity " << i;
    }
}

TEST(ClassADesign, NonOperatingDesigns) {
    struct Case {
        const char* what;
        std::array<const char*, 7> texts;
        bool maxGain, withLoad;
        int passes;
        double vout;
    };
    const Case cases[] = {
        {"Vout below Vin", {"12", "100", "1", "500m", "20", "220", "47K"}, false, false, 1, 0.5},
        {"never settles",
         {"15", "100", "2", "1", "20", "220", "47K"},
         true,
         false,
         kMaxPasses,
         11.85995063806767},
        {"Vin 0", {"12", "100", "0", "1", "20", "220", "47K"}, true, false, 0, 0},
        {"Vin exactly tiny", {"12", "100", "1p", "1", "20", "220", "47K"}, false, false, 0, 1},
        {"B 0", {"12", "0", "100m", "1", "20", "220", "47K"}, true, false, 0, 0},
        {"Rc 0", {"12", "100", "100m", "1", "20", "0", "47K"}, true, false, 0, 10},
        {"Rl 0 with load", {"12", "100", "100m", "1", "20", "220", "0"}, true, true, 0, 10},
        {"infinite Vcc", {"1e39", "100", "100m", "1", "20", "220", "47K"}, true, false, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ClassAInputs in = Typed(c.texts, c.maxGain, c.withLoad);
        const ClassADesign d = DesignClassA(in);
        EXPECT_FALSE(d.operating);
        EXPECT_EQ(d.passes, c.passes);
        EXPECT_DOUBLE_EQ(d.vout, c.vout);
        EXPECT_STREQ(ClassAStatusText(d), "Non operating conditions ! Lower Vin or raise Vcc.");
        EXPECT_EQ(ClassAComponentLines(in, d), std::vector<std::string>{"Non operating !"});
        EXPECT_EQ(ClassAOperatingLines(in, d), std::vector<std::string>{"Non operating !"});
    }
}

TEST(ClassADesign, StatusTextPerReason) {
    ClassADesign d;
    d.operating = true;
    const std::pair<int, const char*> texts[] = {{kNotReduced, "Ok !"},
                                                 {kLowBeta, "Gain reduced by low transistor beta."},
                                                 {kOutputImpedance, "Gain reduced by output impedance."},
                                                 {kLowVcc, "Gain reduced by low Vcc."}};
    for (const auto& [reason, text] : texts) {
        d.reason = reason;
        EXPECT_STREQ(ClassAStatusText(d), text);
    }
}

TEST(ClassADesign, ZeroFminGivesInfiniteCapacitorsExceptAMissingCby) {
    ClassAInputs in = Typed({"12", "100", "100m", "1", "0", "220", "47K"}, true, false);
    std::vector<std::string> lines = ClassAComponentLines(in, DesignClassA(in));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[9], "Cin  = Error F");
    EXPECT_EQ(lines[10], "Cout = Error F");
    EXPECT_EQ(lines[11], "Cby  = Error F");
    in = Typed({"12", "30", "700m", "1", "0", "220", "47K"}, true, false);  // Rv below 1 ohm
    lines = ClassAComponentLines(in, DesignClassA(in));
    EXPECT_EQ(lines[11], "Cby  = 0   F");
}

TEST(ClassADesign, WithoutLoadTheTypedLoadIsNotUsed) {
    const ClassADesign zero = DesignClassA(Typed({"12", "100", "100m", "1", "20", "220", "0"}, true, false));
    const ClassADesign typed =
        DesignClassA(Typed({"12", "100", "100m", "1", "20", "220", "47K"}, true, false));
    ASSERT_TRUE(zero.operating);
    EXPECT_EQ(zero.rac, typed.rac);
    EXPECT_EQ(zero.rl, kNoLoad);
    EXPECT_DOUBLE_EQ(zero.Cout, 7.957754994791337e-09);
}

}  // namespace
