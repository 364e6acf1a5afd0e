#pragma once
// One search for the best combinations, run on a thread of its own: the
// search, then the yield of each combination found when windows are set.
// The window's thread starts it, reads its progress and, once Done(), its
// result; it never waits for it except when dropping it. Dropping a run that
// is still going stops it at the search's next progress report and waits
// for its thread, so that nothing it touches outlives it.

#include <atomic>
#include <thread>
#include <vector>

#include "engine/design/DesignProblem.h"
#include "engine/design/Search.h"
#include "engine/design/Yield.h"

namespace forms {

struct DesignRunResult {
    engine::design::SearchResult search;
    std::vector<engine::design::YieldResult> yields;  // one per candidate, or none without windows
    bool cancelled = false;
};

class DesignRun {
  public:
    // The problem and options are copied: the run owns what it works on.
    DesignRun(engine::design::DesignProblem problem, engine::design::YieldOptions yield, int top);
    ~DesignRun();
    DesignRun(const DesignRun&) = delete;
    DesignRun& operator=(const DesignRun&) = delete;

    void Cancel() { cancel_ = true; }
    bool Done() const { return done_; }
    // The share done, 0 to 1.
    double Progress() const { return progress_; }
    // Only once Done().
    const DesignRunResult& Result() const { return result_; }
    const engine::design::DesignProblem& Problem() const { return problem_; }

  private:
    void Work();

    const engine::design::DesignProblem problem_;
    const engine::design::YieldOptions yield_;
    const int top_;
    DesignRunResult result_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
    std::atomic<double> progress_{0};
    std::thread thread_;  // last: it starts once everything above is made
};

}  // namespace forms
