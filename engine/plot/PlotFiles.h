#pragma once
// A plot written out without any toolkit: a plain SVG picture and CSV data.

#include <string>

#include "engine/plot/Plot.h"

namespace engine::plot {

// A self-contained SVG 1.1 picture: axes with ticks in engineering notation,
// grid, curves, markers with their texts, a legend.
std::string PlotSvg(const Plot& plot, int width = 720, int height = 440);

// One line per point and per marker: kind,series,x,y,unit,text
// (kind "point" or "marker"; x in the x axis's unit, y in its axis's unit).
std::string PlotCsv(const Plot& plot);

}  // namespace engine::plot
