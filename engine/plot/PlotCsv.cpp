#include <cstdio>

#include "engine/plot/PlotFiles.h"

namespace engine::plot {

namespace {

std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    return buffer;
}

const std::string& UnitOf(const Plot& plot, int axis) {
    static const std::string none;
    return axis >= 0 && axis < static_cast<int>(plot.yAxes.size()) ? plot.yAxes[axis].unit : none;
}

}  // namespace

std::string PlotCsv(const Plot& plot) {
    std::string csv = "kind,series," + Quoted("x (" + plot.xAxis.unit + ")") + ",y,unit,text\n";
    for (const Curve& s : plot.curves)
        for (const Point& p : s.points)
            csv += "point," + Quoted(s.name) + "," + Number(p.x) + "," + Number(p.y) + "," +
                   Quoted(UnitOf(plot, s.axis)) + ",\n";
    for (const Marker& m : plot.markers)
        csv += "marker," + Quoted(m.name) + "," + Number(m.x) + "," + Number(m.y) + "," +
               Quoted(UnitOf(plot, m.axis)) + "," + Quoted(m.text) + "\n";
    return csv;
}

}  // namespace engine::plot
