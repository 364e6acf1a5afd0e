#include <algorithm>
#include <cstdio>

#include "engine/plot/PlotFiles.h"
#include "engine/plot/PlotText.h"

namespace engine::plot {

namespace {

constexpr const char* kColours[] = {"#1f5fa8", "#c8331e", "#2a8a3a", "#8a3fa8", "#c87a00", "#4a4a4a"};
constexpr const char* kFont = "font-family=\"Liberation Sans, Arial, sans-serif\"";

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string F(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

// Where an axis value lands between two pixel positions.
struct Scale {
    const Axis& axis;
    double from;
    double to;
    double operator()(double value) const {
        const bool log = axis.log && axis.min > 0 && value > 0;
        const double a = log ? std::log10(axis.min) : axis.min;
        const double b = log ? std::log10(axis.max) : axis.max;
        const double v = log ? std::log10(value) : value;
        const double t = b > a ? (v - a) / (b - a) : 0.5;
        return from + std::clamp(t, -0.02, 1.02) * (to - from);
    }
};

std::string Text(double x, double y, const std::string& text, const char* anchor = "middle", int size = 12,
                 const std::string& extra = "") {
    return "<text x=\"" + F(x) + "\" y=\"" + F(y) + "\" text-anchor=\"" + anchor + "\" font-size=\"" +
           std::to_string(size) + "\" " + kFont + extra + ">" + Escaped(text) + "</text>\n";
}

std::string AxisTitle(const Axis& axis) {
    return axis.unit.empty() ? axis.label : axis.label + " (" + axis.unit + ")";
}

// Where the plot area lies in the picture, and how values map onto it.
struct Frame {
    int width, height;
    double left, right, top, bottom;
    Scale x;
    std::vector<Scale> y;

    Frame(const Plot& plot, int pictureWidth, int pictureHeight)
        : width(pictureWidth),
          height(pictureHeight),
          left(84),
          right(pictureWidth - (plot.yAxes.size() > 1 ? 84.0 : 24.0)),
          top(plot.note.empty() ? 44 : 58),
          bottom(pictureHeight - 56.0 - 18.0 * static_cast<double>((plot.curves.size() + 2) / 3)),
          x{plot.xAxis, left, right} {
        for (const Axis& axis : plot.yAxes)
            y.push_back({axis, bottom, top});
    }
};

std::string Heading(const Plot& plot, const Frame& f) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + std::to_string(f.width) +
           "\" height=\"" + std::to_string(f.height) + "\" viewBox=\"0 0 " + std::to_string(f.width) + " " +
           std::to_string(f.height) + "\">\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(f.width) + "\" height=\"" +
           std::to_string(f.height) + "\" fill=\"white\"/>\n";
    svg += Text(f.width / 2.0, 26, plot.title, "middle", 15, " font-weight=\"bold\"");
    if (!plot.note.empty())
        svg += Text(f.width / 2.0, 44, plot.note, "middle", 11, " font-style=\"italic\"");
    return svg;
}

// Grid, ticks and axis titles, and the frame around the plot area.
std::string Axes(const Plot& plot, const Frame& f) {
    std::string svg;
    for (const Tick& tick : AxisTicks(plot.xAxis)) {
        const double px = f.x(tick.value);
        svg += "<line x1=\"" + F(px) + "\" y1=\"" + F(f.top) + "\" x2=\"" + F(px) + "\" y2=\"" + F(f.bottom) +
               "\" stroke=\"#dddddd\"/>\n";
        svg += Text(px, f.bottom + 16, tick.label, "middle", 11);
    }
    for (size_t i = 0; i < plot.yAxes.size() && i < 2; ++i) {
        const bool leftSide = i == 0;
        for (const Tick& tick : AxisTicks(plot.yAxes[i])) {
            const double py = f.y[i](tick.value);
            if (leftSide)
                svg += "<line x1=\"" + F(f.left) + "\" y1=\"" + F(py) + "\" x2=\"" + F(f.right) + "\" y2=\"" +
                       F(py) + "\" stroke=\"#dddddd\"/>\n";
            svg +=
                Text(leftSide ? f.left - 6 : f.right + 6, py + 4, tick.label, leftSide ? "end" : "start", 11);
        }
        const double tx = leftSide ? 18 : f.width - 18.0;
        const double ty = (f.top + f.bottom) / 2;
        svg += Text(tx, ty, AxisTitle(plot.yAxes[i]), "middle", 12,
                    " transform=\"rotate(-90 " + F(tx) + " " + F(ty) + ")\"");
    }
    svg += Text((f.left + f.right) / 2, f.bottom + 36, AxisTitle(plot.xAxis));
    svg += "<rect x=\"" + F(f.left) + "\" y=\"" + F(f.top) + "\" width=\"" + F(f.right - f.left) +
           "\" height=\"" + F(f.bottom - f.top) + "\" fill=\"none\" stroke=\"#333333\"/>\n";
    return svg;
}

std::string Curves(const Plot& plot, const Frame& f) {
    std::string svg;
    for (size_t i = 0; i < plot.curves.size(); ++i) {
        const Curve& s = plot.curves[i];
        if (s.axis < 0 || s.axis >= static_cast<int>(f.y.size()) || s.points.empty())
            continue;
        std::string points;
        for (const Point& p : s.points)
            if (std::isfinite(p.y))
                points += F(f.x(p.x)) + "," + F(f.y[s.axis](p.y)) + " ";
        svg += "<polyline fill=\"none\" stroke=\"" + std::string(kColours[i % std::size(kColours)]) +
               "\" stroke-width=\"2\"" + (s.asBuilt ? " stroke-dasharray=\"6 4\"" : "") + " points=\"" +
               points + "\"/>\n";
    }
    return svg;
}

struct Box {
    double left, top, right, bottom;
};

// Moves a marker's text below any placed text that it would cover.
Box PlaceBelowOthers(Box box, double width, double height, const std::vector<Box>& placed) {
    for (bool moved = true; moved;) {
        moved = false;
        box.right = box.left + width;
        box.bottom = box.top + height;
        for (const Box& other : placed) {
            if (box.left < other.right && other.left < box.right && box.top < other.bottom &&
                other.top < box.bottom) {
                box.top = other.bottom + 2;
                moved = true;
            }
        }
    }
    return box;
}

std::string Markers(const Plot& plot, const Frame& f) {
    std::string svg;
    std::vector<Box> placed;
    for (const Marker& m : plot.markers) {
        if (m.axis < 0 || m.axis >= static_cast<int>(f.y.size()))
            continue;
        const double px = f.x(m.x), py = f.y[m.axis](m.y);
        svg += "<line x1=\"" + F(px) + "\" y1=\"" + F(f.top) + "\" x2=\"" + F(px) + "\" y2=\"" + F(f.bottom) +
               "\" stroke=\"#777777\" stroke-dasharray=\"4 3\"/>\n";
        svg += "<circle cx=\"" + F(px) + "\" cy=\"" + F(py) + "\" r=\"3.5\" fill=\"#222222\"/>\n";
        if (m.text.empty())
            continue;
        const double width = 6.2 * static_cast<double>(m.text.size()), height = 13;
        const bool rightHalf = px > (f.left + f.right) / 2;
        const Box box =
            PlaceBelowOthers({rightHalf ? px - 6 - width : px + 6, std::max(f.top, py - 7 - height), 0, 0},
                             width, height, placed);
        placed.push_back(box);
        svg += Text(box.left, box.bottom - 3, m.text, "start", 11);
    }
    return svg;
}

// Three entries a row.
std::string Legend(const Plot& plot, const Frame& f) {
    std::string svg;
    for (size_t i = 0; i < plot.curves.size(); ++i) {
        const double lx = f.left + (f.right - f.left) / 3 * static_cast<double>(i % 3);
        const double ly = f.bottom + 58 + 18.0 * static_cast<double>(i / 3);
        svg += "<line x1=\"" + F(lx) + "\" y1=\"" + F(ly - 4) + "\" x2=\"" + F(lx + 24) + "\" y2=\"" +
               F(ly - 4) + "\" stroke=\"" + kColours[i % std::size(kColours)] + "\" stroke-width=\"2\"" +
               (plot.curves[i].asBuilt ? " stroke-dasharray=\"6 4\"" : "") + "/>\n";
        svg += Text(lx + 30, ly, plot.curves[i].name, "start", 11);
    }
    return svg;
}

}  // namespace

std::string PlotSvg(const Plot& plot, int width, int height) {
    const Frame frame(plot, width, height);
    return Heading(plot, frame) + Axes(plot, frame) + Curves(plot, frame) + Markers(plot, frame) +
           Legend(plot, frame) + "</svg>\n";
}

}  // namespace engine::plot
