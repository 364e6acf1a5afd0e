#pragma once
// Worst case over part tolerances: every part at its lowest or highest value,
// all 2^n combinations, through the circuit's own calculation.

#include <functional>
#include <span>
#include <vector>

namespace engine::parts {

// The circuit as the corners see it: part values in, output values out; an
// output it cannot give is kErrorValue.
using CircuitFunction = std::function<void(std::span<const double> parts, std::span<double> outputs)>;

// More parts than this are held at their nominal values.
inline constexpr int kMaxCornerParts = 8;

struct OutputSpread {
    double nominal = 0;  // with every part at its value; kErrorValue when it fails there
    double min = 0;      // over the corners that give a value
    double max = 0;
    int mostSensitive = -1;  // the part whose tolerance moves this output most, -1 for none
    int failedCorners = 0;   // corners that give no value (kErrorValue, not finite)
    int minCorner = -1;      // the corners (bit k: varied part k high) of min and max, -1 for none
    int maxCorner = -1;
};

struct CornerResult {
    int corners = 0;          // 2^(parts with a tolerance)
    std::vector<int> varied;  // the parts the corners vary, by index
    std::vector<OutputSpread> outputs;
};

// tolerances: fractions (0.05 for 5 %), one per part.
CornerResult EvaluateCorners(const CircuitFunction& circuit, std::span<const double> parts,
                             std::span<const double> tolerances, size_t outputCount);

// An output that turns back inside the tolerances (one that depends on a
// part twice, in opposite ways) has its extreme between the corners: widens
// min and max by a search along one part at a time from the extreme corners.
// An output that fails at some corners keeps the range of the others.
void SearchInside(const CircuitFunction& circuit, std::span<const double> parts,
                  std::span<const double> tolerances, CornerResult& result);

}  // namespace engine::parts
