#pragma once
// A plot of what a form's circuit does: plain data that the window draws
// with its chart widget, the command line prints as CSV or JSON, and the SVG
// writer turns into a picture. Texts are UTF-8.

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace engine::plot {

struct Point {
    double x;
    double y;
};

struct Axis {
    std::string label;  // "Frequency"
    std::string unit;   // "Hz", "dB", "°", "" for a plain ratio
    bool log = false;
    // Values as SI multiples ("kHz", "µs") when true; dB, degrees and ratios are plain numbers.
    bool prefixed = true;
    double min = NAN;  // fitted to the data when left NaN
    double max = NAN;
};

struct Curve {
    std::string name;
    std::vector<Point> points = {};  // in order of x; a vertical edge is two points at one x
    int axis = 0;                    // index into Plot::yAxes
    bool asBuilt = false;            // the curve of the parts actually fitted, drawn dashed
};

// A point worth reading off: the cut-off, a threshold, a period. Drawn as a
// dashed vertical line at x with a dot at y and the text beside it.
struct Marker {
    std::string name;
    double x;
    double y;
    int axis = 0;
    std::string text;
};

struct Plot {
    std::string title;
    std::string note;  // what the curve is and is not, under the title; empty for none
    Axis xAxis;
    std::vector<Axis> yAxes;  // one or two: left, then right
    std::vector<Curve> curves;
    std::vector<Marker> markers;
};

// Either a plot or the reason why none can be drawn.
struct PlotResult {
    std::optional<Plot> plot;
    std::string message;
};

// y of the curve at x, linearly interpolated (on a log x axis: in log x);
// at a vertical edge the value after it. NaN outside the curve.
double ValueAt(const Curve& curve, double x, bool logX = false);

// Fits every axis still without a range to its data: a log axis to whole
// decades, a linear one with a small margin.
void FitAxes(Plot& plot);

}  // namespace engine::plot
