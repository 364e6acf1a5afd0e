#include "forms/panels/DesignRun.h"

#include <utility>

namespace forms {

namespace {

// The share of the progress bar the search takes when yields follow it.
constexpr double kSearchShare = 0.8;

}  // namespace

DesignRun::DesignRun(engine::design::DesignProblem problem, engine::design::YieldOptions yield, int top)
    : problem_(std::move(problem)), yield_(std::move(yield)), top_(top), thread_([this] { Work(); }) {}

DesignRun::~DesignRun() {
    cancel_ = true;
    thread_.join();
}

void DesignRun::Work() {
    const bool yields = !yield_.windowPercent.empty();
    const double searchShare = yields ? kSearchShare : 1.0;
    result_.search = engine::design::Search(problem_, top_, [this, searchShare](double done) {
        progress_ = done * searchShare;
        return !cancel_;
    });
    result_.cancelled = result_.search.cancelled;
    const size_t count = result_.search.candidates.size();
    for (size_t i = 0; yields && !result_.cancelled && i < count; ++i) {
        if (cancel_) {
            result_.cancelled = true;
            break;
        }
        result_.yields.push_back(
            engine::design::EstimateYield(problem_, result_.search.candidates[i], yield_));
        progress_ = searchShare + (1 - searchShare) * static_cast<double>(i + 1) / static_cast<double>(count);
    }
    if (result_.cancelled)
        result_.yields.clear();
    progress_ = 1;
    done_ = true;
}

}  // namespace forms
