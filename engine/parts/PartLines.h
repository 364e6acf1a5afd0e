#pragma once
// The steps every form's parts report shares: choosing a part, spreading the
// outputs over the corners, marking what leaves its bounds.

#include <string>
#include <vector>

#include "engine/parts/Corners.h"
#include "engine/parts/FormParts.h"
#include "engine/parts/PartsReport.h"

namespace engine::parts {

PartLine ChoosePart(std::string name, int field, PartKind kind, double formValue,
                    const PartsOptions& options);

OutputLine MakeOutput(std::string name, std::string unit, int field, double formValue);

// Runs the corners on the report's parts and fills in the outputs, whose
// names, units, fields and form values are already set.
void SpreadOutputs(PartsReport& report, const CircuitFunction& circuit);

// Deviations over 1 %, failed corners, and values that leave a bound.
void MarkReport(PartsReport& report, const std::vector<FieldLimit>& limits);

std::optional<double> DeviationPercent(double value, double reference);

}  // namespace engine::parts
