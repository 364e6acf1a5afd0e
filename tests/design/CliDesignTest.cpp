// voltaris-cli design as a script uses it: bad usage, and the JSON it prints.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/support/CliRun.h"

namespace {

using cli_run::Cli;
using cli_run::CliRun;

const char kAstable[] = "design astable-555 --mode 2 C=10n F=1k Duty=60 ";

TEST(CliDesign, BadUsageSaysWhyOnStandardErrorOnlyAndExitsWithTwo) {
    const struct {
        std::string arguments;
        const char* says;
    } cases[] = {
        {"design", "FORM is required"},
        {"design no-such-form", "unknown form"},
        {"design decibel", "no standard parts"},
        {"design class-a-amp", "its own design"},
        {"design astable-555", "choose a mode"},
        {"design astable-555 --mode 5", "out of range"},
        {"design astable-555 --mode 2 X=1", "has no field"},
        {"design astable-555 --mode 2 F=0", "nothing to aim at"},
        {std::string(kAstable) + "--series-r E7", "unknown series"},
        {std::string(kAstable) + "--series-c e5", "unknown series"},
        {std::string(kAstable) + "--fix R9", "--fix R9: no such part"},
        {std::string(kAstable) + "--fix", "--fix"},
        {std::string(kAstable) + "--tol R1=100", "--tol takes"},
        {std::string(kAstable) + "--tol R1=", "--tol takes"},
        {std::string(kAstable) + "--tol =5", "--tol takes"},
        {std::string(kAstable) + "--tol R7=5", "--tol R7: no such part"},
        {std::string(kAstable) + "--window T=5", "no target of this mode"},
        {std::string(kAstable) + "--window F=0", "--window takes"},
        {std::string(kAstable) + "--window F=nan", "--window takes"},
        {std::string(kAstable) + "--window F=5%", "--window takes"},
        {std::string(kAstable) + "--top 0", "--top"},
        {std::string(kAstable) + "--top 101", "--top"},
        {std::string(kAstable) + "--samples 0", "--samples"},
        {std::string(kAstable) + "--samples many", "--samples"},
        {std::string(kAstable) + "--seed -1", "--seed"},
        {std::string(kAstable) + "--distribution gaussian", "--distribution"},
        {std::string(kAstable) + "--frobnicate", "--frobnicate"},
        {"design zener --mode 2", "choose a mode"},
        {"design astable-555 --mode 2 C=10n F=1k Duty=50.001 --fix R1", "R1 has no value to hold it at"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

bool IsE12(double value) {
    const double mantissa = value / std::pow(10.0, std::floor(std::log10(value) + 1e-9)) * 10;
    for (const int m : {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82}) {
        if (std::fabs(mantissa - m) < 1e-6)
            return true;
    }
    return false;
}

TEST(CliDesign, JsonHoldsTheCandidatesBestFirstInSiNumbers) {
    const CliRun run = Cli(std::string(kAstable) + "--series-r E12 --fix C --top 4 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json out = nlohmann::json::parse(run.out);
    EXPECT_EQ(out["form"], "CAstable555Dlg");
    EXPECT_EQ(out["mode"], 2);
    ASSERT_EQ(out["targets"].size(), 2u);
    EXPECT_EQ(out["targets"][0]["name"], "F");
    EXPECT_DOUBLE_EQ(out["targets"][0]["value"].get<double>(), 1000);
    ASSERT_EQ(out["candidates"].size(), 4u);
    double previous = 0;
    for (const nlohmann::json& candidate : out["candidates"]) {
        EXPECT_FALSE(candidate.contains("pairs"));
        EXPECT_FALSE(candidate.contains("yield"));
        EXPECT_NEAR(candidate["parts"]["C"].get<double>(), 10e-9, 1e-15);
        EXPECT_TRUE(IsE12(candidate["parts"]["R1"].get<double>()));
        EXPECT_TRUE(IsE12(candidate["parts"]["R2"].get<double>()));
        double worst = 0;
        for (const char* name : {"F", "Duty"}) {
            const double error = candidate["errors"][name].get<double>();
            worst = std::max(worst, std::fabs(error));
            const double target = name[0] == 'F' ? 1000 : 60;
            EXPECT_NEAR(candidate["outputs"][name].get<double>(), target * (1 + error), 1e-9 * target);
            EXPECT_LE(candidate["range"][name][0].get<double>(), candidate["outputs"][name].get<double>());
            EXPECT_GE(candidate["range"][name][1].get<double>(), candidate["outputs"][name].get<double>());
        }
        EXPECT_DOUBLE_EQ(candidate["score"].get<double>(), worst);
        EXPECT_GE(worst, previous);
        previous = worst;
    }
}

TEST(CliDesign, PairsAndYieldOnlyWhenAskedTheYieldTheSameForTheSameSeed) {
    const std::string asked = std::string(kAstable) + "--top 2 --pairs --window F=5 --window Duty=2 --json";
    const CliRun run = Cli(asked + " --seed 7");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json out = nlohmann::json::parse(run.out);
    for (const nlohmann::json& candidate : out["candidates"]) {
        ASSERT_TRUE(candidate.contains("pairs"));
        for (const auto& [name, pair] : candidate["pairs"].items()) {
            const double a = pair[0], b = pair[1], value = candidate["parts"][name];
            // Resistors add up in series, capacitors in parallel.
            const bool sum = (name[0] == 'R') == (pair[2] == "series");
            EXPECT_NEAR(sum ? a + b : a * b / (a + b), value, 1e-9 * value) << name;
        }
        const nlohmann::json& yield = candidate["yield"];
        EXPECT_EQ(yield["samples"], 10000);
        EXPECT_DOUBLE_EQ(yield["share"].get<double>(), yield["within"].get<double>() / 10000);
        EXPECT_LE(yield["interval"][0].get<double>(), yield["share"].get<double>());
        EXPECT_GE(yield["interval"][1].get<double>(), yield["share"].get<double>());
        int counted = 0;
        for (const int count : yield["histograms"]["F"]["counts"])
            counted += count;
        EXPECT_EQ(counted + yield["failed"].get<int>(), 10000);
    }
    EXPECT_EQ(Cli(asked + " --seed 7").out, run.out);
    EXPECT_NE(Cli(asked + " --seed 8").out, run.out);
}

}  // namespace
