#include "engine/design/Search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/parts/Corners.h"

namespace engine::design {

namespace {

// Below this many combinations every one is tried.
constexpr double kSmallSpace = 4096;
// Rounding inside a box may take an output a hair past its corners.
constexpr double kBoundSlack = 1e-12;
constexpr std::int64_t kRunsPerReport = 2048;

std::int64_t Quantum(double x) {
    if (!(x < 1e6))
        return std::numeric_limits<std::int64_t>::max();
    return std::llround(x / kScoreResolution);
}

class Searcher {
  public:
    Searcher(const DesignProblem& problem, int top, const SearchProgress& progress)
        : problem_(problem),
          top_(static_cast<size_t>(std::max(top, 1))),
          progress_(progress),
          circuit_(problem),
          corners_(problem),
          values_(problem.parts.size()),
          outputs_(problem.targets.size()),
          low_(problem.targets.size()),
          high_(problem.targets.size()) {
        for (size_t p = 0; p < problem.parts.size(); ++p) {
            values_[p] = problem.parts[p].choices.front().value;
            if (problem.parts[p].choices.size() > 1)
                free_.push_back(p);
        }
    }

    SearchResult Run() {
        SearchResult result;
        total_ = 1;
        for (const DesignPart& part : problem_.parts)
            total_ *= static_cast<double>(part.choices.size());
        result.combinations = total_;
        Box whole{std::vector<int>(free_.size(), 0), {}};
        for (const size_t p : free_)
            whole.hi.push_back(static_cast<int>(problem_.parts[p].choices.size()) - 1);
        if (total_ <= kSmallSpace)
            Enumerate(whole);
        else if (const Bounded first = Bound(whole); !first.leaf)
            Explore(whole, first.bound);
        result.candidates = std::move(best_);
        result.cancelled = cancelled_;
        result.circuitRuns = runs_;
        return result;
    }

  private:
    struct Box {
        std::vector<int> lo, hi;  // per free part, indices into its choices
    };
    struct Bounded {
        double bound = 0;
        bool leaf = false;
    };

    static double Size(const Box& box) {
        double size = 1;
        for (size_t d = 0; d < box.lo.size(); ++d)
            size *= box.hi[d] - box.lo[d] + 1;
        return size;
    }

    void SetValues(const std::vector<int>& indices) {
        for (size_t d = 0; d < free_.size(); ++d)
            values_[free_[d]] = problem_.parts[free_[d]].choices[static_cast<size_t>(indices[d])].value;
    }

    bool RunCircuit() {
        ++runs_;
        return circuit_.Run(values_, outputs_);
    }

    void Finished(double combinations) {
        done_ += combinations;
        if (progress_ && runs_ >= nextReport_) {
            nextReport_ = runs_ + kRunsPerReport;
            if (!progress_(std::min(done_ / total_, 1.0)))
                cancelled_ = true;
        }
    }

    void Enumerate(const Box& box) {
        std::vector<int> at = box.lo;
        for (;;) {
            SetValues(at);
            Leaf(at);
            size_t d = 0;
            while (d < at.size() && at[d] == box.hi[d])
                at[d++] = 0;
            if (d == at.size() || cancelled_)
                return;
            ++at[d];
        }
    }

    // The outputs of a box lie between those of its corners: the lowest
    // error any combination in it can have.
    Bounded Bound(const Box& box) {
        std::vector<size_t> spans;
        for (size_t d = 0; d < box.lo.size(); ++d) {
            if (box.lo[d] < box.hi[d])
                spans.push_back(d);
        }
        if (spans.empty()) {
            SetValues(box.lo);
            Leaf(box.lo);
            return {0, true};
        }
        bool bounded = true;
        std::vector<int> corner = box.lo;
        for (unsigned mask = 0; mask < (1u << spans.size()); ++mask) {
            for (size_t k = 0; k < spans.size(); ++k)
                corner[spans[k]] = (mask >> k & 1) != 0 ? box.hi[spans[k]] : box.lo[spans[k]];
            SetValues(corner);
            if (!RunCircuit()) {
                bounded = false;
                break;
            }
            for (size_t t = 0; t < outputs_.size(); ++t) {
                low_[t] = mask == 0 ? outputs_[t] : std::fmin(low_[t], outputs_[t]);
                high_[t] = mask == 0 ? outputs_[t] : std::fmax(high_[t], outputs_[t]);
            }
        }
        if (!bounded)
            return {0, false};
        double bound = 0;
        for (size_t t = 0; t < outputs_.size(); ++t) {
            const double target = problem_.targets[t].value;
            const double off = target < low_[t]    ? low_[t] - target
                               : target > high_[t] ? target - high_[t]
                                                   : 0;
            bound = std::fmax(bound, off / std::fabs(target));
        }
        return {bound, false};
    }

    bool Prunable(double bound) const {
        return best_.size() == top_ &&
               Quantum(std::fmax(bound - kBoundSlack, 0)) > Quantum(best_.back().score);
    }

    void Explore(const Box& box, double bound) {
        if (cancelled_)
            return;
        if (Prunable(bound)) {
            Finished(Size(box));
            return;
        }
        size_t widest = 0;
        for (size_t d = 1; d < box.lo.size(); ++d) {
            if (box.hi[d] - box.lo[d] > box.hi[widest] - box.lo[widest])
                widest = d;
        }
        const int middle = (box.lo[widest] + box.hi[widest]) / 2;
        Box halves[2] = {box, box};
        halves[0].hi[widest] = middle;
        halves[1].lo[widest] = middle + 1;
        Bounded bounds[2];
        for (int h = 0; h < 2; ++h)
            bounds[h] = Bound(halves[h]);
        // The more promising half first: a good top early prunes more.
        const int first = bounds[1].leaf || (!bounds[0].leaf && bounds[0].bound <= bounds[1].bound) ? 0 : 1;
        for (const int h : {first, 1 - first}) {
            if (!bounds[h].leaf)
                Explore(halves[h], bounds[h].bound);
        }
    }

    // One combination, its values set.
    void Leaf(const std::vector<int>& indices) {
        const bool valid = RunCircuit() && circuit_.WithinLimits();
        if (valid)
            Offer(indices);
        Finished(1);
    }

    void Offer(const std::vector<int>& indices) {
        Candidate candidate;
        for (size_t t = 0; t < outputs_.size(); ++t) {
            const double target = problem_.targets[t].value;
            const double error = (outputs_[t] - target) / std::fabs(target);
            candidate.errors.push_back(error);
            candidate.score = std::fmax(candidate.score, std::fabs(error));
        }
        candidate.outputs = outputs_;
        std::vector<PartChoice> chosen;
        for (size_t p = 0; p < problem_.parts.size(); ++p)
            chosen.push_back(problem_.parts[p].choices.front());
        for (size_t d = 0; d < free_.size(); ++d)
            chosen[free_[d]] = problem_.parts[free_[d]].choices[static_cast<size_t>(indices[d])];
        for (const PartChoice& choice : chosen)
            candidate.partCount += choice.count;
        if (best_.size() == top_) {
            const Candidate& worst = best_.back();
            const std::int64_t score = Quantum(candidate.score), worstScore = Quantum(worst.score);
            if (score > worstScore || (score == worstScore && candidate.partCount > worst.partCount))
                return;
        }
        candidate.parts = std::move(chosen);
        Complete(candidate);
        if (best_.size() == top_ && !RanksBefore(candidate, best_.back()))
            return;
        if (best_.size() == top_)
            best_.pop_back();
        best_.insert(std::upper_bound(best_.begin(), best_.end(), candidate, RanksBefore),
                     std::move(candidate));
    }

    // The spread over the tolerance corners and the distance from the form.
    void Complete(Candidate& candidate) {
        std::vector<double> values, tolerances;
        for (size_t p = 0; p < problem_.parts.size(); ++p) {
            values.push_back(candidate.parts[p].value);
            tolerances.push_back(problem_.parts[p].tolerance);
            const double form = problem_.parts[p].formValue;
            if (!problem_.parts[p].fixed && std::isfinite(form) && form > 0)
                candidate.distance += std::fabs(std::log(candidate.parts[p].value / form));
        }
        const parts::CornerResult corners = parts::EvaluateCorners(
            [this](std::span<const double> parts, std::span<double> outputs) {
                ++runs_;
                corners_.Run(parts, outputs);
            },
            values, tolerances, problem_.targets.size());
        for (size_t t = 0; t < corners.outputs.size(); ++t) {
            const parts::OutputSpread& spread = corners.outputs[t];
            candidate.low.push_back(spread.min);
            candidate.high.push_back(spread.max);
            const double width = spread.failedCorners > 0
                                     ? std::numeric_limits<double>::infinity()
                                     : (spread.max - spread.min) / std::fabs(problem_.targets[t].value);
            candidate.spread = std::fmax(candidate.spread, width);
        }
    }

    const DesignProblem& problem_;
    const size_t top_;
    const SearchProgress& progress_;
    AsBuiltCircuit circuit_;
    AsBuiltCircuit corners_;
    std::vector<size_t> free_;
    std::vector<double> values_;
    std::vector<double> outputs_, low_, high_;
    std::vector<Candidate> best_;
    double total_ = 1;
    double done_ = 0;
    std::int64_t runs_ = 0;
    std::int64_t nextReport_ = 0;
    bool cancelled_ = false;
};

}  // namespace

bool RanksBefore(const Candidate& a, const Candidate& b) {
    if (Quantum(a.score) != Quantum(b.score))
        return Quantum(a.score) < Quantum(b.score);
    if (a.partCount != b.partCount)
        return a.partCount < b.partCount;
    if (Quantum(a.spread) != Quantum(b.spread))
        return Quantum(a.spread) < Quantum(b.spread);
    if (a.distance != b.distance)
        return a.distance < b.distance;
    for (size_t p = 0; p < a.parts.size() && p < b.parts.size(); ++p) {
        if (a.parts[p].value != b.parts[p].value)
            return a.parts[p].value < b.parts[p].value;
    }
    return false;
}

SearchResult Search(const DesignProblem& problem, int top, const SearchProgress& progress) {
    if (!problem.Searchable())
        return {};
    return Searcher(problem, top, progress).Run();
}

}  // namespace engine::design
