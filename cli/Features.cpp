#include "cli/Features.h"

#include <cmath>

#include "cli/FormRequest.h"
#include "core/EngValue.h"
#include "engine/Text.h"
#include "engine/parts/PartsText.h"

namespace cli {

namespace {

// A value both as a number and as the field notation shows it; a typed
// value too large for a number ("1e400") is null beside its "Error".
Json Value(double value) {
    return Json{{"value", std::isfinite(value) ? Json(value) : Json(nullptr)},
                {"text", engine::Latin1ToUtf8(FormatEngValue(value))}};
}

Json Optional(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

}  // namespace

Json PartsJson(const engine::parts::PartsReport& report) {
    using namespace engine::parts;
    Json parts = Json::array();
    for (const PartLine& part : report.parts) {
        Json line{{"name", part.name},
                  {"field", part.field},
                  {"kind", PartKindName(part.kind)},
                  {"series", SeriesName(part.series)},
                  {"form", Value(part.formValue)},
                  {"standardised", part.standardised},
                  {"refused", part.refused},
                  {"standard", Value(part.standard)},
                  {"step", part.step},
                  {"below", part.below},
                  {"above", part.above},
                  {"deviation_percent", Optional(part.deviationPercent)},
                  {"tolerance_percent", part.tolerancePercent}};
        if (part.pair)
            line["pair"] = Json{{"text", engine::Latin1ToUtf8(PairText(*part.pair, part.kind))},
                                {"parallel", InParallel(*part.pair, part.kind)},
                                {"a", part.pair->a},
                                {"b", part.pair->b},
                                {"value", part.pair->value},
                                {"deviation_percent", Optional(part.pairDeviationPercent)}};
        parts.push_back(std::move(line));
    }
    Json outputs = Json::array();
    for (const OutputLine& output : report.outputs) {
        // No number stands for an output that has none as built.
        const bool none = !output.noValue.empty();
        outputs.push_back({{"name", output.name},
                           {"unit", output.unit},
                           {"field", output.field},
                           {"form", Value(output.formValue)},
                           {"nominal", none ? Json(nullptr) : Value(output.nominal)},
                           {"deviation_percent", Optional(output.deviationPercent)},
                           {"min", none ? Json(nullptr) : Value(output.min)},
                           {"max", none ? Json(nullptr) : Value(output.max)},
                           {"no_value", output.noValue},
                           {"most_sensitive", output.mostSensitive},
                           {"failed_corners", output.failedCorners}});
    }
    Json marks = Json::array();
    for (const Mark& mark : report.marks)
        marks.push_back({{"subject", mark.subject}, {"why", mark.why}});
    Json out{{"form", report.form}, {"has_parts", report.hasParts}};
    if (!report.hasParts) {
        out["why_none"] = report.noParts;
        return out;
    }
    out["as_built_mode"] = report.asBuiltMode;
    out["as_built_caption"] = report.asBuiltCaption;
    out["series_r"] = SeriesName(report.seriesR);
    out["series_c"] = SeriesName(report.seriesC);
    out["corners"] = report.corners;
    out["parts"] = std::move(parts);
    out["outputs"] = std::move(outputs);
    out["marks"] = std::move(marks);
    return out;
}

Json PlotJson(const engine::plot::Plot& plot) {
    using namespace engine::plot;
    auto axisJson = [](const Axis& axis) {
        return Json{{"label", axis.label},
                    {"unit", axis.unit},
                    {"log", axis.log},
                    {"min", Json(axis.min)},
                    {"max", Json(axis.max)}};
    };
    Json yAxes = Json::array();
    for (const Axis& axis : plot.yAxes)
        yAxes.push_back(axisJson(axis));
    Json series = Json::array();
    for (const Curve& s : plot.curves) {
        Json points = Json::array();
        for (const Point& p : s.points)
            points.push_back(Json::array({p.x, p.y}));
        series.push_back(
            {{"name", s.name}, {"axis", s.axis}, {"as_built", s.asBuilt}, {"points", std::move(points)}});
    }
    Json markers = Json::array();
    for (const Marker& m : plot.markers)
        markers.push_back({{"name", m.name}, {"x", m.x}, {"y", m.y}, {"axis", m.axis}, {"text", m.text}});
    return Json{{"title", plot.title},        {"note", plot.note},           {"x_axis", axisJson(plot.xAxis)},
                {"y_axes", std::move(yAxes)}, {"series", std::move(series)}, {"markers", std::move(markers)}};
}

std::string SpiceDeckOrRefuse(const engine::FormModel& form, const engine::FormState& state,
                              engine::SpiceOptions options, bool asBuilt) {
    if (asBuilt) {
        for (const engine::parts::PartLine& part : engine::parts::AnalyseParts(form, state).parts) {
            if (part.field >= 0 && part.standardised)
                options.partValues[part.field] = part.standard;
            else if (part.standardised)
                options.namedParts[part.name] = part.standard;
        }
    }
    engine::SpiceDeckResult deck = engine::BuildSpiceDeck(form, state, options);
    if (!deck.refusal.empty())
        throw UsageError("nothing to simulate: " + deck.refusal);
    return deck.text;
}

}  // namespace cli
