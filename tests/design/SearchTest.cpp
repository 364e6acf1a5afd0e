// The search against brute force: every combination of the same space, the
// space built here from the series tables, scored here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/EngValue.h"
#include "engine/design/Search.h"
#include "engine/parts/FormParts.h"
#include "tests/design/DesignCases.h"

using namespace engine;
using namespace engine::design;
using design_test::DesignCase;

namespace {

struct Value {
    double value;
    int count;
};

// Standard values from the tables, and every sum and reciprocal sum of two
// (the smaller at least a hundredth of the larger).
std::vector<Value> Space(parts::Series series, double min, double max, bool pairs) {
    std::vector<double> singles;
    for (int decade = -13; decade <= 8; ++decade) {
        for (const int hundredths : parts::SeriesHundredths(series)) {
            const double value = hundredths * std::pow(10.0, decade - 2);
            if (value >= min * (1 - 1e-9) && value <= max * (1 + 1e-9))
                singles.push_back(value);
        }
    }
    std::vector<Value> values;
    for (const double single : singles)
        values.push_back({single, 1});
    for (size_t i = 0; pairs && i < singles.size(); ++i) {
        for (size_t j = 0; j <= i; ++j) {
            if (singles[i] > 100.000001 * singles[j])
                continue;
            for (const double value :
                 {singles[i] + singles[j], singles[i] * singles[j] / (singles[i] + singles[j])}) {
                if (value >= min * (1 - 1e-9) && value <= max * (1 + 1e-9))
                    values.push_back({value, 2});
            }
        }
    }
    // One value however it is made: the fewest parts.
    std::sort(values.begin(), values.end(), [](const Value& a, const Value& b) { return a.value < b.value; });
    std::vector<Value> distinct;
    for (const Value& value : values) {
        if (!distinct.empty() && value.value - distinct.back().value <= 1e-12 * distinct.back().value)
            distinct.back().count = std::min(distinct.back().count, value.count);
        else
            distinct.push_back(value);
    }
    return distinct;
}

bool Inside(const parts::FieldLimit& limit, double value) {
    if (!std::isfinite(value) || value == kErrorValue)
        return false;
    if (limit.lower)
        return limit.boundAllowed ? value >= limit.bound : value > limit.bound;
    return limit.boundAllowed ? value <= limit.bound : value < limit.bound;
}

struct Scored {
    double score;
    int count;
};

// Every combination of the space through the as-built mode.
std::vector<Scored> BruteForce(const DesignCase& designCase) {
    const FormModel& form = *designCase.form;
    const parts::FormParts& declared = *parts::FindFormParts(form);
    const std::vector<double> shown = design_test::FormValues(designCase);
    const DesignOptions& options = designCase.options;
    std::vector<std::vector<Value>> spaces;
    for (const int part : declared.parts) {
        const char* name = form.fields[static_cast<size_t>(part)].name;
        const bool capacitor = form.fields[static_cast<size_t>(part)].quantity == Quantity::kCapacitance;
        spaces.push_back(options.fixed.count(name) != 0
                             ? std::vector<Value>{{shown[static_cast<size_t>(part)], 1}}
                         : capacitor ? Space(options.seriesC, options.minC, options.maxC, options.pairs)
                                     : Space(options.seriesR, options.minR, options.maxR, options.pairs));
    }
    std::vector<int> targets;
    const std::vector<int>& built = form.inputsByMode[static_cast<size_t>(designCase.asBuilt)];
    for (const int field : form.inputsByMode[static_cast<size_t>(designCase.mode)]) {
        if (std::find(built.begin(), built.end(), field) == built.end())
            targets.push_back(field);
    }
    std::vector<int> modes = designCase.state.modes;
    modes[0] = designCase.asBuilt;
    std::vector<Scored> scored;
    std::vector<size_t> at(spaces.size(), 0);
    std::vector<double> values;
    for (;;) {
        values = shown;
        int count = 0;
        for (size_t p = 0; p < spaces.size(); ++p) {
            values[static_cast<size_t>(declared.parts[p])] = spaces[p][at[p]].value;
            count += spaces[p][at[p]].count;
        }
        Compute(form, values, modes, designCase.state.checks, nullptr);
        bool valid = true;
        double score = 0;
        for (const int field : targets) {
            const double output = values[static_cast<size_t>(field)];
            valid = valid && std::isfinite(output) && output != kErrorValue;
            score = std::max(score, std::fabs(output - shown[static_cast<size_t>(field)]) /
                                        std::fabs(shown[static_cast<size_t>(field)]));
        }
        for (const parts::FieldLimit& limit : declared.limits)
            valid = valid && Inside(limit, values[static_cast<size_t>(limit.field)]);
        if (valid)
            scored.push_back({score, count});
        size_t p = 0;
        while (p < at.size() && at[p] + 1 == spaces[p].size())
            at[p++] = 0;
        if (p == at.size())
            break;
        ++at[p];
    }
    std::sort(scored.begin(), scored.end(),
              [](const Scored& a, const Scored& b) { return a.score < b.score; });
    return scored;
}

std::int64_t Quantum(double score) {
    return std::llround(score / kScoreResolution);
}

void ExpectBruteForceTop(const DesignCase& designCase, int top) {
    const DesignProblem problem = MakeProblem(*designCase.form, designCase.state, designCase.options);
    ASSERT_TRUE(problem.Searchable()) << problem.why;
    const SearchResult result = Search(problem, top);
    const std::vector<Scored> all = BruteForce(designCase);
    ASSERT_EQ(result.candidates.size(), std::min<size_t>(all.size(), static_cast<size_t>(top)));
    for (size_t i = 0; i < result.candidates.size(); ++i)
        EXPECT_NEAR(result.candidates[i].score, all[i].score, 2 * kScoreResolution) << "rank " << i;
    if (result.candidates.empty())
        return;
    // Among the equally good, the fewest parts.
    const Candidate& best = result.candidates.front();
    for (const Scored& other : all) {
        if (Quantum(other.score) == Quantum(best.score)) {
            EXPECT_GE(other.count, best.partCount);
        }
    }
    // What the top candidate claims, worked out again.
    std::vector<double> values = design_test::FormValues(designCase);
    const std::vector<double> shown = values;
    for (size_t p = 0; p < problem.parts.size(); ++p)
        values[static_cast<size_t>(problem.parts[p].field)] = best.parts[p].value;
    std::vector<int> modes = designCase.state.modes;
    modes[0] = designCase.asBuilt;
    Compute(*designCase.form, values, modes, designCase.state.checks, nullptr);
    ASSERT_EQ(best.errors.size(), problem.targets.size());
    for (size_t t = 0; t < problem.targets.size(); ++t) {
        const size_t field = static_cast<size_t>(problem.targets[t].field);
        EXPECT_NEAR(best.errors[t], (values[field] - shown[field]) / std::fabs(shown[field]), 1e-12);
        EXPECT_LE(best.low[t], values[field] * (1 + 1e-12));
        EXPECT_GE(best.high[t], values[field] * (1 - 1e-12));
    }
}

TEST(DesignSearch, TopCandidatesAreThoseOfBruteForceOnEveryForm) {
    std::mt19937 random(2027);
    int searched = 0;
    for (const design_test::FormModes& entry : design_test::DesignableForms()) {
        SCOPED_TRACE(entry.form->className);
        ASSERT_FALSE(entry.modes.empty());
        for (int i = 0; i < 20; ++i) {
            const int mode = entry.modes[static_cast<size_t>(i) % entry.modes.size()];
            SCOPED_TRACE("mode " + std::to_string(mode) + ", case " + std::to_string(i));
            ExpectBruteForceTop(design_test::RandomCase(*entry.form, mode, random, false), 10);
            ++searched;
        }
    }
    EXPECT_GE(searched, 18 * 20);
}

TEST(DesignSearch, WithPairsTheTopIsStillThatOfBruteForce) {
    std::mt19937 random(72);
    for (const design_test::FormModes& entry : design_test::DesignableForms()) {
        SCOPED_TRACE(entry.form->className);
        for (int i = 0; i < 4; ++i) {
            const int mode = entry.modes[static_cast<size_t>(i) % entry.modes.size()];
            SCOPED_TRACE("mode " + std::to_string(mode) + ", case " + std::to_string(i));
            ExpectBruteForceTop(design_test::RandomCase(*entry.form, mode, random, true), 5);
        }
    }
}

}  // namespace
