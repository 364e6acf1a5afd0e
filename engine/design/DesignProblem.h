#pragma once
// What a search for standard parts works on, derived from what the form
// declares for its parts: the mode that takes them all (as built), the
// targets (what the current mode is given and the as-built mode computes),
// the values the search holds, the standard values each part may take and
// the form's own limits. No form is special here.

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "engine/FormModel.h"
#include "engine/Recalculation.h"
#include "engine/parts/ESeries.h"
#include "engine/parts/FormParts.h"
#include "engine/parts/Pairs.h"
#include "engine/parts/PartsReport.h"

namespace engine::design {

struct DesignOptions {
    parts::Series seriesR = parts::Series::kE24;
    parts::Series seriesC = parts::Series::kE12;
    std::set<std::string> fixed;  // parts held at the form's value
    bool pairs = false;           // a part may also be two in series or in parallel
    // By part name, in percent; otherwise the series' (resistors) or 10 % (capacitors).
    std::map<std::string, double> tolerancePercent;
    // The values one buys: single parts (and pairs) from these ranges.
    double minR = 1, maxR = 10e6;
    double minC = 1e-12, maxC = 10e-3;
};

// One value a part can take: a standard part, two of them, or the form's own
// value for a part held fixed.
struct PartChoice {
    double value = 0;
    int count = 1;  // parts to buy
    std::optional<parts::PartPair> pair;
};

struct DesignPart {
    std::string name;
    int field = -1;
    parts::PartKind kind = parts::PartKind::kResistor;
    parts::Series series = parts::Series::kE24;
    bool fixed = false;
    double formValue = 0;             // what the form shows or computed, at full precision
    double tolerance = 0;             // a fraction: 0.05 for 5 %
    std::vector<PartChoice> choices;  // in increasing value
};

struct DesignTarget {
    std::string name;
    std::string unit;  // UTF-8
    int field = -1;
    double value = 0;
};

struct DesignProblem {
    const FormModel* form = nullptr;
    std::string why;  // why there is nothing to search; empty when there is
    int mode = -1;
    int asBuiltMode = -1;
    std::string modeCaption;
    std::string asBuiltCaption;
    std::vector<int> modes;  // every group, the first at the as-built mode
    std::vector<int> checks;
    std::vector<double> values;  // the form's values: what the as-built mode is also given
    std::vector<DesignPart> parts;
    std::vector<DesignTarget> targets;
    std::vector<parts::FieldLimit> limits;

    bool Searchable() const { return why.empty(); }
    int PartIndex(std::string_view name) const;  // -1 for none
    int TargetIndex(std::string_view name) const;
};

// The form's declaration of its parts, null for none. The one place the
// design search looks it up.
const parts::FormParts* DeclaredParts(const FormModel& form);

// state: as after a recalculation of the form.
DesignProblem MakeProblem(const FormModel& form, const FormState& state, const DesignOptions& options = {});

// The form's circuit as built from one value per part of the problem.
class AsBuiltCircuit {
  public:
    explicit AsBuiltCircuit(const DesignProblem& problem);
    // The targets' values; false when one of them has none (Error).
    bool Run(std::span<const double> parts, std::span<double> targets);
    // Whether the last run keeps every field within the form's limits.
    bool WithinLimits() const;

  private:
    const DesignProblem& problem_;
    std::vector<double> scratch_;
};

}  // namespace engine::design
