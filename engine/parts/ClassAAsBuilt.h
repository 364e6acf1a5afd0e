#pragma once
// The class A stage as built from standard parts, on the design's own device
// assumptions: VBE 0.7 V, an intrinsic emitter resistance of 0.03 V / Ie and
// the transistor's beta. The base divider is a Thevenin source loaded by the
// base current; Re is not bypassed, Rv is (by Cby).

#include <span>
#include <vector>

#include "engine/parts/PartsReport.h"
#include "engine/semiconductors/ClassAAmp.h"

namespace engine::parts::class_a_stage {

enum Part { kRc, kRe, kRv, kRb, kRx, kCin, kCout, kCby, kPartCount };
enum Output { kIc, kVe, kVb, kVc, kVce, kGain, kGainLoaded, kZin, kZout, kFCin, kFCout, kFCby, kOutputCount };

struct Stage {
    double vcc = 0;
    double beta = 0;
    double rl = 0;  // the load the design used
};

// outputs: kOutputCount values; all kErrorValue when the transistor is cut
// off or saturated.
void AnalyseStage(const Stage& stage, std::span<const double> parts, std::span<double> outputs);

// The parts as the design worked them out, in Part order.
std::vector<double> DesignedParts(const ClassAInputs& in, const ClassADesign& design);

PartsReport AnalyseClassA(const FormModel& form, const FormState& state, const PartsOptions& options);

}  // namespace engine::parts::class_a_stage
